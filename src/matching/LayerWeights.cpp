#include "matching/LayerWeights.h"

#include "imaging/ImageFunctions.h"
#include "library/TileFeature.h"

#include <system_error>

namespace qx {

namespace {

// Without its own picture a layer's cells are whole rectangles, so every
// block counts fully; leaving the vector at 0 would make every photo match
// every cell equally well.
std::array<float, 85> MaskWeights(const TLayerPattern& layer)
{
    std::array<float, 85> full;
    full.fill(1.0f);
    std::error_code ec;
    if (!layer.HasMaskImage || !std::filesystem::is_regular_file(layer.MaskImageFile, ec))
        return full;
    TBitmap32 mask;
    LoadImageFile(mask, layer.MaskImageFile);
    return mask.Empty() ? full : FeatureToGrayVector(mask);
}

} // namespace

void PrepareLayerWeights(const TQXPattern& pattern, TLayerWeights& weights)
{
    for (int k = 1; k <= TQXPattern::MaxLayers; ++k) {
        const TLayerPattern& layer = pattern.Layer(k);
        if (layer.Enabled)
            weights[static_cast<std::size_t>(k)] = MaskWeights(layer);
    }
}

} // namespace qx
