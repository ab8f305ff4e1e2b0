#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// Every pixel differs from its neighbours in all four channels, so a row
// swapped, shifted or mirrored shows.
qx::TBitmap32 Pattern(int width, int height)
{
    qx::TBitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, qx::Color32((x * 7 + y) & 0xFF, (y * 13 + x * 3) & 0xFF, (x + y * 5) & 0xFF,
                                              (x * 11 + y * 17 + 1) & 0xFF));
    return bitmap;
}

struct TWriteCase {
    unsigned BitsPerPixel;
    int Width;
    int Height;
};

void PrintTo(const TWriteCase& c, std::ostream* os)
{
    *os << c.BitsPerPixel << " bits, " << c.Width << "x" << c.Height;
}

void Save(const TWriteCase& c, const fs::path& file, const qx::TBitmap32& bitmap, qx::TBmpResolution res = {})
{
    if (c.BitsPerPixel == 32)
        qx::SaveBmp32(file, bitmap, res);
    else
        qx::SaveBmp24(file, bitmap, res);
}

std::uint32_t Stride(const TWriteCase& c)
{
    return (static_cast<std::uint32_t>(c.Width) * c.BitsPerPixel / 8 + 3) / 4 * 4;
}

class BmpWrite : public testing::TestWithParam<TWriteCase> {};

TEST_P(BmpWrite, ReadsBackAsWritten)
{
    const TWriteCase& c = GetParam();
    const qx::test::TestFolder folder("qx_bmpwriter_");
    const fs::path file = folder.Path() / "out.bmp";
    const qx::TBitmap32 original = Pattern(c.Width, c.Height);
    Save(c, file, original);
    const qx::TBitmap32 back = qx::LoadBmpFile(file);
    ASSERT_EQ(back.Width(), c.Width);
    ASSERT_EQ(back.Height(), c.Height);
    // 24 bits keep the colour; the alpha the format cannot hold reads as 255.
    const qx::TColor32 keep = c.BitsPerPixel == 32 ? 0xFFFFFFFFu : 0x00FFFFFFu;
    const qx::TColor32 add = c.BitsPerPixel == 32 ? 0 : 0xFF000000u;
    for (int y = 0; y < c.Height; ++y) {
        for (int x = 0; x < c.Width; ++x) {
            ASSERT_EQ(back.Pixel(x, y), (original.Pixel(x, y) & keep) | add) << "at " << x << "," << y;
        }
    }
}

TEST_P(BmpWrite, HeadersDescribeABottomUpUncompressedFile)
{
    const TWriteCase& c = GetParam();
    const qx::test::TestFolder folder("qx_bmpwriter_");
    const fs::path file = folder.Path() / "out.bmp";
    const qx::TBitmap32 original = Pattern(c.Width, c.Height);
    Save(c, file, original, {3780, 2835});
    const auto bytes = qx::ReadWholeFile(file);
    const std::uint32_t imageSize = Stride(c) * c.Height;
    ASSERT_EQ(bytes.size(), 54 + imageSize);

    qx::ByteReader r(bytes);
    EXPECT_EQ(r.U8(), 'B');
    EXPECT_EQ(r.U8(), 'M');
    EXPECT_EQ(r.U32(), 54 + imageSize);
    EXPECT_EQ(r.U32(), 0u);
    EXPECT_EQ(r.U32(), 54u);
    EXPECT_EQ(r.U32(), 40u);
    EXPECT_EQ(r.I32(), c.Width);
    EXPECT_EQ(r.I32(), c.Height);
    EXPECT_EQ(r.U16(), 1u);
    EXPECT_EQ(r.U16(), c.BitsPerPixel);
    EXPECT_EQ(r.U32(), 0u);
    EXPECT_EQ(r.U32(), imageSize);
    EXPECT_EQ(r.I32(), 3780);
    EXPECT_EQ(r.I32(), 2835);

    // The first stored pixel is the bottom-left one, bytes blue first.
    const qx::TColor32 bottomLeft = original.Pixel(0, c.Height - 1);
    EXPECT_EQ(bytes[54], qx::BlueOf(bottomLeft));
    EXPECT_EQ(bytes[55], qx::GreenOf(bottomLeft));
    EXPECT_EQ(bytes[56], qx::RedOf(bottomLeft));
    if (c.BitsPerPixel == 32) {
        EXPECT_EQ(bytes[57], qx::AlphaOf(bottomLeft));
    }
    const std::uint32_t used = static_cast<std::uint32_t>(c.Width) * c.BitsPerPixel / 8;
    for (int row = 0; row < c.Height; ++row) {
        for (std::uint32_t i = used; i < Stride(c); ++i) {
            ASSERT_EQ(bytes[54 + row * Stride(c) + i], 0) << "padding of row " << row;
        }
    }
}

// 1001 x 700 pictures span several write chunks with a partial last one.
const TWriteCase kWriteCases[] = {
    {32, 7, 5}, {24, 5, 3}, {24, 1, 1}, {24, 6, 2}, {32, 1001, 700}, {24, 1001, 700},
};

INSTANTIATE_TEST_SUITE_P(Sizes, BmpWrite, testing::ValuesIn(kWriteCases), [](const auto& row) {
    return std::to_string(row.param.BitsPerPixel) + "bit_" + std::to_string(row.param.Width) + "x" +
           std::to_string(row.param.Height);
});

TEST(BmpWriter, EmptyPictureIsRefusedAndNothingIsWritten)
{
    const qx::test::TestFolder folder("qx_bmpwriter_");
    const fs::path& dir = folder.Path();
    for (auto save : {qx::SaveBmp32, qx::SaveBmp24}) {
        try {
            save(dir / "empty.bmp", qx::TBitmap32(0, 4), {});
            ADD_FAILURE() << "an empty picture was written";
        } catch (const qx::QuiltixError& e) {
            EXPECT_EQ(std::string(e.what()), "The BMP file \"" + (dir / "empty.bmp").string() +
                                                 "\" cannot be written because the picture is empty.");
        }
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

} // namespace
