#include "imaging/ImageFunctions.h"

#include "common/QuiltixError.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

// Every pixel names its own position, so moved pixels can be traced.
TBitmap32 PositionPicture(int width, int height)
{
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, Color32(static_cast<unsigned>(x), static_cast<unsigned>(y), 7, 200));
    return picture;
}

} // namespace

TEST(ImageFunctionsGeometry, FitBitmapToRectKeepsTheAspectAndCanFallOneShort)
{
    const struct {
        int Width, Height;
        TRect Rect;
        int FitWidth, FitHeight;
    } cases[] = {
        {3, 3, {0, 0, 128, 128}, 127, 127},
        {200, 100, {0, 0, 128, 128}, 128, 64},
        {100, 200, {0, 0, 128, 128}, 64, 128},
        {200, 100, {40, 30, 168, 158}, 128, 64},
        {64, 64, {0, 0, 128, 32}, 32, 32},
    };
    for (const auto& c : cases) {
        TBitmap32 source(c.Width, c.Height);
        source.Clear(Color32(9, 8, 7));
        TBitmap24 dest;
        FitBitmapToRect(source, dest, c.Rect);
        EXPECT_EQ(dest.Width(), c.FitWidth) << c.Width << "x" << c.Height;
        EXPECT_EQ(dest.Height(), c.FitHeight) << c.Width << "x" << c.Height;
        EXPECT_EQ(dest.Pixel(dest.Width() - 1, dest.Height() - 1), Color32(9, 8, 7));
    }
}

TEST(ImageFunctionsGeometry, FitBitmapToRectOfAnEmptySourceLeavesTheDestination)
{
    TBitmap24 dest(5, 4);
    dest.Clear(Color32(1, 2, 3));
    FitBitmapToRect(TBitmap32(0, 10), dest, TRect{0, 0, 128, 128});
    EXPECT_EQ(dest.Width(), 5);
    EXPECT_EQ(dest.Pixel(4, 3), Color32(1, 2, 3));
}

TEST(ImageFunctionsGeometry, StretchBitmapInPlaceResizesAndAverages)
{
    TBitmap24 picture(4, 2);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            picture.SetPixel(x, y, x < 2 ? Color32(0, 0, 0) : Color32(200, 100, 50));
    StretchBitmap(picture, picture, 2, 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 1);
    EXPECT_EQ(picture.Pixel(0, 0), Color32(0, 0, 0));
    EXPECT_EQ(picture.Pixel(1, 0), Color32(200, 100, 50));

    TBitmap32 picture32(4, 2);
    picture32.Clear(Color32(200, 100, 50, 3));
    StretchBitmap32(picture32, picture32, 1, 1);
    EXPECT_EQ(RedOf(picture32.Pixel(0, 0)), 200u);
    EXPECT_EQ(BlueOf(picture32.Pixel(0, 0)), 50u);
}

TEST(ImageFunctionsGeometry, CopyFlippedMirrorsAsAskedInPlaceAndIntoACopy)
{
    for (const auto& [w, h] : {std::pair{3, 2}, std::pair{4, 5}})
        for (const bool lr : {false, true})
            for (const bool tb : {false, true}) {
                const TBitmap32 source = PositionPicture(w, h);
                TBitmap32 copy;
                TBitmap32 inPlace = PositionPicture(w, h);
                CopyFlipped(source, copy, lr, tb);
                CopyFlipped(inPlace, inPlace, lr, tb);
                ASSERT_EQ(copy.Width(), w);
                ASSERT_EQ(copy.Height(), h);
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const TColor32 expected = source.Pixel(lr ? w - 1 - x : x, tb ? h - 1 - y : y);
                        EXPECT_EQ(copy.Pixel(x, y), expected) << w << "x" << h << " lr " << lr << " tb " << tb;
                        EXPECT_EQ(inPlace.Pixel(x, y), expected);
                    }
            }
}

TEST(ImageFunctionsGeometry, CropToAspectTakesTheCentredCrop)
{
    const struct {
        int Width, Height, AspectWidth, AspectHeight;
        int Left, Top, CropWidth, CropHeight;
    } cases[] = {
        {100, 50, 1, 1, 25, 0, 50, 50},
        {50, 100, 1, 1, 0, 25, 50, 50},
        {40, 30, 4, 3, 0, 0, 40, 30},
        {101, 50, 1, 1, 25, 0, 51, 50},
        {30, 30, 16, 9, 0, 6, 30, 18},
    };
    for (const auto& c : cases)
        for (const bool inPlace : {false, true}) {
            const TBitmap32 source = PositionPicture(c.Width, c.Height);
            TBitmap32 dest = PositionPicture(c.Width, c.Height);
            CropToAspect(inPlace ? dest : source, dest, c.AspectWidth, c.AspectHeight);
            ASSERT_EQ(dest.Width(), c.CropWidth) << c.Width << "x" << c.Height;
            ASSERT_EQ(dest.Height(), c.CropHeight) << c.Width << "x" << c.Height;
            for (int y = 0; y < dest.Height(); ++y)
                for (int x = 0; x < dest.Width(); ++x)
                    ASSERT_EQ(dest.Pixel(x, y), source.Pixel(x + c.Left, y + c.Top));
        }
}

TEST(ImageFunctionsGeometry, CropToAspectRefusesNonPositiveAspects)
{
    TBitmap32 picture = PositionPicture(10, 10);
    EXPECT_THROW(CropToAspect(picture, picture, 0, 1), QuiltixError);
    EXPECT_THROW(CropToAspect(picture, picture, -4, 3), QuiltixError);
    EXPECT_THROW(CropToAspect(picture, picture, 4, 0), QuiltixError);
    EXPECT_EQ(picture.Width(), 10);
}
