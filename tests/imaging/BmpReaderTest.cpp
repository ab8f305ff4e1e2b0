#include "common/ByteIO.h"
#include "imaging/BmpCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qx::Color32;
using qx::TColor32;

// The parts of a hand-made bitmap file; BuildBmp lays them out.
struct TBmpParts {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = 0;
    std::vector<TColor32> Palette;
    // After a 40-byte header, or inside a 124-byte one.
    std::vector<std::uint32_t> Masks;
    std::vector<std::uint8_t> Pixels;
    std::uint32_t HeaderSize = 40;
    std::uint32_t ColoursUsed = 0;
};

void WriteInfoHeader(qx::ByteWriter& w, const TBmpParts& p)
{
    w.U32(p.HeaderSize);
    if (p.HeaderSize == 12) {
        w.U16(static_cast<std::uint16_t>(p.Width));
        w.U16(static_cast<std::uint16_t>(p.Height));
        w.U16(1);
        w.U16(p.BitCount);
        return;
    }
    w.I32(p.Width);
    w.I32(p.Height);
    w.U16(1);
    w.U16(p.BitCount);
    w.U32(p.Compression);
    w.U32(static_cast<std::uint32_t>(p.Pixels.size()));
    w.I32(0);
    w.I32(0);
    w.U32(p.ColoursUsed);
    w.U32(0);
    for (std::uint32_t m : p.Masks)
        w.U32(m);
    if (p.HeaderSize > 40)
        w.Zeros(p.HeaderSize - 40 - 4 * p.Masks.size());
}

std::vector<std::uint8_t> BuildBmp(const TBmpParts& p)
{
    qx::ByteWriter body;
    WriteInfoHeader(body, p);
    for (TColor32 c : p.Palette) {
        body.U8(static_cast<std::uint8_t>(qx::BlueOf(c)));
        body.U8(static_cast<std::uint8_t>(qx::GreenOf(c)));
        body.U8(static_cast<std::uint8_t>(qx::RedOf(c)));
        if (p.HeaderSize != 12)
            body.U8(0);
    }
    qx::ByteWriter file;
    file.U8('B');
    file.U8('M');
    file.U32(static_cast<std::uint32_t>(14 + body.Size() + p.Pixels.size()));
    file.U32(0);
    file.U32(static_cast<std::uint32_t>(14 + body.Size()));
    file.Bytes(body.Data());
    file.Bytes(p.Pixels);
    return file.Data();
}

TColor32 Shade(int i)
{
    return Color32(i, 255 - i, i / 2);
}

std::vector<TColor32> Shades(int count)
{
    std::vector<TColor32> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(Shade(i));
    return palette;
}

const TColor32 kRed = Color32(255, 0, 0);
const TColor32 kGreen = Color32(0, 255, 0);
const TColor32 kBlue = Color32(0, 0, 255);
const TColor32 kBlack = Color32(0, 0, 0);

struct TReadCase {
    const char* Name;
    TBmpParts Parts;
    int Width;
    int Height;
    std::vector<TColor32> Expected; // top row first
};

void PrintTo(const TReadCase& c, std::ostream* os)
{
    *os << c.Name;
}

// Palette colours of the RLE cases, by index.
TColor32 P(int i)
{
    return Shade(i * 40);
}

const TReadCase kReadCases[] = {
    {"OneBitPalette",
     {3, 2, 1, 0, {kRed, kBlue}, {}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}},
     3, 2,
     {kRed, kBlue, kRed, kBlue, kRed, kBlue}},
    {"FourBitIndexBeyondShortPaletteIsBlack",
     {3, 1, 4, 0, {kRed, kGreen, kBlue}, {}, {0x12, 0xF0, 0, 0}, 40, 3},
     3, 1,
     {kGreen, kBlue, kBlack}},
    {"EightBitFullPaletteWhenColoursUsedIsZero",
     {2, 2, 8, 0, Shades(256), {}, {0, 255, 0, 0, 7, 128, 0, 0}},
     2, 2,
     {Shade(7), Shade(128), Shade(0), Shade(255)}},
    {"CoreHeaderWithThreeBytePalette",
     {2, 1, 8, 0, Shades(256), {}, {1, 200, 0, 0}, 12},
     2, 1,
     {Shade(1), Shade(200)}},
    {"SixteenBitsWithoutMasksAre555",
     {2, 1, 16, 0, {}, {}, {0x00, 0x7C, 0x10, 0x02}},
     2, 1,
     {kRed, Color32(0, 132, 132)}},
    {"SixteenBitFields565",
     {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0x00, 0xFC, 0x1F, 0x00}},
     2, 1,
     {Color32(255, 130, 0), kBlue}},
    {"ThirtyTwoBitFieldsOfTenBits",
     {1, 1, 32, 3, {}, {0x3FF00000, 0x000FFC00, 0x000003FF}, {0x00, 0x00, 0xF8, 0x3F}},
     1, 1,
     {Color32(255, 128, 0)}},
    {"V5HeaderBitFieldsWithAlpha",
     {1, 1, 32, 3, {}, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, {30, 20, 10, 0x80}, 124},
     1, 1,
     {Color32(10, 20, 30, 0x80)}},
    {"TwentyFourBitsBottomUpWithPadding",
     {1, 2, 24, 0, {}, {}, {3, 2, 1, 0, 6, 5, 4, 0}},
     1, 2,
     {Color32(4, 5, 6), Color32(1, 2, 3)}},
    {"TwentyFourBitsTopDown",
     {1, -2, 24, 0, {}, {}, {3, 2, 1, 0, 6, 5, 4, 0}},
     1, 2,
     {Color32(1, 2, 3), Color32(4, 5, 6)}},
    {"ThirtyTwoBitsKeepStoredAlpha",
     {2, 1, 32, 0, {}, {}, {1, 2, 3, 0x40, 4, 5, 6, 0}},
     2, 1,
     {Color32(3, 2, 1, 0x40), Color32(6, 5, 4, 0)}},
    // Run, delta, run, end of line, odd absolute run with its pad, end.
    {"Rle8",
     {4, 3, 8, 1, {P(0), P(1), P(2), P(3)}, {}, {1, 2, 0, 2, 1, 1, 2, 3, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1}, 40, 4},
     4, 3,
     {P(1), P(2), P(3), P(0), P(0), P(0), P(3), P(3), P(2), P(0), P(0), P(0)}},
    // Nibble run, end of line, absolute run of five nibbles with its pad, end.
    {"Rle4",
     {5, 2, 4, 2, {P(0), P(1), P(2), P(3), P(4), P(5)}, {}, {5, 0x12, 0, 0, 0, 5, 0x34, 0x51, 0x20, 0, 0, 1}, 40, 6},
     5, 2,
     {P(3), P(4), P(5), P(1), P(2), P(1), P(2), P(1), P(2), P(1)}},
};

class BmpRead : public testing::TestWithParam<TReadCase> {};

TEST_P(BmpRead, DecodesToKnownPixels)
{
    const TReadCase& c = GetParam();
    const qx::TBitmap32 bitmap = qx::DecodeBmp(BuildBmp(c.Parts), "made.bmp");
    ASSERT_EQ(bitmap.Width(), c.Width);
    ASSERT_EQ(bitmap.Height(), c.Height);
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x)
            EXPECT_EQ(bitmap.Pixel(x, y), c.Expected[y * c.Width + x]) << "at " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRead, testing::ValuesIn(kReadCases),
                         [](const auto& row) { return std::string(row.param.Name); });

} // namespace
