#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace qx {

// One layer of a pattern: a regular grid whose step and offset are given in
// cell widths and heights, optionally cutting its cell photos to a mask.
struct TLayerPattern {
    bool Enabled = false;
    // Set only when the mask picture file exists; MaskImageFile is then its
    // full path.
    bool HasMaskImage = false;
    std::filesystem::path MaskImageFile;
    double HorzFactor = 0.0;
    double VertFactor = 0.0;
    double HorzOffset = 0.0; // may be negative
    double VertOffset = 0.0; // may be negative

    bool operator==(const TLayerPattern&) const = default;
};

// A pattern of up to six layers. A default-constructed pattern is empty: no
// names, LayerCount 0, every layer disabled with factors and offsets 0.
struct TQXPattern {
    static constexpr int MaxLayers = 6;

    std::string MaskName;
    std::string PatternName;
    int LayerCount = 0;
    // Stored 0-based; use Layer(k) for the 1-based layer number k.
    std::array<TLayerPattern, MaxLayers> LayerRecords{};

    // k = 1..MaxLayers; anything else throws std::out_of_range.
    TLayerPattern& Layer(int k) { return LayerRecords.at(static_cast<std::size_t>(k - 1)); }
    const TLayerPattern& Layer(int k) const { return LayerRecords.at(static_cast<std::size_t>(k - 1)); }

    bool operator==(const TQXPattern&) const = default;
};

} // namespace qx
