#pragma once

#include "library/TileFeature.h"

#include <array>
#include <cstdint>

namespace qx {

// The index record of one photo (356 bytes on disk).
struct TTileInfo {
    std::int32_t Reserved0 = 0;
    std::int32_t Reserved1 = 0;
    std::int32_t UsedCount = 0; // cells currently showing the photo
    TTileFeature Feature;
};

// The rotation record of one photo (8,268 bytes on disk): its feature turned
// by k * 15 degrees, k = 0..23.
struct TTileInfoRotated {
    static constexpr int kSteps = 24;
    std::array<std::int32_t, 3> Reserved{};
    std::array<TTileFeature, kSteps> Rotated{};
};

inline constexpr std::size_t kTileInfoBytes = 356;
inline constexpr std::size_t kTileInfoRotatedBytes = 8268;

} // namespace qx
