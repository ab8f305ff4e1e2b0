#pragma once

#include "project/TqxProject07.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Every field of the project record, written out independently of the code
// under test: its file offset (-1 for the text fields), a value that differs
// from both zero and the default, the little-endian bytes of that value, and
// a printable form for comparisons.
namespace probes {

using qx::TqxProject07;

struct FieldProbe {
    std::string Name;
    int Offset;
    std::function<void(TqxProject07&)> Poke;
    std::function<std::string(const TqxProject07&)> Show;
    std::vector<std::uint8_t> PokedBytes;
};

inline std::vector<std::uint8_t> Le32(std::uint32_t v)
{
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

inline std::vector<std::uint8_t> Encode(std::int32_t v) { return Le32(static_cast<std::uint32_t>(v)); }
inline std::vector<std::uint8_t> Encode(std::uint32_t v) { return Le32(v); }
inline std::vector<std::uint8_t> Encode(bool v) { return {static_cast<std::uint8_t>(v ? 1 : 0)}; }
inline std::vector<std::uint8_t> Encode(std::uint8_t v) { return {v}; }
inline std::vector<std::uint8_t> Encode(const std::string&) { return {}; }
inline std::vector<std::uint8_t> Encode(const std::array<bool, 24>& steps)
{
    std::vector<std::uint8_t> bytes;
    for (bool s : steps)
        bytes.push_back(s ? 1 : 0);
    return bytes;
}
inline std::vector<std::uint8_t> Encode(const qx::TCurvePoints& points)
{
    std::vector<std::uint8_t> bytes;
    for (const auto& p : points) {
        for (std::int32_t v : {p.x, p.y}) {
            const auto b = Encode(v);
            bytes.insert(bytes.end(), b.begin(), b.end());
        }
    }
    return bytes;
}
inline std::vector<std::uint8_t> Encode(const std::array<std::uint8_t, 56>& block)
{
    return {block.begin(), block.end()};
}

inline std::string Text(std::int32_t v) { return std::to_string(v); }
inline std::string Text(std::uint32_t v) { return std::to_string(v); }
inline std::string Text(bool v) { return v ? "true" : "false"; }
inline std::string Text(std::uint8_t v) { return std::to_string(v); }
inline std::string Text(const std::string& v) { return "\"" + v + "\""; }
inline std::string Text(const qx::TCurvePoint& p) { return "(" + Text(p.x) + "," + Text(p.y) + ")"; }
template <class Container>
std::string Text(const Container& values)
{
    std::string text;
    for (const auto& v : values)
        text += Text(v) + " ";
    return text;
}

template <class T>
FieldProbe Probe(const char* name, int offset, T TqxProject07::*member, T value)
{
    return {name, offset, [member, value](TqxProject07& p) { p.*member = value; },
            [member](const TqxProject07& p) { return Text(p.*member); }, Encode(value)};
}

inline std::array<bool, 24> SomeSteps()
{
    std::array<bool, 24> steps{};
    steps[0] = steps[5] = steps[23] = true;
    return steps;
}

inline std::array<std::uint8_t, 56> SomeBlock()
{
    std::array<std::uint8_t, 56> block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(0xA0 + i);
    return block;
}

inline const std::vector<FieldProbe>& AllFields()
{
    using P = TqxProject07;
    using u8 = std::uint8_t;
    static const std::vector<FieldProbe> fields{
        Probe("Projectpath", -1, &P::Projectpath, std::string("/somewhere/Sunset-1")),
        Probe("Projectname", -1, &P::Projectname, std::string("Sunset-1")),
        Probe("OrgMainimageFilename", -1, &P::OrgMainimageFilename, std::string("/photos/sunset.jpg")),
        Probe("MainimageFilename", -1, &P::MainimageFilename, std::string("/somewhere/Sunset-1/mainimage.jpg")),

        Probe("ProjectStage", 32, &P::ProjectStage, 2),
        Probe("MosaicWidth", 36, &P::MosaicWidth, 3001),
        Probe("MosaicHeight", 40, &P::MosaicHeight, 2002),
        Probe("CellWidth", 44, &P::CellWidth, 31),
        Probe("CellHeight", 48, &P::CellHeight, 29),
        Probe("PPI", 52, &P::PPI, 300),
        Probe("PageWidth", 56, &P::PageWidth, 1500),
        Probe("PageHeight", 60, &P::PageHeight, 1001),
        Probe("Reserved_R1", 64, &P::Reserved_R1, u8{7}),
        Probe("BorderSize", 68, &P::BorderSize, 5),
        Probe("BorderColor", 72, &P::BorderColor, std::uint32_t{0x00123456}),
        Probe("BackgroundColor", 76, &P::BackgroundColor, std::uint32_t{0x00654321}),
        Probe("MainImageAsBackground", 80, &P::MainImageAsBackground, false),
        Probe("Reserved_R1a", 81, &P::Reserved_R1a, u8{3}),
        Probe("Reserved_R1b", 82, &P::Reserved_R1b, u8{9}),

        Probe("MainImageLoaded", 84, &P::MainImageLoaded, true),
        Probe("CropMainImage", 85, &P::CropMainImage, true),
        Probe("MonoMainImage", 86, &P::MonoMainImage, true),
        Probe("Reserved_R2", 87, &P::Reserved_R2, u8{11}),

        Probe("Reserved_R3a", 88, &P::Reserved_R3a, u8{13}),
        Probe("CropCellImage", 89, &P::CropCellImage, false),
        Probe("MonoCellImage", 90, &P::MonoCellImage, true),
        Probe("AllowHorzFlip", 91, &P::AllowHorzFlip, true),
        Probe("AllowVertFlip", 92, &P::AllowVertFlip, true),
        Probe("RepeatRadius", 96, &P::RepeatRadius, 6),
        Probe("LimitRepeat", 100, &P::LimitRepeat, true),
        Probe("MinRepeat", 104, &P::MinRepeat, 2),
        Probe("MaxRepeat", 108, &P::MaxRepeat, 17),
        Probe("Reserved_R3b", 112, &P::Reserved_R3b, u8{15}),
        Probe("RotateTiles", 113, &P::RotateTiles, true),
        Probe("RotationSteps", 114, &P::RotationSteps, SomeSteps()),

        Probe("Reserved_R4", 140, &P::Reserved_R4, SomeBlock()),

        Probe("MaskIndex", 196, &P::MaskIndex, 3),
        Probe("PatternIndex", 200, &P::PatternIndex, 4),

        Probe("EnhanceLevel", 204, &P::EnhanceLevel, 55),
        Probe("RandomLevel", 208, &P::RandomLevel, 9),
        Probe("Reserved_R6", 212, &P::Reserved_R6, u8{17}),
        Probe("AlphaBlendMain", 216, &P::AlphaBlendMain, 120),
        Probe("AlphaBlendPen", 220, &P::AlphaBlendPen, 200),
        Probe("StretchFilter", 224, &P::StretchFilter, u8{6}),
        Probe("EnhanceCurve", 225, &P::EnhanceCurve,
              qx::TCurvePoints{{{1, 201}, {21, 202}, {41, 203}, {61, 204}, {81, 205}}}),
        Probe("AlphaCurve", 265, &P::AlphaCurve,
              qx::TCurvePoints{{{2, 11}, {22, 12}, {42, 13}, {62, 14}, {82, 15}}}),
        Probe("MaxColorDiffAvg", 308, &P::MaxColorDiffAvg, 77),
        Probe("MaxColorDiffSingle", 312, &P::MaxColorDiffSingle, 88),
        Probe("MaxShapeDiff", 316, &P::MaxShapeDiff, 99),

        Probe("Reserved_R7a", 320, &P::Reserved_R7a, -12345),
        Probe("Reserved_R7b", 324, &P::Reserved_R7b, u8{21}),
    };
    return fields;
}

// A record with every field set to its probe value.
inline TqxProject07 PokedProject()
{
    TqxProject07 p;
    for (const FieldProbe& f : AllFields())
        f.Poke(p);
    return p;
}

// Standard section sizes and where each section starts in such a file.
inline constexpr int kSectionSize[8] = {0, 52, 4, 52, 56, 8, 116, 8};
inline constexpr int kSectionStart[8] = {32, 32, 84, 88, 140, 196, 204, 320};

// The section a file offset of the standard layout belongs to.
inline int SectionOf(int offset)
{
    for (int s = 7; s >= 1; --s)
        if (offset >= kSectionStart[s])
            return s;
    return 0;
}

// The 328 bytes a record of probe values must give, built from the table.
inline std::vector<std::uint8_t> PokedFileBytes()
{
    std::vector<std::uint8_t> bytes(328, 0);
    for (int s = 0; s < 8; ++s) {
        const auto b = Le32(static_cast<std::uint32_t>(kSectionSize[s]));
        std::copy(b.begin(), b.end(), bytes.begin() + 4 * s);
    }
    for (const FieldProbe& f : AllFields())
        if (f.Offset >= 0)
            std::copy(f.PokedBytes.begin(), f.PokedBytes.end(), bytes.begin() + f.Offset);
    return bytes;
}

} // namespace probes
