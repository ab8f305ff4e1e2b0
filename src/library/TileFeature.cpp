#include "library/TileFeature.h"

#include "imaging/Halftone.h"
#include "imaging/ImageFunctions.h"
#include "imaging/TBitmap24.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qx {

namespace {

constexpr int kFeatureSize = 64;
constexpr int kFineBlockSize = kFeatureSize / kFeatureGrids.back().Blocks;
constexpr int kFineBlocks = kFeatureGrids.back().Blocks;

// Blue, green and red sums of the finest grid's blocks, row by row.
using TChannelSums = std::array<std::uint32_t, 3>;
using TFineBlockSums = std::array<TChannelSums, kFineBlocks * kFineBlocks>;

TFineBlockSums SumFineBlocks(const TBitmap24& reduced)
{
    TFineBlockSums sums{};
    for (int y = 0; y < kFeatureSize; ++y) {
        const std::uint8_t* p = reduced.ScanLine(y);
        TChannelSums* block = sums.data() + (y / kFineBlockSize) * kFineBlocks;
        for (int b = 0; b < kFineBlocks; ++b, ++block)
            for (int x = 0; x < kFineBlockSize; ++x, p += 3)
                for (int c = 0; c < 3; ++c)
                    (*block)[c] += p[c];
    }
    return sums;
}

// Truncated mean colour of grid block (r, c), made of whole fine blocks.
TBlockColor GridBlockColor(const TFineBlockSums& fine, const TFeatureGrid& grid, int r, int c)
{
    const int span = grid.BlockSize / kFineBlockSize;
    TChannelSums sum{};
    for (int fr = r * span; fr < (r + 1) * span; ++fr)
        for (int fc = c * span; fc < (c + 1) * span; ++fc)
            for (int k = 0; k < 3; ++k)
                sum[k] += fine[static_cast<std::size_t>(fr * kFineBlocks + fc)][k];
    const auto area = static_cast<std::uint32_t>(grid.BlockSize * grid.BlockSize);
    return BlockColorOf(sum[2] / area, sum[1] / area, sum[0] / area);
}

} // namespace

TTileFeature ComputeTileFeature(const TBitmap32& bitmap)
{
    TTileFeature feature;
    TBitmap24 reduced(kFeatureSize, kFeatureSize);
    HalftoneResample(bitmap, reduced);
    // Coarser blocks add up the integer sums of the fine blocks they hold,
    // which equals summing their pixels: each block's mean is still
    // truncated once, from its own pixels.
    const TFineBlockSums fine = SumFineBlocks(reduced);
    for (const TFeatureGrid& grid : kFeatureGrids)
        for (int r = 0; r < grid.Blocks; ++r)
            for (int c = 0; c < grid.Blocks; ++c)
                feature.Words[static_cast<std::size_t>(grid.FirstWord + r * grid.Blocks + c)] =
                    GridBlockColor(fine, grid, r, c);
    feature.Words[0] = static_cast<std::uint32_t>(ColorToCubeIndex(feature.Words[1]));
    return feature;
}

std::array<float, 85> FeatureToGrayVector(const TBitmap32& bitmap)
{
    const TTileFeature feature = ComputeTileFeature(bitmap);
    std::array<float, 85> vector{};
    for (std::size_t i = 0; i < vector.size(); ++i)
        vector[i] = static_cast<float>(LuminanceOf(feature.Words[i + 1])) / 255.0f;
    return vector;
}

void DrawFeaturePreview(TBitmap32& bitmap, const TTileFeature& feature, int level, bool grey)
{
    if (bitmap.Width() != kFeatureSize || bitmap.Height() != kFeatureSize)
        bitmap.SetSize(kFeatureSize, kFeatureSize);
    const auto grid = std::find_if(kFeatureGrids.begin(), kFeatureGrids.end(),
                                   [level](const TFeatureGrid& g) { return g.Blocks * g.Blocks == level; });
    if (grid == kFeatureGrids.end())
        return;
    const int s = grid->BlockSize;
    for (int r = 0; r < grid->Blocks; ++r)
        for (int c = 0; c < grid->Blocks; ++c) {
            const TBlockColor word = feature.Words[static_cast<std::size_t>(grid->FirstWord + r * grid->Blocks + c)];
            const unsigned l = LuminanceOf(word);
            const TColor32 fill = grey ? Color32(l, l, l) : Color32(BlockRedOf(word), BlockGreenOf(word), BlockBlueOf(word));
            bitmap.FillRect(TRect{c * s, r * s, (c + 1) * s, (r + 1) * s}, fill);
        }
}

} // namespace qx
