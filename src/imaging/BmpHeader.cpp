#include "imaging/BmpHeader.h"

#include "common/ByteIO.h"
#include "imaging/BmpError.h"
#include "imaging/BmpFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace qx {

namespace {

namespace fs = std::filesystem;

// The fields as stored, before they are checked.
struct TRawHeader {
    std::uint32_t PixelOffset = 0;
    std::uint32_t HeaderSize = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    unsigned Planes = 0;
    unsigned BitCount = 0;
    std::uint32_t Compression = kBmpRgb;
    std::uint32_t ColorsUsed = 0;
    std::array<std::uint32_t, 4> Masks{};
    // End of the headers and of any masks stored after them.
    std::size_t HeadersEnd = 0;
};

// Core (OS/2), info, info with RGB masks, info with RGBA masks, V4, V5.
constexpr std::uint32_t kHeaderSizes[] = {12, 40, 52, 56, 108, 124};

struct TFormatRow {
    std::uint32_t Compression;
    unsigned BitCount;
};

constexpr TFormatRow kFormats[] = {
    {kBmpRgb, 1},        {kBmpRgb, 4},           {kBmpRgb, 8},           {kBmpRgb, 16},
    {kBmpRgb, 24},       {kBmpRgb, 32},          {kBmpRle8, 8},          {kBmpRle4, 4},
    {kBmpBitFields, 16}, {kBmpBitFields, 32},    {kBmpAlphaBitFields, 16}, {kBmpAlphaBitFields, 32},
};

constexpr const char* kChannelNames[] = {"red", "green", "blue", "alpha"};

std::string Hex(std::uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
    return text;
}

void RequireHeaderBytes(std::span<const std::uint8_t> bytes, std::size_t needed, const fs::path& file)
{
    if (bytes.size() < needed)
        throw BmpError(file, "is truncated: its headers need " + std::to_string(needed) + " bytes but only " +
                                 std::to_string(bytes.size()) + " are present");
}

bool IsBitFields(std::uint32_t compression)
{
    return compression == kBmpBitFields || compression == kBmpAlphaBitFields;
}

void ReadMasks(ByteReader& r, TRawHeader& raw, int count)
{
    for (int i = 0; i < count; ++i)
        raw.Masks[i] = r.U32();
}

void ReadInfoFields(std::span<const std::uint8_t> bytes, TRawHeader& raw, const fs::path& file)
{
    ByteReader r(bytes);
    r.Seek(kBmpFileHeaderSize + 4);
    if (raw.HeaderSize == kBmpCoreHeaderSize) {
        raw.Width = r.U16();
        raw.Height = r.U16();
        raw.Planes = r.U16();
        raw.BitCount = r.U16();
        return;
    }
    raw.Width = r.I32();
    raw.Height = r.I32();
    raw.Planes = r.U16();
    raw.BitCount = r.U16();
    raw.Compression = r.U32();
    r.Skip(12); // image size and resolution: not needed to decode
    raw.ColorsUsed = r.U32();
    r.Skip(4);
    if (!IsBitFields(raw.Compression))
        return;
    if (raw.HeaderSize == kBmpInfoHeaderSize) {
        // The plain info header keeps its masks after itself.
        const int count = raw.Compression == kBmpAlphaBitFields ? 4 : 3;
        raw.HeadersEnd += 4 * count;
        RequireHeaderBytes(bytes, raw.HeadersEnd, file);
        ReadMasks(r, raw, count);
    } else {
        ReadMasks(r, raw, raw.HeaderSize >= 56 ? 4 : 3);
    }
}

TRawHeader ReadRawHeader(std::span<const std::uint8_t> bytes, const fs::path& file)
{
    if (bytes.size() < kBmpFileHeaderSize + 4)
        throw BmpError(file, "is too short to hold the BMP headers: it has only " + std::to_string(bytes.size()) +
                                 " bytes");
    if (bytes[0] != 'B' || bytes[1] != 'M')
        throw BmpError(file, "does not start with the signature \"BM\"");
    TRawHeader raw;
    ByteReader r(bytes);
    r.Seek(10);
    raw.PixelOffset = r.U32();
    raw.HeaderSize = r.U32();
    if (std::ranges::find(kHeaderSizes, raw.HeaderSize) == std::end(kHeaderSizes))
        throw BmpError(file, "has an unsupported info header size of " + std::to_string(raw.HeaderSize) + " bytes");
    raw.HeadersEnd = kBmpFileHeaderSize + raw.HeaderSize;
    RequireHeaderBytes(bytes, raw.HeadersEnd, file);
    ReadInfoFields(bytes, raw, file);
    return raw;
}

void CheckDimensions(const TRawHeader& raw, const fs::path& file)
{
    if (raw.Width <= 0)
        throw BmpError(file, "has an invalid width of " + std::to_string(raw.Width) + " pixels");
    if (raw.Height == 0)
        throw BmpError(file, "has an invalid height of 0 pixels");
    const std::int64_t height = raw.Height < 0 ? -raw.Height : raw.Height;
    const std::string size = std::to_string(raw.Width) + " x " + std::to_string(height);
    if (raw.Width > kMaxImageSide || height > kMaxImageSide)
        throw BmpError(file, "claims " + size + " pixels, more than the limit of " + std::to_string(kMaxImageSide) +
                                 " pixels a side");
    if (static_cast<std::uint64_t>(raw.Width * height) > kMaxImagePixels)
        throw BmpError(file, "claims " + size + " pixels, more than the limit of 200 megapixels");
}

void CheckFormat(const TRawHeader& raw, const fs::path& file)
{
    if (raw.Planes != 1)
        throw BmpError(file, "has " + std::to_string(raw.Planes) + " colour planes instead of 1");
    const bool known = std::ranges::any_of(kFormats, [&](const TFormatRow& row) {
        return row.Compression == raw.Compression && row.BitCount == raw.BitCount;
    });
    if (!known)
        throw BmpError(file, "has an unsupported format: " + std::to_string(raw.BitCount) +
                                 " bits per pixel with compression type " + std::to_string(raw.Compression));
    if (raw.Height < 0 && (raw.Compression == kBmpRle8 || raw.Compression == kBmpRle4))
        throw BmpError(file, "is stored top-down with RLE compression, which bitmaps do not allow");
}

void SetMasks(const TRawHeader& raw, TBmpHeader& header, const fs::path& file)
{
    std::array<std::uint32_t, 4> masks = raw.Masks;
    if (!IsBitFields(raw.Compression)) {
        if (raw.BitCount != 16)
            return;
        masks = {0x7C00, 0x03E0, 0x001F, 0};
    }
    const std::uint64_t limit = std::uint64_t{1} << raw.BitCount;
    for (int i = 0; i < 4; ++i) {
        if (!TBmpBitField::IsContiguous(masks[i]))
            throw BmpError(file, std::string("has a ") + kChannelNames[i] + " bit mask " + Hex(masks[i]) +
                                     " that is not one run of contiguous bits");
        if (masks[i] >= limit)
            throw BmpError(file, std::string("has a ") + kChannelNames[i] + " bit mask " + Hex(masks[i]) +
                                     " that does not fit in " + std::to_string(raw.BitCount) + " bits per pixel");
    }
    header.Red = TBmpBitField(masks[0], 0);
    header.Green = TBmpBitField(masks[1], 0);
    header.Blue = TBmpBitField(masks[2], 0);
    header.Alpha = TBmpBitField(masks[3], 255);
}

void ReadPalette(std::span<const std::uint8_t> bytes, const TRawHeader& raw, TBmpHeader& header, const fs::path& file)
{
    if (raw.BitCount > 8)
        return;
    const std::size_t capacity = std::size_t{1} << raw.BitCount;
    // Colours beyond what the bit count can address are never looked up.
    const std::size_t count = raw.ColorsUsed == 0 ? capacity : std::min<std::size_t>(raw.ColorsUsed, capacity);
    const std::size_t entrySize = raw.HeaderSize == kBmpCoreHeaderSize ? 3 : 4;
    const std::size_t start = raw.HeadersEnd;
    if (bytes.size() < start + count * entrySize)
        throw BmpError(file, "is truncated: its palette needs " + std::to_string(count * entrySize) +
                                 " bytes from byte " + std::to_string(start) + " but the file has only " +
                                 std::to_string(bytes.size()) + " bytes");
    header.Palette.assign(capacity, Color32(0, 0, 0));
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = bytes.data() + start + i * entrySize;
        header.Palette[i] = Color32(entry[2], entry[1], entry[0]);
    }
}

void CheckPixelData(std::span<const std::uint8_t> bytes, const TRawHeader& raw, const TBmpHeader& header,
                    const fs::path& file)
{
    const std::string offset = std::to_string(raw.PixelOffset);
    if (raw.PixelOffset >= bytes.size())
        throw BmpError(file, "has its pixel data offset at byte " + offset + ", beyond the end of the file at byte " +
                                 std::to_string(bytes.size()));
    if (raw.PixelOffset < raw.HeadersEnd)
        throw BmpError(file, "has its pixel data offset at byte " + offset + ", inside its headers, which end at byte " +
                                 std::to_string(raw.HeadersEnd));
    if (header.Rle())
        return;
    const std::uint64_t needed = BmpRowStride(header.Width, header.BitCount) * header.Height;
    const std::uint64_t present = bytes.size() - raw.PixelOffset;
    if (needed > present)
        throw BmpError(file, "is truncated: its pixel data needs " + std::to_string(needed) + " bytes but only " +
                                 std::to_string(present) + " are present");
}

} // namespace

bool TBmpHeader::Rle() const
{
    return Compression == kBmpRle8 || Compression == kBmpRle4;
}

bool TBmpHeader::Masked() const
{
    return BitCount == 16 || IsBitFields(Compression);
}

TBmpHeader ParseBmpHeader(std::span<const std::uint8_t> bytes, const fs::path& file)
{
    const TRawHeader raw = ReadRawHeader(bytes, file);
    CheckDimensions(raw, file);
    CheckFormat(raw, file);

    TBmpHeader header;
    header.Width = static_cast<int>(raw.Width);
    header.Height = static_cast<int>(raw.Height < 0 ? -raw.Height : raw.Height);
    header.TopDown = raw.Height < 0;
    header.BitCount = raw.BitCount;
    header.Compression = raw.Compression;
    header.PixelOffset = raw.PixelOffset;
    SetMasks(raw, header, file);
    ReadPalette(bytes, raw, header, file);
    CheckPixelData(bytes, raw, header, file);
    return header;
}

} // namespace qx
