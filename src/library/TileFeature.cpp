#include "library/TileFeature.h"

#include "imaging/Halftone.h"
#include "imaging/ImageFunctions.h"
#include "imaging/TBitmap24.h"

#include <algorithm>

namespace qx {

namespace {

constexpr int kFeatureSize = 64;

} // namespace

TTileFeature ComputeTileFeature(const TBitmap32& bitmap)
{
    TTileFeature feature;
    TBitmap24 reduced(kFeatureSize, kFeatureSize);
    HalftoneResample(bitmap, reduced);
    // Every grid averages the 64 x 64 pixels itself rather than its finer
    // grid's averages, so truncation happens once per block.
    for (const TFeatureGrid& grid : kFeatureGrids)
        for (int r = 0; r < grid.Blocks; ++r)
            for (int c = 0; c < grid.Blocks; ++c) {
                const int s = grid.BlockSize;
                feature.Words[static_cast<std::size_t>(grid.FirstWord + r * grid.Blocks + c)] =
                    AverageBlockColor(reduced, TRect{c * s, r * s, (c + 1) * s, (r + 1) * s});
            }
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
