#include "matching/DifferenceMeasures.h"

#include "imaging/TBlockColor.h"
#include "matching/CellMatcher.h"

namespace qx {

int LowestOfFour(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d)
{
    const std::array<std::int32_t, 4> values = {a, b, c, d};
    int lowest = 0;
    for (int i = 1; i < 4; ++i)
        if (values[static_cast<std::size_t>(i)] < values[static_cast<std::size_t>(lowest)])
            lowest = i;
    return lowest + 1;
}

TMatchResult ChooseArrangement(const std::array<std::int32_t, 4>& d, bool allowHorzFlip, bool allowVertFlip)
{
    TArrangement chosen = TArrangement::None;
    if (allowHorzFlip && allowVertFlip)
        chosen = static_cast<TArrangement>(LowestOfFour(d[0], d[1], d[2], d[3]) - 1);
    else if (allowHorzFlip && d[1] < d[0])
        chosen = TArrangement::LeftRight;
    else if (allowVertFlip && d[2] < d[0])
        chosen = TArrangement::TopBottom;
    const bool flipH = chosen == TArrangement::LeftRight || chosen == TArrangement::Both;
    const bool flipV = chosen == TArrangement::TopBottom || chosen == TArrangement::Both;
    return TMatchResult{d[static_cast<std::size_t>(chosen)], flipV, flipH};
}

TMatchResult MatchPercent(const TTileFeature& photo, const TTileFeature& cell, int percent, bool mono,
                          bool allowHorzFlip, bool allowVertFlip)
{
    static const TWeightVector unused{};
    return TCellMatcher(cell, mono, allowHorzFlip, allowVertFlip, unused).Percent(photo, percent);
}

TMatchResult MatchCurve(const TTileFeature& photo, const TTileFeature& cell, bool allowVertFlip,
                        const TCurveTable& enhance, const TWeightVector& weights, bool mono, bool allowHorzFlip)
{
    return TCellMatcher(cell, mono, allowHorzFlip, allowVertFlip, weights).Curve(photo, enhance);
}

TMatchResult GridDifference(const TTileFeature& photo, const TTileFeature& cell, bool flipV, bool mono, bool flipH)
{
    const auto arrangement = static_cast<TArrangement>((flipH ? 1 : 0) + (flipV ? 2 : 0));
    std::int32_t sum = 0;
    for (int b = 0; b < kGridBlocks; ++b) {
        const TBlockColor p = photo.Words[static_cast<std::size_t>(kFirstGridWord + ArrangedBlock(arrangement, b))];
        const TBlockColor c = cell.Words[static_cast<std::size_t>(kFirstGridWord + b)];
        const int l = static_cast<int>(LuminanceOf(p));
        const int dB = (mono ? l : static_cast<int>(BlockBlueOf(p))) - static_cast<int>(BlockBlueOf(c));
        const int dG = (mono ? l : static_cast<int>(BlockGreenOf(p))) - static_cast<int>(BlockGreenOf(c));
        const int dR = (mono ? l : static_cast<int>(BlockRedOf(p))) - static_cast<int>(BlockRedOf(c));
        sum += dB * dB + dG * dG + dR * dR;
    }
    return TMatchResult{sum, flipV, flipH};
}

} // namespace qx
