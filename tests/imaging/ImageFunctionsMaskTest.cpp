#include "imaging/ImageFunctions.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

// Alpha 255 exactly inside [left, right) x [top, bottom), 0 elsewhere.
void ExpectOpaqueRect(const TBitmap32& picture, const TRect& opaque)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const bool inside = x >= opaque.Left && x < opaque.Right && y >= opaque.Top && y < opaque.Bottom;
            ASSERT_EQ(AlphaOf(picture.Pixel(x, y)), inside ? 255u : 0u) << x << "," << y;
        }
}

TBitmap24 HistogramOf(TColor32 colour, int channel)
{
    TBitmap24 source(30, 20);
    source.Clear(colour);
    TBitmap24 chart(257, 128);
    DrawHistogram(source, chart, channel);
    return chart;
}

// Height of the black bar in a column of the 257 x 128 chart; fails if the
// column is not black bottom-up and white above.
int BarHeight(const TBitmap24& chart, int x)
{
    int height = 0;
    while (height < chart.Height() && chart.Pixel(x, chart.Height() - 1 - height) == Color32(0, 0, 0))
        ++height;
    for (int y = 0; y < chart.Height() - height; ++y)
        EXPECT_EQ(chart.Pixel(x, y), Color32(255, 255, 255)) << x << "," << y;
    return height;
}

} // namespace

TEST(ImageFunctionsMask, CellMaskInsetsTheShapeByTheBorder)
{
    const struct {
        int Border;
        TRect Opaque;
    } cases[] = {
        {0, {0, 0, 10, 8}}, {1, {0, 0, 9, 7}}, {3, {1, 1, 8, 6}}, {4, {2, 2, 8, 6}},
        {7, {3, 3, 6, 4}},  {8, {0, 0, 0, 0}}, {10, {0, 0, 0, 0}}, {12, {0, 0, 0, 0}},
    };
    TBitmap32 whiteMask(5, 5);
    whiteMask.Clear(Color32(255, 255, 255));
    for (const auto& c : cases) {
        TBitmap32 picture(10, 8);
        picture.Clear(Color32(40, 50, 60, 128));
        TBitmap32 copy;
        ApplyCellMask(picture, copy, whiteMask, c.Border);
        ApplyCellMask(picture, picture, whiteMask, c.Border);
        SCOPED_TRACE("border " + std::to_string(c.Border));
        ExpectOpaqueRect(picture, c.Opaque);
        ExpectOpaqueRect(copy, c.Opaque);
        EXPECT_EQ(picture.DrawMode, TDrawMode::Blend);
        EXPECT_EQ(copy.DrawMode, TDrawMode::Blend);
        EXPECT_EQ(picture.Pixel(5, 4) & 0xFFFFFF, Color32(40, 50, 60) & 0xFFFFFF);
    }
}

TEST(ImageFunctionsMask, CellMaskFollowsTheBlueOfTheResizedMask)
{
    // Only the blue byte counts: the left half is red, which has blue 0.
    TBitmap32 mask(4, 4);
    mask.FillRect(TRect{0, 0, 2, 4}, Color32(255, 0, 0));
    mask.FillRect(TRect{2, 0, 4, 4}, Color32(0, 0, 1));
    TBitmap32 picture(8, 8);
    ApplyCellMask(picture, picture, mask, 0);
    ExpectOpaqueRect(picture, TRect{4, 0, 8, 8});
}

TEST(ImageFunctionsMask, HistogramBarsSitAtValuePlusOne)
{
    const struct {
        TColor32 Colour;
        int Channel;
        int BarAtZero;
        int BarAt255;
    } cases[] = {
        {Color32(0, 0, 0), 1, 128, 0},   {Color32(255, 0, 0), 1, 0, 128}, {Color32(255, 0, 0), 2, 128, 0},
        {Color32(255, 0, 0), 3, 128, 0}, {Color32(255, 0, 0), 0, 128, 64}, {Color32(0, 0, 255), 3, 0, 128},
        {Color32(0, 0, 0), 4, 0, 0},     {Color32(0, 0, 0), -1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("colour " + std::to_string(c.Colour) + " channel " + std::to_string(c.Channel));
        const TBitmap24 chart = HistogramOf(c.Colour, c.Channel);
        EXPECT_EQ(BarHeight(chart, 1), c.BarAtZero);
        EXPECT_EQ(BarHeight(chart, 256), c.BarAt255);
        for (const int x : {0, 2, 100, 255})
            EXPECT_EQ(BarHeight(chart, x), 0) << x;
    }
}

TEST(ImageFunctionsMask, Histogram32UsesAFixedTargetSize)
{
    TBitmap32 black(40, 40);
    black.Clear(Color32(0, 0, 0));
    TBitmap24 target(500, 3);
    DrawHistogram32(target, black, 1);
    ASSERT_EQ(target.Width(), 128);
    ASSERT_EQ(target.Height(), 48);
    // The one-pixel bar at chart column 1 falls into the first of the
    // halved columns; the rest stays white.
    EXPECT_LT(RedOf(target.Pixel(0, 24)), 200u);
    for (int x = 1; x < 128; ++x)
        EXPECT_EQ(target.Pixel(x, 24), Color32(255, 255, 255)) << x;
}
