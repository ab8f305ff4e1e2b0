#pragma once

#include <cstdint>

namespace qx {

// The outcome of comparing a photo's feature with a cell's: the difference of
// the winning arrangement and the mirrors that produce it.
struct TMatchResult {
    // 0 for identical blocks; at most 12,484,800 when unweighted.
    std::int32_t Difference = 0;
    bool FlipV = false; // mirror the photo top-bottom
    bool FlipH = false; // mirror the photo left-right

    bool operator==(const TMatchResult&) const = default;
};

} // namespace qx
