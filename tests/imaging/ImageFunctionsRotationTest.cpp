#include "imaging/ImageFunctions.h"

#include <gtest/gtest.h>

#include <random>

using namespace qx;

namespace {

TBitmap32 RandomOpaquePicture(int width, int height)
{
    std::mt19937 random(5);
    TBitmap32 picture(width, height);
    for (int i = 0; i < width * height; ++i)
        picture.Bits()[i] = random() | 0xFF000000;
    return picture;
}

void ExpectSamePixels(const TBitmap32& a, const TBitmap32& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
}

} // namespace

TEST(ImageFunctionsRotation, ZeroDegreesGivesTheOpaqueSourceUnchanged)
{
    const TBitmap32 source = RandomOpaquePicture(7, 4);
    TBitmap32 turned;
    RotateBitmap(source, turned, 0.0, 0x000000FF);
    ExpectSamePixels(turned, source);
}

TEST(ImageFunctionsRotation, QuarterTurnIsCounterClockwiseOnScreen)
{
    TBitmap32 picture(3, 3);
    picture.Clear(Color32(255, 255, 255));
    picture.SetPixel(2, 1, Color32(255, 0, 0));
    RotateBitmap(picture, picture, 90.0, 0);
    EXPECT_EQ(picture.Pixel(1, 0), Color32(255, 0, 0));
    EXPECT_EQ(picture.Pixel(2, 1), Color32(255, 255, 255));
}

TEST(ImageFunctionsRotation, FourQuarterTurnsGiveTheOriginal)
{
    for (const int size : {4, 5}) {
        const TBitmap32 source = RandomOpaquePicture(size, size);
        TBitmap32 turned;
        turned.Assign(source);
        for (int i = 0; i < 4; ++i)
            RotateBitmap(turned, turned, 90.0, 0);
        ExpectSamePixels(turned, source);
    }
}

TEST(ImageFunctionsRotation, UncoveredPixelsTakeTheFillAsARawWord)
{
    // A 4 x 2 picture turned upright covers only the middle two columns.
    TBitmap32 picture(4, 2);
    picture.Clear(Color32(10, 20, 30));
    const TColor32 redColourValue = 0x000000FF;
    TBitmap32 turned;
    RotateBitmap(picture, turned, 90.0, redColourValue);
    ASSERT_EQ(turned.Width(), 4);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(turned.Pixel(0, y), redColourValue);
        EXPECT_EQ(turned.Pixel(3, y), redColourValue);
        EXPECT_EQ(turned.Pixel(1, y), Color32(10, 20, 30));
    }
}
