#include "imaging/ImageFunctions.h"

#include "common/QuiltixError.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qx;

TEST(ImageFunctions, ClampByte)
{
    const struct {
        int In;
        int Out;
    } cases[] = {{-5, 0}, {0, 0}, {1, 1}, {254, 254}, {255, 255}, {256, 255}, {1000, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampByte(c.In), c.Out) << c.In;
}

TEST(ImageFunctions, RectsCrossIsTrueOnlyForEdgeEndsInside)
{
    const struct {
        TRect A;
        TRect B;
        bool Crosses;
        const char* What;
    } cases[] = {
        {{0, 0, 10, 10}, {0, 0, 10, 10}, false, "identical"},
        {{0, 0, 10, 10}, {5, 5, 15, 15}, true, "corner overlap"},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, false, "shared edge"},
        {{4, 0, 6, 10}, {0, 4, 10, 6}, false, "plus sign"},
        {{0, 0, 10, 10}, {2, 2, 8, 8}, true, "contained"},
        {{0, 0, 10, 10}, {20, 20, 30, 30}, false, "apart"},
        {{0, 0, 10, 10}, {-5, 5, 15, 15}, true, "wider band over the bottom"},
        {{0, 0, 10, 10}, {3, 5, 7, 20}, true, "narrow tongue from below"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RectsCross(c.A, c.B), c.Crosses) << c.What;
        EXPECT_EQ(RectsCross(c.B, c.A), c.Crosses) << c.What << " (swapped)";
    }
}

TEST(ImageFunctions, ColorToCubeIndex)
{
    const struct {
        unsigned R, G, B;
        int Index;
    } cases[] = {{255, 0, 0, 5},   {0, 0, 255, 180},  {255, 255, 255, 215}, {50, 0, 0, 0},
                 {51, 0, 0, 1},    {0, 102, 0, 12},   {254, 254, 254, 172}, {0, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ColorToCubeIndex(MakeBlockColor(0, c.R, c.G, c.B)), c.Index) << c.R << "," << c.G << "," << c.B;
}

TEST(ImageFunctions, LuminanceLosesOneAtWholeDecimalSumsOfSomeGreys)
{
    const struct {
        unsigned R, G, B;
        unsigned L;
    } cases[] = {{63, 63, 63, 62},    {126, 126, 126, 125}, {215, 215, 215, 214}, {229, 229, 229, 228},
                 {252, 252, 252, 251}, {64, 64, 64, 64},     {255, 255, 255, 255}, {0, 0, 0, 0},
                 {255, 0, 0, 76},      {0, 255, 0, 149},     {0, 0, 255, 29},      {100, 100, 100, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(Luminance(c.R, c.G, c.B), c.L) << c.R << "," << c.G << "," << c.B;
        EXPECT_EQ(BlockColorOf(c.R, c.G, c.B), MakeBlockColor(c.L, c.R, c.G, c.B));
    }
}

TEST(ImageFunctions, LuminanceOfEveryOtherGreyIsTheGreyItself)
{
    const unsigned lossy[] = {63, 126, 215, 229, 252};
    for (unsigned v = 0; v < 256; ++v) {
        if (std::find(std::begin(lossy), std::end(lossy), v) == std::end(lossy)) {
            EXPECT_EQ(Luminance(v, v, v), v);
        }
    }
}

TEST(ImageFunctions, ConvertToGrayFloorsEveryChannelAndMakesOpaque)
{
    const struct {
        int Set;
        unsigned White;
        unsigned Red;
    } cases[] = {{1, 254, 76}, {2, 254, 114}, {3, 253, 91}, {4, 253, 84}};
    for (const auto& c : cases) {
        TBitmap32 picture(3, 1);
        picture.SetPixel(0, 0, Color32(255, 255, 255, 0));
        picture.SetPixel(1, 0, Color32(255, 0, 0, 10));
        picture.SetPixel(2, 0, Color32(0, 0, 0, 0));
        TBitmap32 copy;
        ConvertToGray(picture, copy, c.Set);
        ConvertToGray(picture, picture, c.Set);
        EXPECT_EQ(picture.Pixel(0, 0), Color32(c.White, c.White, c.White)) << "set " << c.Set;
        EXPECT_EQ(picture.Pixel(1, 0), Color32(c.Red, c.Red, c.Red)) << "set " << c.Set;
        EXPECT_EQ(picture.Pixel(2, 0), Color32(0, 0, 0)) << "set " << c.Set;
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(copy.Pixel(x, 0), picture.Pixel(x, 0));
    }
}

TEST(ImageFunctions, ConvertToGrayRefusesUnknownWeightSets)
{
    TBitmap32 picture(2, 2);
    picture.Clear(Color32(1, 2, 3, 4));
    for (const int set : {0, 5, -1}) {
        EXPECT_THROW(ConvertToGray(picture, picture, set), QuiltixError) << set;
        EXPECT_EQ(picture.Pixel(1, 1), Color32(1, 2, 3, 4));
    }
}

TEST(ImageFunctions, ShiftChannelsClampsEachChannelAndMakesOpaque)
{
    TBitmap32 picture(2, 1);
    picture.SetPixel(0, 0, Color32(10, 200, 128, 7));
    picture.SetPixel(1, 0, Color32(30, 100, 250, 0));
    TBitmap32 unshifted;
    ShiftChannels(picture, unshifted, 0, 0, 0);
    EXPECT_EQ(unshifted.Pixel(0, 0), Color32(10, 200, 128));
    EXPECT_EQ(unshifted.Pixel(1, 0), Color32(30, 100, 250));
    ShiftChannels(picture, picture, -20, 100, 5);
    EXPECT_EQ(picture.Pixel(0, 0), Color32(0, 255, 133));
    EXPECT_EQ(picture.Pixel(1, 0), Color32(10, 200, 255));
}

TEST(ImageFunctions, AverageBlockColorTruncatesAndClipsToTheBitmap)
{
    TBitmap24 picture(2, 2);
    picture.SetPixel(0, 0, Color32(0, 10, 255));
    picture.SetPixel(1, 0, Color32(0, 10, 255));
    picture.SetPixel(0, 1, Color32(0, 10, 255));
    picture.SetPixel(1, 1, Color32(3, 11, 0));
    // Red (0+0+0+3)/4, green 41/4 and blue 765/4 all truncate.
    const TBlockColor expected = BlockColorOf(0, 10, 191);
    EXPECT_EQ(AverageBlockColor(picture, TRect{0, 0, 2, 2}), expected);
    EXPECT_EQ(AverageBlockColor(picture, TRect{-3, -3, 9, 9}), expected);
    EXPECT_EQ(AverageBlockColor(picture, TRect{1, 1, 2, 2}), BlockColorOf(3, 11, 0));
    EXPECT_EQ(AverageBlockColor(picture, TRect{1, 1, 1, 2}), 0u);
}
