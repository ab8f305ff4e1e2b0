#include "common/QuiltixError.h"
#include "imaging/JpegCodec.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TRgb = std::array<int, 3>;

std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& pixels, int width, int height, int pixelFormat,
                                 int subsampling)
{
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status =
        tjCompress2(handle, pixels.data(), width, 0, height, pixelFormat, &jpeg, &size, subsampling, 95, 0);
    std::vector<std::uint8_t> bytes(jpeg, jpeg + (status == 0 ? size : 0));
    tjFree(jpeg);
    tjDestroy(handle);
    EXPECT_EQ(status, 0) << tjGetErrorStr2(nullptr);
    return bytes;
}

// Four flat quadrants (top-left, top-right, bottom-left, bottom-right), each
// given as the stored bytes of one pixel in the encoder's pixel format.
std::vector<std::uint8_t> Quadrants(int width, int height, const std::array<std::vector<std::uint8_t>, 4>& colours)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto& c = colours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)];
            pixels.insert(pixels.end(), c.begin(), c.end());
        }
    return pixels;
}

std::vector<std::uint8_t> FlatRgb(int width, int height, TRgb c)
{
    const std::vector<std::uint8_t> px = {std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])};
    return Encode(Quadrants(width, height, {px, px, px, px}), width, height, TJPF_RGB, TJSAMP_444);
}

void ExpectColour(const qx::TBitmap32& bitmap, int x, int y, TRgb expected, int tolerance)
{
    const qx::TColor32 c = bitmap.Pixel(x, y);
    EXPECT_NEAR(static_cast<int>(qx::RedOf(c)), expected[0], tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(static_cast<int>(qx::GreenOf(c)), expected[1], tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(static_cast<int>(qx::BlueOf(c)), expected[2], tolerance) << "at " << x << "," << y;
    EXPECT_EQ(qx::AlphaOf(c), 255u) << "at " << x << "," << y;
}

void ExpectQuadrants(const qx::TBitmap32& bitmap, const std::array<TRgb, 4>& expected, int tolerance)
{
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    ExpectColour(bitmap, w / 4, h / 4, expected[0], tolerance);
    ExpectColour(bitmap, 3 * w / 4, h / 4, expected[1], tolerance);
    ExpectColour(bitmap, w / 4, 3 * h / 4, expected[2], tolerance);
    ExpectColour(bitmap, 3 * w / 4, 3 * h / 4, expected[3], tolerance);
}

struct TColourCase {
    const char* Name;
    int PixelFormat;
    int Subsampling;
    std::array<std::vector<std::uint8_t>, 4> Stored;
    std::array<TRgb, 4> Expected;
};

void PrintTo(const TColourCase& c, std::ostream* os)
{
    *os << c.Name;
}

// CMYK is stored inverted (255 = no ink), so K = 255 leaves C, M, Y as the
// red, green and blue of the colour and K = 128 darkens white to mid grey.
const TColourCase kColourCases[] = {
    {"Rgb", TJPF_RGB, TJSAMP_444,
     {{{250, 10, 10}, {10, 250, 10}, {10, 10, 250}, {200, 150, 40}}},
     {{{250, 10, 10}, {10, 250, 10}, {10, 10, 250}, {200, 150, 40}}}},
    {"Grey", TJPF_GRAY, TJSAMP_GRAY,
     {{{0}, {90}, {170}, {255}}},
     {{{0, 0, 0}, {90, 90, 90}, {170, 170, 170}, {255, 255, 255}}}},
    {"InvertedCmyk", TJPF_CMYK, TJSAMP_444,
     {{{250, 10, 10, 255}, {10, 250, 10, 255}, {255, 255, 255, 128}, {200, 150, 40, 255}}},
     {{{250, 10, 10}, {10, 250, 10}, {128, 128, 128}, {200, 150, 40}}}},
};

class JpegColours : public testing::TestWithParam<TColourCase> {};

TEST_P(JpegColours, DecodeGivesFullSizeOpaqueRgbInPlace)
{
    const TColourCase& c = GetParam();
    const auto jpeg = Encode(Quadrants(64, 48, c.Stored), 64, 48, c.PixelFormat, c.Subsampling);
    const qx::TBitmap32 bitmap = qx::DecodeJpeg(jpeg, "quadrants.jpg");
    ASSERT_EQ(bitmap.Width(), 64);
    ASSERT_EQ(bitmap.Height(), 48);
    ExpectQuadrants(bitmap, c.Expected, 4);
}

INSTANTIATE_TEST_SUITE_P(Formats, JpegColours, testing::ValuesIn(kColourCases),
                         [](const auto& row) { return std::string(row.param.Name); });

struct TScaleCase {
    int Width, Height, MinWidth, MinHeight;
    int ExpectedWidth, ExpectedHeight;
};

void PrintTo(const TScaleCase& c, std::ostream* os)
{
    *os << c.Width << "x" << c.Height << " for " << c.MinWidth << "x" << c.MinHeight;
}

// The decoder's factors up to 1/1 are n/8 for n = 1..8; sizes round up.
const TScaleCase kScaleCases[] = {
    {1024, 768, 64, 64, 128, 96},      // 1/8
    {1024, 768, 0, 0, 128, 96},        // nothing asked: the smallest factor
    {1024, 768, 129, 1, 256, 192},     // 1/8 is one pixel short, 1/4 covers
    {1024, 768, 600, 400, 640, 480},   // 5/8
    {1024, 768, 1000, 10, 1024, 768},  // 7/8 gives 896: only full size covers
    {1024, 768, 2000, 2000, 1024, 768}, // more than the picture: full size
    {1001, 750, 100, 94, 126, 94},     // odd sizes: 1/8 rounds up to cover
};

class JpegScaling : public testing::TestWithParam<TScaleCase> {};

TEST_P(JpegScaling, PicksTheSmallestFactorThatCoversTheNeed)
{
    const TScaleCase& c = GetParam();
    const TRgb colour = {30, 140, 220};
    const qx::TBitmap32 bitmap =
        qx::DecodeJpegScaled(FlatRgb(c.Width, c.Height, colour), "scaled.jpg", c.MinWidth, c.MinHeight);
    EXPECT_EQ(bitmap.Width(), c.ExpectedWidth);
    EXPECT_EQ(bitmap.Height(), c.ExpectedHeight);
    ExpectColour(bitmap, 0, 0, colour, 3);
    ExpectColour(bitmap, bitmap.Width() - 1, bitmap.Height() - 1, colour, 3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegScaling, testing::ValuesIn(kScaleCases));

TEST(JpegCodec, TruncatedFileStillGivesTheFullSizePicture)
{
    const std::array<std::vector<std::uint8_t>, 4> stored = {
        {{250, 10, 10}, {10, 250, 10}, {10, 10, 250}, {200, 150, 40}}};
    auto jpeg = Encode(Quadrants(256, 256, stored), 256, 256, TJPF_RGB, TJSAMP_444);
    jpeg.resize(jpeg.size() / 2);
    const qx::TBitmap32 bitmap = qx::DecodeJpeg(jpeg, "half.jpg");
    ASSERT_EQ(bitmap.Width(), 256);
    ASSERT_EQ(bitmap.Height(), 256);
    // The first half of the data holds the top rows.
    ExpectColour(bitmap, 64, 16, {250, 10, 10}, 4);
    ExpectColour(bitmap, 192, 16, {10, 250, 10}, 4);
}

void ExpectDecoderSentence(const std::string& sentence, const fs::path& file)
{
    const std::string prefix = "The JPEG file \"" + file.string() + "\" cannot be decoded: ";
    ASSERT_EQ(sentence.substr(0, prefix.size()), prefix) << sentence;
    EXPECT_GT(sentence.size(), prefix.size() + 1) << "the decoder's message is missing";
    EXPECT_EQ(sentence.back(), '.');
    EXPECT_EQ(sentence.find(".."), std::string::npos) << sentence;
}

TEST(JpegCodec, GarbageAfterTheStartMarkerIsRefusedWithTheDecodersMessage)
{
    const fs::path fixture = fs::path(QX_FIXTURES_DIR) / "bad" / "jpeg_not_a_jpeg_body.jpg";
    try {
        qx::LoadJpegFile(fixture);
        FAIL() << "accepted";
    } catch (const qx::QuiltixError& e) {
        ExpectDecoderSentence(e.what(), fixture);
    }
    try {
        qx::DecodeJpeg({}, "empty.jpg");
        FAIL() << "accepted";
    } catch (const qx::QuiltixError& e) {
        ExpectDecoderSentence(e.what(), "empty.jpg");
    }
}

} // namespace
