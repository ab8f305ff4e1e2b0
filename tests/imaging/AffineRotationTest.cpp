#include "imaging/AffineRotation.h"
#include "imaging/TBitmap32.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

using qx::Color32;
using qx::TBitmap32;
using qx::TColor32;
using qx::TDrawMode;
using qx::TResampler;
using qx::test::NoisePicture;
using qx::test::SamePixels;

constexpr TColor32 kMarker = Color32(1, 2, 3, 4);

TBitmap32 Rotated(const TBitmap32& source, double angle)
{
    TBitmap32 target(source.Width(), source.Height());
    target.Clear(kMarker);
    qx::DrawRotated(source, target, angle);
    return target;
}

TEST(AffineRotation, FourQuarterTurnsGiveTheOriginal)
{
    for (const int size : {4, 5}) {
        for (const double angle : {90.0, -90.0, 270.0}) {
            const TBitmap32 original = NoisePicture(size, size, 21);
            TBitmap32 turned = original;
            for (int turn = 0; turn < 4; ++turn)
                turned = Rotated(turned, angle);
            EXPECT_TRUE(SamePixels(turned, original)) << "size " << size << " angle " << angle;
        }
    }
}

// Where the pixel at (x, y) of a w x h source lands after each exact turn:
// counter-clockwise on screen, y growing downwards.
struct TTurnCase {
    int W, H;
    double Angle;
    int (*ToX)(int x, int y, int w, int h);
    int (*ToY)(int x, int y, int w, int h);
};

const TTurnCase kTurns[] = {
    {5, 5, 90, [](int, int y, int, int) { return y; }, [](int x, int, int w, int) { return w - 1 - x; }},
    {4, 4, 90, [](int, int y, int, int) { return y; }, [](int x, int, int w, int) { return w - 1 - x; }},
    {4, 4, 270, [](int, int y, int, int h) { return h - 1 - y; }, [](int x, int, int, int) { return x; }},
    {5, 5, -90, [](int, int y, int, int h) { return h - 1 - y; }, [](int x, int, int, int) { return x; }},
    {4, 3, 180, [](int x, int, int w, int) { return w - 1 - x; }, [](int, int y, int, int h) { return h - 1 - y; }},
    {5, 2, -180, [](int x, int, int w, int) { return w - 1 - x; }, [](int, int y, int, int h) { return h - 1 - y; }},
    {6, 3, 360, [](int x, int, int, int) { return x; }, [](int, int y, int, int) { return y; }},
};

TEST(AffineRotation, ExactTurnsMoveEveryPixelWhole)
{
    for (const TTurnCase& t : kTurns) {
        const TBitmap32 source = NoisePicture(t.W, t.H, 8);
        const TBitmap32 turned = Rotated(source, t.Angle);
        for (int y = 0; y < t.H; ++y)
            for (int x = 0; x < t.W; ++x)
                ASSERT_EQ(turned.Pixel(t.ToX(x, y, t.W, t.H), t.ToY(x, y, t.W, t.H)), source.Pixel(x, y))
                    << t.W << "x" << t.H << " by " << t.Angle << " pixel " << x << "," << y;
    }
}

TEST(AffineRotation, QuarterTurnPutsTheRightMiddlePixelAtTheTopMiddle)
{
    TBitmap32 source(3, 3);
    source.Clear(Color32(255, 255, 255));
    source.SetPixel(2, 1, Color32(255, 0, 0));
    const TBitmap32 turned = Rotated(source, 90);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(turned.Pixel(x, y), x == 1 && y == 0 ? Color32(255, 0, 0) : Color32(255, 255, 255))
                << x << "," << y;
}

TEST(AffineRotation, NoTurnIsTheIdentityForEverySampling)
{
    for (const TResampler filter : {TResampler::Nearest, TResampler::Linear, TResampler::Lanczos}) {
        TBitmap32 source = NoisePicture(7, 4, 2);
        source.Resampler = filter;
        EXPECT_TRUE(SamePixels(Rotated(source, 0), source)) << static_cast<int>(filter);
    }
}

// A 4 x 2 picture turned by 90 degrees covers only the middle two columns of
// its own frame; the rest of the target keeps what it had.
TEST(AffineRotation, LeavesPixelsWithoutASampleUntouched)
{
    const TBitmap32 source = NoisePicture(4, 2, 13);
    const TBitmap32 turned = Rotated(source, 90);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const TColor32 expected = x == 0 || x == 3 ? kMarker : source.Pixel(2 - y, x - 1);
            EXPECT_EQ(turned.Pixel(x, y), expected) << x << "," << y;
        }
}

TEST(AffineRotation, BlendModeMixesWithTheTarget)
{
    TBitmap32 source(9, 9);
    source.Clear(Color32(200, 200, 200, 128));
    source.DrawMode = TDrawMode::Blend;
    source.Resampler = TResampler::Linear;
    TBitmap32 target(9, 9);
    target.Clear(Color32(100, 100, 100, 100));
    qx::DrawRotated(source, target, 30);
    const TColor32 mixed = Color32(150, 150, 150, 114);
    EXPECT_EQ(target.Pixel(4, 4), mixed);
    EXPECT_EQ(target.Pixel(0, 0), Color32(100, 100, 100, 100));
    int others = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            others += target.Pixel(x, y) != mixed && target.Pixel(x, y) != Color32(100, 100, 100, 100);
    EXPECT_EQ(others, 0);
}

// Bilinear sampling reproduces a linear ramp exactly (up to rounding)
// wherever the turned sample lands inside the picture.
TEST(AffineRotation, BilinearTurnFollowsARamp)
{
    constexpr int kSize = 21;
    TBitmap32 source(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            source.SetPixel(x, y, Color32(10 * x, 0, 0));
    source.Resampler = TResampler::Linear;
    const TBitmap32 turned = Rotated(source, 45);
    const double c = std::cos(std::numbers::pi / 4);
    const double centre = (kSize - 1) / 2.0;
    int checked = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double sx = centre + (x - centre) * c - (y - centre) * c;
            const double sy = centre + (x - centre) * c + (y - centre) * c;
            if (sx < 0 || sx > kSize - 1 || sy < 0 || sy > kSize - 1)
                continue;
            ++checked;
            const TColor32 p = turned.Pixel(x, y);
            EXPECT_NEAR(qx::RedOf(p), 10 * sx, 0.5 + 1e-9) << x << "," << y;
            EXPECT_EQ(p & 0xFF00FFFFu, 0xFF000000u) << x << "," << y;
        }
    EXPECT_GT(checked, kSize * kSize / 3);
}

} // namespace
