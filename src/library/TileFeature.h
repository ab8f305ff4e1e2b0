#pragma once

#include "imaging/TBitmap32.h"
#include "imaging/TBlockColor.h"

#include <array>
#include <cstdint>

namespace qx {

// The colour feature of a picture reduced to 64 x 64 pixels: word 0 is the
// colour-cube index of word 1, the other words are TBlockColor averages:
// word 1 the whole picture, words 2-5 the 2 x 2 grid of 32-pixel blocks,
// 6-21 the 4 x 4 grid of 16-pixel blocks, 22-85 the 8 x 8 grid of 8-pixel
// blocks, each grid row by row. Stored as 86 little-endian words.
struct TTileFeature {
    static constexpr int kWordCount = 86;
    std::array<std::uint32_t, kWordCount> Words{};

    bool operator==(const TTileFeature&) const = default;
};
static_assert(sizeof(TTileFeature) == 344, "a feature record is 86 words");

// One block grid of the feature: n x n blocks of BlockSize pixels starting at
// FirstWord. The preview level of a grid is its block count.
struct TFeatureGrid {
    int Blocks;
    int BlockSize;
    int FirstWord;
};
inline constexpr std::array<TFeatureGrid, 4> kFeatureGrids = {{
    {1, 64, 1},
    {2, 32, 2},
    {4, 16, 6},
    {8, 8, 22},
}};

// The feature of a 32-bit bitmap of any size (its alpha plays no part). An
// empty bitmap gives all words 0.
TTileFeature ComputeTileFeature(const TBitmap32& bitmap);

// The luminance bytes of words 1..85 of the bitmap's feature, in word order,
// each divided by 255.
std::array<float, 85> FeatureToGrayVector(const TBitmap32& bitmap);

// Paints one grid of the feature into a 64 x 64 bitmap (resized if needed):
// level 1 the whole-picture word, 4 the 2 x 2 blocks, 16 the 4 x 4 blocks,
// 64 the 8 x 8 blocks, each opaque in its colour or, with grey set, in its
// luminance. Any other level paints nothing.
void DrawFeaturePreview(TBitmap32& bitmap, const TTileFeature& feature, int level, bool grey);

} // namespace qx
