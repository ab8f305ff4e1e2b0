#include "imaging/TBitmap32.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using qx::Color32;
using qx::TBitmap32;
using qx::TColor32;
using qx::TDrawMode;
using qx::TRect;
using qx::TResampler;
using qx::test::NoisePicture;
using qx::test::SamePixels;

constexpr TColor32 kGround = Color32(9, 8, 7, 6);

TEST(BitmapBlend, FollowsTheWeightRuleInEveryChannel)
{
    const struct {
        const char* Name;
        TColor32 F, B;
        unsigned Master;
        TColor32 Expected;
    } cases[] = {
        {"transparent source keeps the ground", Color32(200, 10, 10, 0), Color32(1, 2, 3, 4), 255, Color32(1, 2, 3, 4)},
        {"opaque source replaces", Color32(255, 0, 128, 255), Color32(0, 255, 7, 0), 255, Color32(255, 0, 128, 255)},
        {"half weight rounds the mean", Color32(200, 200, 200, 128), Color32(100, 100, 100, 100), 255,
         Color32(150, 150, 150, 114)},
        {"moving down rounds to nearest", Color32(0, 0, 0, 64), Color32(255, 255, 255, 255), 255,
         Color32(191, 191, 191, 207)},
        {"weight 1 still moves", Color32(255, 255, 255, 1), Color32(0, 0, 0, 0), 255, Color32(1, 1, 1, 0)},
        {"master alpha scales the weight", Color32(200, 200, 200, 255), Color32(0, 0, 0, 255), 127,
         Color32(99, 99, 99, 255)},
        {"master alpha 0 keeps the ground", Color32(200, 200, 200, 255), Color32(5, 6, 7, 8), 0, Color32(5, 6, 7, 8)},
        {"master alpha above 255 counts as 255", Color32(255, 0, 128, 255), Color32(0, 255, 7, 0), 1000,
         Color32(255, 0, 128, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::BlendPixel(c.F, c.B, c.Master), c.Expected) << c.Name;
}

TEST(BitmapStretchDraw, NearestEnlargesTwoByTwoIntoBlocks)
{
    TBitmap32 source(2, 2);
    const TColor32 colours[2][2] = {{Color32(255, 0, 0), Color32(0, 255, 0)}, {Color32(0, 0, 255), Color32(9, 9, 9)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            source.SetPixel(x, y, colours[y][x]);
    TBitmap32 target(4, 4);
    target.StretchDrawFrom(source, {0, 0, 4, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(target.Pixel(x, y), colours[y / 2][x / 2]) << x << "," << y;
}

TEST(BitmapStretchDraw, ClipsTheDestinationToTheTarget)
{
    TBitmap32 source(2, 2);
    source.SetPixel(0, 0, Color32(255, 0, 0));
    source.SetPixel(1, 0, Color32(0, 255, 0));
    source.SetPixel(0, 1, Color32(0, 0, 255));
    source.SetPixel(1, 1, Color32(255, 255, 0));
    const struct {
        TRect Dest;
        TRect Covered;
        TColor32 Colour;
    } cases[] = {
        {{-4, -4, 4, 4}, {0, 0, 4, 4}, Color32(255, 255, 0)},
        {{6, 6, 14, 14}, {6, 6, 10, 10}, Color32(255, 0, 0)},
        {{-6, 7, 2, 15}, {0, 7, 2, 10}, Color32(0, 255, 0)},
        {{10, 0, 18, 8}, {0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        TBitmap32 target(10, 10);
        target.Clear(kGround);
        target.StretchDrawFrom(source, c.Dest);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool covered = x >= c.Covered.Left && x < c.Covered.Right && y >= c.Covered.Top &&
                                     y < c.Covered.Bottom;
                EXPECT_EQ(target.Pixel(x, y), covered ? c.Colour : kGround)
                    << "dest left " << c.Dest.Left << " top " << c.Dest.Top << " at " << x << "," << y;
            }
    }
}

// Drawing onto a rectangle that reaches outside the target must give the
// same pixels as drawing it whole on a larger target and looking through a
// window.
class ClippedStretch : public testing::TestWithParam<TResampler> {};

TEST_P(ClippedStretch, MatchesTheSameDrawUnclipped)
{
    const struct {
        int SrcW, SrcH;
        TRect Dest;
    } cases[] = {{9, 7, {-5, -3, 16, 12}}, {31, 29, {-3, -4, 9, 8}}, {6, 40, {2, -30, 30, 5}}};
    for (const auto& c : cases) {
        TBitmap32 source = NoisePicture(c.SrcW, c.SrcH, 77);
        source.Resampler = GetParam();
        TBitmap32 whole(c.Dest.Width(), c.Dest.Height());
        whole.StretchDrawFrom(source, {0, 0, c.Dest.Width(), c.Dest.Height()});
        TBitmap32 window(10, 8);
        window.Clear(kGround);
        window.StretchDrawFrom(source, c.Dest);
        for (int y = 0; y < window.Height(); ++y)
            for (int x = 0; x < window.Width(); ++x) {
                const int wx = x - c.Dest.Left;
                const int wy = y - c.Dest.Top;
                const TColor32 expected = whole.Inside(wx, wy) ? whole.Pixel(wx, wy) : kGround;
                ASSERT_EQ(window.Pixel(x, y), expected) << c.SrcW << "x" << c.SrcH << " at " << x << "," << y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFilters, ClippedStretch,
                         testing::Values(TResampler::Nearest, TResampler::Draft, TResampler::Linear,
                                         TResampler::Cosine, TResampler::Spline, TResampler::Lanczos,
                                         TResampler::Mitchell));

TEST(BitmapStretchDraw, BlendModeLaysTheSourceOverWithItsMasterAlpha)
{
    TBitmap32 source(3, 3);
    source.Clear(Color32(200, 200, 200, 255));
    source.DrawMode = TDrawMode::Blend;
    source.MasterAlpha = 127;
    source.Resampler = TResampler::Lanczos;
    TBitmap32 target(6, 6);
    target.Clear(Color32(0, 0, 0, 255));
    target.StretchDrawFrom(source, {1, 1, 5, 5});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool covered = x >= 1 && x < 5 && y >= 1 && y < 5;
            EXPECT_EQ(target.Pixel(x, y), covered ? Color32(99, 99, 99, 255) : Color32(0, 0, 0, 255)) << x << "," << y;
        }
}

TEST(BitmapStretchDraw, OwnSizeCopiesThePixelsUnfiltered)
{
    TBitmap32 source = NoisePicture(7, 5, 3);
    for (const TResampler filter : {TResampler::Spline, TResampler::Mitchell, TResampler::Draft}) {
        source.Resampler = filter;
        TBitmap32 target(7, 5);
        target.StretchDrawFrom(source, {0, 0, 7, 5});
        EXPECT_TRUE(SamePixels(target, source)) << static_cast<int>(filter);
    }
}

TEST(BitmapDraw, PlacesTheSourceUnscaledAndClipped)
{
    const TBitmap32 source = NoisePicture(4, 3, 11);
    const struct {
        int X, Y;
    } offsets[] = {{-1, 8}, {7, -2}, {3, 3}, {20, 0}, {-4, 0}};
    for (const auto& o : offsets) {
        TBitmap32 target(10, 10);
        target.Clear(kGround);
        target.DrawFrom(source, o.X, o.Y);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside = source.Inside(x - o.X, y - o.Y);
                ASSERT_EQ(target.Pixel(x, y), inside ? source.Pixel(x - o.X, y - o.Y) : kGround)
                    << "offset " << o.X << "," << o.Y << " at " << x << "," << y;
            }
    }
}

// Drawing a bitmap onto itself must read the source as it was before the
// first pixel is written.
TEST(BitmapDraw, OntoItselfReadsTheUnchangedSource)
{
    const TBitmap32 original = NoisePicture(6, 5, 5);
    const struct {
        const char* Name;
        void (*Draw)(TBitmap32& target, const TBitmap32& source);
    } draws[] = {
        {"shifted", [](TBitmap32& t, const TBitmap32& s) { t.DrawFrom(s, 1, 1); }},
        {"stretched", [](TBitmap32& t, const TBitmap32& s) { t.StretchDrawFrom(s, {0, 0, 12, 10}); }},
    };
    for (const auto& d : draws) {
        for (const TResampler filter : {TResampler::Nearest, TResampler::Linear}) {
            TBitmap32 aside = original;
            aside.Resampler = filter;
            TBitmap32 expected = aside;
            d.Draw(expected, aside);
            TBitmap32 self = aside;
            d.Draw(self, self);
            EXPECT_TRUE(SamePixels(self, expected)) << d.Name << " filter " << static_cast<int>(filter);
            EXPECT_FALSE(SamePixels(self, original)) << d.Name;
        }
    }
}

} // namespace
