#pragma once

#include "matching/DifferenceMeasures.h"

#include <array>
#include <cstdint>

namespace qx {

// The 8 x 8 blocks of a feature as small integers, channel by channel:
// the 64 blue blocks, then the green, then the red, the layout the
// comparison loops vectorise over.
struct TBlockPlanes {
    static constexpr int kValues = 3 * kGridBlocks;
    alignas(32) std::array<std::int16_t, kValues> Values;
};

// A cell's feature prepared once for comparing with many photos: the cell's
// blocks are laid out per allowed arrangement (mirroring the cell instead of
// the photo gives the same sums), and the weights are copied, so a
// comparison only reads the photo's words. Results equal MatchPercent and
// MatchCurve for the same arguments, bit for bit. Keeps no reference to its
// arguments.
class TCellMatcher {
public:
    TCellMatcher(const TTileFeature& cell, bool mono, bool allowHorzFlip, bool allowVertFlip,
                 const TWeightVector& weights);

    // MatchPercent(photo, cell, percent, mono, allowHorzFlip, allowVertFlip).
    TMatchResult Percent(const TTileFeature& photo, int percent) const;
    // MatchCurve(photo, cell, allowVertFlip, enhance, weights, mono, allowHorzFlip).
    TMatchResult Curve(const TTileFeature& photo, const TCurveTable& enhance) const;

    // The other way round, for one photo against many cells without shifts:
    // ForOnePhoto(photo, ...).Unshifted(cell) equals MatchPercent(photo,
    // cell, 0, mono, allowHorzFlip, allowVertFlip). Unshifted sums are
    // symmetric, so the photo's blocks can take the prepared side.
    static TCellMatcher ForOnePhoto(const TTileFeature& photo, bool mono, bool allowHorzFlip, bool allowVertFlip);
    TMatchResult Unshifted(const TTileFeature& cell) const;

    struct TShifts {
        int B;
        int G;
        int R;
    };

private:
    TCellMatcher(bool allowHorzFlip, bool allowVertFlip)
        : allowHorzFlip_(allowHorzFlip), allowVertFlip_(allowVertFlip)
    {
    }
    // Lays out the blocks per allowed arrangement; with luminance set, every
    // plane holds the blocks' luminance.
    void LoadPlanes(const TTileFeature& feature, bool luminance);
    TMatchResult Evaluate(const TTileFeature& photo, TShifts shifts, bool weighted) const;

    std::array<TBlockPlanes, 4> planes_{}; // indexed by TArrangement
    alignas(32) std::array<float, kGridBlocks> weights_{};
    // All weights 1.0: the weighted sum is then the exact integer sum.
    bool unitWeights_ = false;
    int cellB_ = 0;
    int cellG_ = 0;
    int cellR_ = 0;
    bool mono_ = false;
    bool allowHorzFlip_ = false;
    bool allowVertFlip_ = false;
};

} // namespace qx
