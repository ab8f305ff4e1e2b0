#include "imaging/Halftone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

using namespace qx;

namespace {

struct ResizeCase {
    int SourceWidth;
    int SourceHeight;
    int DestWidth;
    int DestHeight;
};

// Reductions by whole and fractional factors, enlargements, mixed axes and
// the single-pixel extremes.
const ResizeCase kResizeCases[] = {
    {640, 480, 64, 64}, {640, 480, 64, 48}, {97, 61, 64, 64}, {3, 3, 127, 127}, {7, 5, 3, 11},
    {1, 1, 5, 5},       {100, 1, 1, 1},     {13, 13, 13, 13}, {5, 9, 9, 5},
};

TBitmap32 RandomPicture(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<unsigned> byte(0, 255);
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, Color32(byte(random), byte(random), byte(random), byte(random)));
    return picture;
}

unsigned Channel(TColor32 pixel, int c)
{
    return (pixel >> (8 * c)) & 0xFF;
}

// Plain area average of destination pixel (dx, dy) in floating point,
// unrounded: the overlap of the pixel's footprint with every source pixel.
double ReferenceAverage(const TBitmap32& source, int destWidth, int destHeight, int dx, int dy, int c)
{
    const double sx = static_cast<double>(source.Width()) / destWidth;
    const double sy = static_cast<double>(source.Height()) / destHeight;
    double sum = 0;
    for (int y = 0; y < source.Height(); ++y) {
        const double oy = std::min(y + 1.0, (dy + 1) * sy) - std::max(static_cast<double>(y), dy * sy);
        if (oy <= 0)
            continue;
        for (int x = 0; x < source.Width(); ++x) {
            const double ox = std::min(x + 1.0, (dx + 1) * sx) - std::max(static_cast<double>(x), dx * sx);
            if (ox > 0)
                sum += ox * oy * Channel(source.Pixel(x, y), c);
        }
    }
    return sum / (sx * sy);
}

void PrintTo(const ResizeCase& c, std::ostream* os)
{
    *os << c.SourceWidth << "x" << c.SourceHeight << " to " << c.DestWidth << "x" << c.DestHeight;
}

class HalftoneResize : public ::testing::TestWithParam<ResizeCase> {};

} // namespace

TEST_P(HalftoneResize, ConstantPictureStaysConstantInEveryFormat)
{
    const ResizeCase& p = GetParam();
    const TColor32 colour = Color32(12, 200, 77, 9);
    TBitmap32 source32(p.SourceWidth, p.SourceHeight);
    source32.Clear(colour);
    TBitmap24 source24(p.SourceWidth, p.SourceHeight);
    source24.Clear(colour);

    TBitmap24 from32(p.DestWidth, p.DestHeight);
    TBitmap24 from24(p.DestWidth, p.DestHeight);
    TBitmap32 to32(p.DestWidth, p.DestHeight);
    HalftoneResample(source32, from32);
    HalftoneResample(source24, from24);
    HalftoneResample(source32, to32);
    for (int y = 0; y < p.DestHeight; ++y)
        for (int x = 0; x < p.DestWidth; ++x) {
            ASSERT_EQ(from32.Pixel(x, y), Color32(12, 200, 77)) << x << "," << y;
            ASSERT_EQ(from24.Pixel(x, y), Color32(12, 200, 77)) << x << "," << y;
            ASSERT_EQ(to32.Pixel(x, y), Color32(12, 200, 77, 0)) << x << "," << y;
        }
}

TEST_P(HalftoneResize, EveryPixelIsTheRoundedAreaAverage)
{
    const ResizeCase& p = GetParam();
    const TBitmap32 source = RandomPicture(p.SourceWidth, p.SourceHeight, 7);
    TBitmap24 dest(p.DestWidth, p.DestHeight);
    HalftoneResample(source, dest);
    for (int y = 0; y < p.DestHeight; ++y)
        for (int x = 0; x < p.DestWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                const double expected = ReferenceAverage(source, p.DestWidth, p.DestHeight, x, y, c);
                ASSERT_LE(std::abs(Channel(dest.Pixel(x, y), c) - expected), 0.5 + 1e-9)
                    << "pixel " << x << "," << y << " channel " << c;
            }
}

TEST_P(HalftoneResize, AreaAveragingKeepsTheMean)
{
    const ResizeCase& p = GetParam();
    const TBitmap32 source = RandomPicture(p.SourceWidth, p.SourceHeight, 11);
    TBitmap32 dest(p.DestWidth, p.DestHeight);
    HalftoneResample(source, dest);
    const auto mean = [](const TBitmap32& b, int c) {
        double sum = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                sum += Channel(b.Pixel(x, y), c);
        return sum / (static_cast<double>(b.Width()) * b.Height());
    };
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(mean(dest, c), mean(source, c), 0.5) << "channel " << c;
}

INSTANTIATE_TEST_SUITE_P(HalftoneSizes, HalftoneResize, ::testing::ValuesIn(kResizeCases));

TEST(Halftone, AlphaIsNeitherReadNorWritten)
{
    TBitmap32 source = RandomPicture(9, 7, 3);
    TBitmap32 opaque;
    opaque.Assign(source);
    for (int y = 0; y < opaque.Height(); ++y)
        for (int x = 0; x < opaque.Width(); ++x)
            opaque.SetPixel(x, y, opaque.Pixel(x, y) | 0xFF000000);

    TBitmap32 a(4, 5);
    TBitmap32 b(4, 5);
    for (int i = 0; i < 20; ++i) {
        a.Bits()[i] = static_cast<TColor32>(i) << 24;
        b.Bits()[i] = static_cast<TColor32>(i) << 24;
    }
    HalftoneResample(source, a);
    HalftoneResample(opaque, b);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(AlphaOf(a.Bits()[i]), static_cast<unsigned>(i));
        EXPECT_EQ(a.Bits()[i], b.Bits()[i]);
    }
}

TEST(Halftone, EmptySourceLeavesTheDestinationAsItWas)
{
    TBitmap24 dest(3, 2);
    dest.Clear(Color32(1, 2, 3));
    HalftoneResample(TBitmap32(0, 5), dest);
    EXPECT_EQ(dest.Pixel(2, 1), Color32(1, 2, 3));
}

namespace {

// The exact rounded area mean of destination pixel (dx, dy), summed over the
// whole source without separating the axes. In units where a source pixel
// is destLength long and a destination pixel sourceLength long, the weight of
// a source pixel is its integer overlap with the destination pixel.
std::vector<std::uint8_t> ExactAreaMean(const TBitmap32& source, int destWidth, int destHeight, int dx, int dy)
{
    const auto overlap = [](std::int64_t sourceLength, std::int64_t destLength, std::int64_t d, std::int64_t s) {
        return std::max<std::int64_t>(0, std::min((d + 1) * sourceLength, (s + 1) * destLength) -
                                             std::max(d * sourceLength, s * destLength));
    };
    const std::int64_t sw = source.Width();
    const std::int64_t sh = source.Height();
    std::vector<std::uint64_t> sum(3, 0);
    for (std::int64_t y = dy * sh / destHeight; y <= ((dy + 1) * sh - 1) / destHeight; ++y) {
        const std::int64_t wy = overlap(sh, destHeight, dy, y);
        for (std::int64_t x = dx * sw / destWidth; x <= ((dx + 1) * sw - 1) / destWidth; ++x) {
            const std::int64_t w = wy * overlap(sw, destWidth, dx, x);
            for (int c = 0; c < 3; ++c)
                sum[static_cast<std::size_t>(c)] += static_cast<std::uint64_t>(w) *
                                                     Channel(source.Pixel(static_cast<int>(x), static_cast<int>(y)), c);
        }
    }
    const auto total = static_cast<std::uint64_t>(sw * sh);
    std::vector<std::uint8_t> mean;
    for (const std::uint64_t s : sum)
        mean.push_back(static_cast<std::uint8_t>((s + total / 2) / total));
    return mean;
}

} // namespace

TEST(Halftone, EveryByteIsTheExactRoundedMeanOnBothSidesOfTheMultiplyLimit)
{
    // Source areas below, at and above 2^23 pixels, where the means stop
    // being taken by multiplication; flat white gives the largest sums.
    const ResizeCase cases[] = {{48, 36, 64, 64}, {180, 90, 64, 64}, {1, 1, 64, 64},  {7, 1000, 64, 64},
                                {4096, 2048, 64, 64}, {4097, 2048, 64, 64}, {2896, 2897, 61, 67}, {300, 200, 64, 48}};
    for (const ResizeCase& p : cases)
        for (const bool white : {false, true}) {
            SCOPED_TRACE(::testing::PrintToString(p) + (white ? " white" : " random"));
            TBitmap32 source = RandomPicture(p.SourceWidth, p.SourceHeight, 5);
            if (white)
                source.Clear(Color32(255, 255, 255));
            TBitmap24 dest24(p.DestWidth, p.DestHeight);
            TBitmap32 dest32(p.DestWidth, p.DestHeight);
            HalftoneResample(source, dest24);
            HalftoneResample(source, dest32);
            for (int y = 0; y < p.DestHeight; ++y)
                for (int x = 0; x < p.DestWidth; ++x) {
                    const std::vector<std::uint8_t> mean = ExactAreaMean(source, p.DestWidth, p.DestHeight, x, y);
                    for (int c = 0; c < 3; ++c) {
                        ASSERT_EQ(Channel(dest24.Pixel(x, y), c), mean[static_cast<std::size_t>(c)])
                            << x << "," << y << " channel " << c;
                        ASSERT_EQ(Channel(dest32.Pixel(x, y), c), mean[static_cast<std::size_t>(c)])
                            << x << "," << y << " channel " << c;
                    }
                }
        }
}
