#include "library/TileFeature.h"

#include "imaging/Halftone.h"
#include "imaging/ImageFunctions.h"

#include <gtest/gtest.h>

#include <random>

using namespace qx;

namespace {

TBitmap32 FlatPicture(int width, int height, TColor32 colour)
{
    TBitmap32 picture(width, height);
    picture.Clear(colour);
    return picture;
}

TBitmap32 RandomPicture(int width, int height)
{
    std::mt19937 random(3);
    TBitmap32 picture(width, height);
    for (int i = 0; i < width * height; ++i)
        picture.Bits()[i] = random();
    return picture;
}

} // namespace

TEST(TileFeature, FlatColourGivesEqualBlocksAndItsCubeIndex)
{
    const struct {
        unsigned R, G, B;
        unsigned L;
        std::uint32_t Cube;
    } cases[] = {{255, 0, 0, 76, 5},      {0, 255, 0, 149, 30},       {0, 0, 255, 29, 180},
                 {255, 255, 255, 255, 215}, {63, 63, 63, 62, 43}, {0, 0, 0, 0, 0}};
    for (const auto& c : cases)
        for (const auto& [w, h] : {std::pair{64, 64}, std::pair{333, 97}, std::pair{5, 3}}) {
            // Alpha must play no part.
            const TTileFeature f = ComputeTileFeature(FlatPicture(w, h, Color32(c.R, c.G, c.B, 17)));
            EXPECT_EQ(f.Words[0], c.Cube) << c.R << "," << c.G << "," << c.B;
            for (int i = 1; i < TTileFeature::kWordCount; ++i)
                ASSERT_EQ(f.Words[static_cast<std::size_t>(i)], MakeBlockColor(c.L, c.R, c.G, c.B))
                    << "word " << i << " of " << w << "x" << h;
        }
}

TEST(TileFeature, HalfBlackHalfWhiteTruncatesTheWholeAverage)
{
    TBitmap32 picture = FlatPicture(128, 64, Color32(0, 0, 0));
    picture.FillRect(TRect{64, 0, 128, 64}, Color32(255, 255, 255));
    const TTileFeature f = ComputeTileFeature(picture);
    const TBlockColor black = MakeBlockColor(0, 0, 0, 0);
    const TBlockColor white = MakeBlockColor(255, 255, 255, 255);
    EXPECT_EQ(f.Words[1], MakeBlockColor(127, 127, 127, 127));
    EXPECT_EQ(f.Words[0], 2u * 36 + 2 * 6 + 2);
    EXPECT_EQ(f.Words[2], black);
    EXPECT_EQ(f.Words[4], black);
    EXPECT_EQ(f.Words[3], white);
    EXPECT_EQ(f.Words[5], white);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(f.Words[static_cast<std::size_t>(22 + 8 * r + c)], c < 4 ? black : white) << r << "," << c;
}

TEST(TileFeature, BlockWordsFollowTheGridRowByRow)
{
    // One distinct colour per 8 x 8 block of a 64 x 64 picture: each word of
    // the finest grid must be its own block's colour.
    TBitmap32 picture(64, 64);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            picture.FillRect(TRect{8 * c, 8 * r, 8 * c + 8, 8 * r + 8},
                             Color32(static_cast<unsigned>(30 * c), static_cast<unsigned>(30 * r), 200));
    const TTileFeature f = ComputeTileFeature(picture);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(f.Words[static_cast<std::size_t>(22 + 8 * r + c)],
                      BlockColorOf(static_cast<unsigned>(30 * c), static_cast<unsigned>(30 * r), 200));
    // The 4 x 4 block (row 1, column 2) spans fine columns 4, 5 and rows 2, 3:
    // red (120 + 150) / 2, green (60 + 90) / 2, both truncated.
    EXPECT_EQ(f.Words[6 + 4 * 1 + 2], BlockColorOf(135, 75, 200));
    EXPECT_EQ(f.Words[2 + 2 * 1 + 0], BlockColorOf(45, 165, 200));
}

TEST(TileFeature, EveryWordIsTheTruncatedMeanOfItsOwnBlockPixels)
{
    // Each block averaged straight from the 64 x 64 reduction, whatever the
    // source size: reductions, enlargements and mixed axes.
    const std::pair<int, int> sizes[] = {{64, 64}, {1024, 768}, {48, 36}, {180, 90}, {1, 1}, {3, 500}, {97, 61}, {65, 63}};
    std::mt19937 random(9);
    for (const auto& [w, h] : sizes) {
        TBitmap32 picture(w, h);
        for (int i = 0; i < w * h; ++i)
            picture.Bits()[i] = random();
        TBitmap24 reduced(64, 64);
        HalftoneResample(picture, reduced);
        const TTileFeature f = ComputeTileFeature(picture);
        for (const TFeatureGrid& grid : kFeatureGrids)
            for (int r = 0; r < grid.Blocks; ++r)
                for (int c = 0; c < grid.Blocks; ++c) {
                    const int s = grid.BlockSize;
                    ASSERT_EQ(f.Words[static_cast<std::size_t>(grid.FirstWord + r * grid.Blocks + c)],
                              AverageBlockColor(reduced, TRect{c * s, r * s, (c + 1) * s, (r + 1) * s}))
                        << w << "x" << h << " block size " << s << " at " << r << "," << c;
                }
        EXPECT_EQ(f.Words[0], static_cast<std::uint32_t>(ColorToCubeIndex(f.Words[1]))) << w << "x" << h;
    }
}

TEST(TileFeature, EmptyPictureGivesAllZero)
{
    EXPECT_EQ(ComputeTileFeature(TBitmap32()), TTileFeature{});
}

TEST(TileFeature, GrayVectorIsTheLuminanceOfWordsOneToEightyFive)
{
    const TBitmap32 picture = RandomPicture(90, 70);
    const TTileFeature f = ComputeTileFeature(picture);
    const std::array<float, 85> v = FeatureToGrayVector(picture);
    for (std::size_t i = 0; i < v.size(); ++i)
        EXPECT_FLOAT_EQ(v[i], static_cast<float>(LuminanceOf(f.Words[i + 1])) / 255.0f) << i;
    const std::array<float, 85> white = FeatureToGrayVector(FlatPicture(8, 8, Color32(255, 255, 255)));
    EXPECT_EQ(white[0], 1.0f);
    EXPECT_EQ(white[84], 1.0f);
}

TEST(TileFeature, PreviewPaintsTheBlocksOfTheLevel)
{
    TTileFeature f;
    for (std::size_t i = 1; i < f.Words.size(); ++i)
        f.Words[i] = MakeBlockColor(static_cast<unsigned>(i), static_cast<unsigned>(i + 100), 7,
                                    static_cast<unsigned>(200 - i));
    const struct {
        int Level;
        int BlockSize;
        int FirstWord;
    } cases[] = {{1, 64, 1}, {4, 32, 2}, {16, 16, 6}, {64, 8, 22}};
    for (const auto& c : cases)
        for (const bool grey : {false, true}) {
            TBitmap32 preview(3, 3);
            DrawFeaturePreview(preview, f, c.Level, grey);
            ASSERT_EQ(preview.Width(), 64);
            ASSERT_EQ(preview.Height(), 64);
            const int blocks = 64 / c.BlockSize;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const unsigned word = static_cast<unsigned>(c.FirstWord + (y / c.BlockSize) * blocks + x / c.BlockSize);
                    const TColor32 expected = grey ? Color32(word, word, word) : Color32(word + 100, 7, 200 - word);
                    ASSERT_EQ(preview.Pixel(x, y), expected) << "level " << c.Level << " at " << x << "," << y;
                }
        }
}

TEST(TileFeature, PreviewOfAnotherLevelPaintsNothing)
{
    TTileFeature f;
    f.Words.fill(MakeBlockColor(1, 2, 3, 4));
    for (const int level : {0, 2, 8, 32, 256}) {
        TBitmap32 preview = FlatPicture(64, 64, Color32(9, 9, 9, 9));
        DrawFeaturePreview(preview, f, level, false);
        EXPECT_EQ(preview.Pixel(0, 0), Color32(9, 9, 9, 9)) << level;
        EXPECT_EQ(preview.Pixel(63, 63), Color32(9, 9, 9, 9)) << level;
    }
}
