#include "common/QuiltixError.h"
#include "imaging/Resampler.h"
#include "imaging/TBitmap32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

using qx::Color32;
using qx::TBitmap32;
using qx::TColor32;
using qx::TResampler;

constexpr TResampler kAllFilters[] = {TResampler::Nearest, TResampler::Draft,   TResampler::Linear,
                                      TResampler::Cosine,  TResampler::Spline,  TResampler::Lanczos,
                                      TResampler::Mitchell};

std::string FilterName(TResampler filter)
{
    static const char* const names[] = {"Nearest", "Draft", "Linear", "Cosine", "Spline", "Lanczos", "Mitchell"};
    return names[static_cast<int>(filter)];
}

struct TScaleCase {
    int SrcW, SrcH, DstW, DstH;
};

constexpr TScaleCase kScales[] = {
    {640, 480, 48, 48},  // a photo into a mosaic cell
    {7, 5, 23, 17},      // enlarging by odd factors
    {9, 9, 1, 1},        // everything into one pixel
    {1, 1, 6, 4},        // one pixel spread out
    {13, 6, 13, 20},     // one axis kept, the other enlarged
    {40, 30, 3, 29},     // strong and slight reduction
};

class ConstantPicture : public testing::TestWithParam<std::tuple<TResampler, TScaleCase>> {};

TEST_P(ConstantPicture, StaysExactlyConstantInEveryChannel)
{
    const auto [filter, scale] = GetParam();
    for (const TColor32 colour : {Color32(13, 200, 77, 129), Color32(255, 255, 255, 255), Color32(0, 0, 0, 0)}) {
        TBitmap32 source(scale.SrcW, scale.SrcH);
        source.Clear(colour);
        source.Resampler = filter;
        TBitmap32 target(scale.DstW, scale.DstH);
        target.Clear(Color32(1, 2, 3, 4));
        target.StretchDrawFrom(source, {0, 0, scale.DstW, scale.DstH});
        int wrong = 0;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                wrong += target.Pixel(x, y) != colour;
        EXPECT_EQ(wrong, 0) << std::hex << "colour " << colour;
    }
}

INSTANTIATE_TEST_SUITE_P(AllFiltersAndScales, ConstantPicture,
                         testing::Combine(testing::ValuesIn(kAllFilters), testing::ValuesIn(kScales)),
                         [](const auto& test) {
                             const TScaleCase& s = std::get<1>(test.param);
                             return FilterName(std::get<0>(test.param)) + "_" + std::to_string(s.SrcW) + "x" +
                                    std::to_string(s.SrcH) + "to" + std::to_string(s.DstW) + "x" +
                                    std::to_string(s.DstH);
                         });

// A step from transparent black to opaque white, every channel at once.
// Ringing filters overshoot both levels; the clamp must keep every value on
// its own side of the step instead of wrapping round.
class StepEdge : public testing::TestWithParam<TResampler> {};

TEST_P(StepEdge, KeepsBothSidesAndItsSymmetryWhenEnlargedAndReduced)
{
    const struct {
        int SrcW, DstW;
    } cases[] = {{8, 32}, {64, 8}, {10, 10 * 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.SrcW) + " to " + std::to_string(c.DstW));
        TBitmap32 source(c.SrcW, 3);
        source.FillRect({c.SrcW / 2, 0, c.SrcW, 3}, Color32(255, 255, 255, 255));
        source.Resampler = GetParam();
        TBitmap32 target(c.DstW, 3);
        target.StretchDrawFrom(source, {0, 0, c.DstW, 3});
        EXPECT_EQ(target.Pixel(0, 1), 0u);
        EXPECT_EQ(target.Pixel(c.DstW - 1, 1), 0xFFFFFFFFu);
        for (int x = 0; x < c.DstW; ++x) {
            const TColor32 p = target.Pixel(x, 1);
            const unsigned level = qx::RedOf(p);
            EXPECT_EQ(p, Color32(level, level, level, level)) << "x " << x;
            EXPECT_EQ(level >= 128, x >= c.DstW / 2) << "x " << x << " level " << level;
            EXPECT_NEAR(static_cast<int>(level) + static_cast<int>(qx::RedOf(target.Pixel(c.DstW - 1 - x, 1))), 255, 1)
                << "x " << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFilters, StepEdge, testing::ValuesIn(kAllFilters),
                         [](const auto& test) { return FilterName(test.param); });

// Lines one pixel wide every fourth column and row cover 7/16 of the
// picture. Reduced by four, every smoothing filter must take in all the
// source pixels under a destination pixel, not just the ones at its centre.
// Only pixels whose kernel stays off the border are checked (the widest,
// Lanczos, reaches three destination pixels).
class ReducingFilter : public testing::TestWithParam<TResampler> {};

TEST_P(ReducingFilter, AveragesEverySourcePixelItCovers)
{
    TBitmap32 source(64, 48);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            source.SetPixel(x, y, x % 4 == 0 || y % 4 == 0 ? Color32(255, 255, 255) : Color32(0, 0, 0));
    source.Resampler = GetParam();
    TBitmap32 target(16, 12);
    target.StretchDrawFrom(source, {0, 0, 16, 12});
    constexpr int kMargin = 3;
    for (int y = kMargin; y < target.Height() - kMargin; ++y)
        for (int x = kMargin; x < target.Width() - kMargin; ++x)
            EXPECT_NEAR(qx::GreenOf(target.Pixel(x, y)), 255.0 * 7 / 16, 3) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(SmoothingFilters, ReducingFilter,
                         testing::Values(TResampler::Draft, TResampler::Linear, TResampler::Cosine,
                                         TResampler::Spline, TResampler::Lanczos, TResampler::Mitchell),
                         [](const auto& test) { return FilterName(test.param); });

TEST(NearestResampling, PicksTheSourcePixelUnderEachDestinationCentre)
{
    const struct {
        int SrcW, SrcH, DstW, DstH;
    } cases[] = {{5, 3, 2, 7}, {10, 7, 4, 3}, {3, 11, 7, 4}};
    for (const auto& c : cases) {
        TBitmap32 source(c.SrcW, c.SrcH);
        for (int y = 0; y < c.SrcH; ++y)
            for (int x = 0; x < c.SrcW; ++x)
                source.SetPixel(x, y, Color32(x, y, 0));
        std::vector<TColor32> seen(static_cast<std::size_t>(c.DstW) * c.DstH);
        qx::ResampleRegion(source, TResampler::Nearest, c.DstW, c.DstH, {0, 0, c.DstW, c.DstH},
                           [&](int row, const TColor32* pixels) {
                               std::copy(pixels, pixels + c.DstW, seen.begin() + row * c.DstW);
                           });
        for (int y = 0; y < c.DstH; ++y)
            for (int x = 0; x < c.DstW; ++x) {
                const auto sx = static_cast<unsigned>(std::floor((x + 0.5) * c.SrcW / c.DstW));
                const auto sy = static_cast<unsigned>(std::floor((y + 0.5) * c.SrcH / c.DstH));
                EXPECT_EQ(seen[static_cast<std::size_t>(y) * c.DstW + x], Color32(sx, sy, 0))
                    << c.SrcW << "x" << c.SrcH << " to " << c.DstW << "x" << c.DstH << " at " << x << "," << y;
            }
    }
}

TEST(ResampleRegion, RefusesAFilterOutsideTheSeven)
{
    TBitmap32 source(2, 2);
    EXPECT_THROW(qx::ResampleRegion(source, static_cast<TResampler>(7), 4, 4, {0, 0, 4, 4},
                                    [](int, const TColor32*) {}),
                 qx::QuiltixError);
}

} // namespace
