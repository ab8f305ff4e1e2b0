#pragma once

#include "imaging/CurvePoints.h"
#include "library/TileFeature.h"
#include "matching/MatchResult.h"

#include <array>
#include <cstdint>

// The colour difference measures between a photo's feature and a cell's.
// They compare the 64 blocks of the 8 x 8 grid (words 22..85), shifted by
// the whole-picture averages (word 1), and can try the photo mirrored. All
// are pure functions.
namespace qx {

// One per-layer weight vector as FeatureToGrayVector makes it: entries
// 21..84 weigh the 8 x 8 blocks in block order, 0.0..1.0 each.
using TWeightVector = std::array<float, 85>;

// The photo's 8 x 8 grid as laid over the cell: cell block (r, c) is
// compared with photo block (r, 7 - c) for LeftRight, (7 - r, c) for
// TopBottom and (7 - r, 7 - c) for Both. The values index D0..D3.
enum class TArrangement : int { None = 0, LeftRight = 1, TopBottom = 2, Both = 3 };

inline constexpr int kGridBlocks = 64;
inline constexpr int kFirstGridWord = 22;

// The photo block that the arrangement puts at cell block b (0..63).
constexpr int ArrangedBlock(TArrangement a, int b)
{
    const int r = b / 8;
    const int c = b % 8;
    const bool flipH = a == TArrangement::LeftRight || a == TArrangement::Both;
    const bool flipV = a == TArrangement::TopBottom || a == TArrangement::Both;
    return (flipV ? 7 - r : r) * 8 + (flipH ? 7 - c : c);
}

// a - b limited to 0..255.
constexpr int ClampDiff(int a, int b)
{
    const int d = a - b;
    return d < 0 ? 0 : (d > 255 ? 255 : d);
}

// The position 1..4 of the smallest value; the earliest of equal ones.
int LowestOfFour(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);

// Picks the arrangement from the differences D0..D3 (indexed by
// TArrangement) under the mirrors allowed; equal differences keep the
// unmirrored photo. Differences of arrangements not allowed are not read.
TMatchResult ChooseArrangement(const std::array<std::int32_t, 4>& d, bool allowHorzFlip, bool allowVertFlip);

// The photo shifted towards the cell by percent (0..100) of the difference
// of their averages, unweighted, best of the allowed mirrors.
TMatchResult MatchPercent(const TTileFeature& photo, const TTileFeature& cell, int percent, bool mono,
                          bool allowHorzFlip, bool allowVertFlip);

// The photo shifted by the enhance curve's share of the difference of their
// averages; the unmirrored arrangement is weighted by the layer's weights,
// the mirrored ones are not. Enhance entries are 0..255.
TMatchResult MatchCurve(const TTileFeature& photo, const TTileFeature& cell, bool allowVertFlip,
                        const TCurveTable& enhance, const TWeightVector& weights, bool mono, bool allowHorzFlip);

// The unshifted, unweighted difference for the arrangement the two flags
// name; the result carries the flags.
TMatchResult GridDifference(const TTileFeature& photo, const TTileFeature& cell, bool flipV, bool mono, bool flipH);

} // namespace qx
