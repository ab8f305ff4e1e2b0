#include "matching/DifferenceReference.h"

#include "imaging/TBlockColor.h"

#include <cstdlib>

namespace qx {

namespace {

struct TChannels {
    int B;
    int G;
    int R;
    int L;
};

TChannels ChannelsOf(TBlockColor c)
{
    return TChannels{static_cast<int>(BlockBlueOf(c)), static_cast<int>(BlockGreenOf(c)),
                     static_cast<int>(BlockRedOf(c)), static_cast<int>(LuminanceOf(c))};
}

std::array<std::int32_t, 4> AllArrangements(const TTileFeature& photo, const TTileFeature& cell, int sB, int sG,
                                            int sR, bool mono, const TWeightVector* firstWeights)
{
    return {ReferenceGridCore(photo, cell, sB, sG, sR, mono, firstWeights),
            ReferenceGridCore(MirroredFeature(photo, false, true), cell, sB, sG, sR, mono, nullptr),
            ReferenceGridCore(MirroredFeature(photo, true, false), cell, sB, sG, sR, mono, nullptr),
            ReferenceGridCore(MirroredFeature(photo, true, true), cell, sB, sG, sR, mono, nullptr)};
}

TMatchResult Choose(const std::array<std::int32_t, 4>& d, bool allowHorzFlip, bool allowVertFlip)
{
    if (allowHorzFlip && allowVertFlip) {
        switch (LowestOfFour(d[0], d[1], d[2], d[3])) {
        case 2:
            return TMatchResult{d[1], false, true};
        case 3:
            return TMatchResult{d[2], true, false};
        case 4:
            return TMatchResult{d[3], true, true};
        default:
            return TMatchResult{d[0], false, false};
        }
    }
    if (allowHorzFlip)
        return d[1] < d[0] ? TMatchResult{d[1], false, true} : TMatchResult{d[0], false, false};
    if (allowVertFlip)
        return d[2] < d[0] ? TMatchResult{d[2], true, false} : TMatchResult{d[0], false, false};
    return TMatchResult{d[0], false, false};
}

} // namespace

TTileFeature MirroredFeature(const TTileFeature& photo, bool flipV, bool flipH)
{
    TTileFeature copy = photo;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const int from = kFirstGridWord + (flipV ? 7 - r : r) * 8 + (flipH ? 7 - c : c);
            copy.Words[static_cast<std::size_t>(kFirstGridWord + r * 8 + c)] =
                photo.Words[static_cast<std::size_t>(from)];
        }
    return copy;
}

std::int32_t ReferenceGridCore(const TTileFeature& photo, const TTileFeature& cell, int shiftB, int shiftG,
                               int shiftR, bool mono, const TWeightVector* weights)
{
    double acc = 0.0;
    for (int b = 0; b < kGridBlocks; ++b) {
        const TChannels p = ChannelsOf(photo.Words[static_cast<std::size_t>(kFirstGridWord + b)]);
        const TChannels c = ChannelsOf(cell.Words[static_cast<std::size_t>(kFirstGridWord + b)]);
        const int pB = ClampDiff(mono ? p.L : p.B, shiftB);
        const int pG = ClampDiff(mono ? p.L : p.G, shiftG);
        const int pR = ClampDiff(mono ? p.L : p.R, shiftR);
        const double sqB = static_cast<double>(pB - c.B) * static_cast<double>(pB - c.B);
        const double sqG = static_cast<double>(pG - c.G) * static_cast<double>(pG - c.G);
        const double sqR = static_cast<double>(pR - c.R) * static_cast<double>(pR - c.R);
        double term = sqB + sqG + sqR;
        if (weights != nullptr) {
            const double w = (*weights)[static_cast<std::size_t>(21 + b)];
            term = sqB * w + sqG * w + sqR * w;
        }
        acc += term;
    }
    return static_cast<std::int32_t>(acc);
}

TMatchResult ReferenceMatchPercent(const TTileFeature& photo, const TTileFeature& cell, int percent, bool mono,
                                   bool allowHorzFlip, bool allowVertFlip)
{
    const TChannels p = ChannelsOf(photo.Words[1]);
    const TChannels c = ChannelsOf(cell.Words[1]);
    const int sB = ((mono ? p.L : p.B) - c.B) * percent / 100;
    const int sG = ((mono ? p.L : p.G) - c.G) * percent / 100;
    const int sR = ((mono ? p.L : p.R) - c.R) * percent / 100;
    return Choose(AllArrangements(photo, cell, sB, sG, sR, mono, nullptr), allowHorzFlip, allowVertFlip);
}

TMatchResult ReferenceMatchCurve(const TTileFeature& photo, const TTileFeature& cell, bool allowVertFlip,
                                 const TCurveTable& enhance, const TWeightVector& weights, bool mono,
                                 bool allowHorzFlip)
{
    const TChannels p = ChannelsOf(photo.Words[1]);
    const TChannels c = ChannelsOf(cell.Words[1]);
    auto shift = [&](int photoValue, int cellValue) {
        const int d = (mono ? p.L : photoValue) - cellValue;
        return d * enhance[static_cast<std::size_t>(std::abs(d))] / 255;
    };
    return Choose(AllArrangements(photo, cell, shift(p.B, c.B), shift(p.G, c.G), shift(p.R, c.R), mono, &weights),
                  allowHorzFlip, allowVertFlip);
}

TMatchResult ReferenceGridDifference(const TTileFeature& photo, const TTileFeature& cell, bool flipV, bool mono,
                                     bool flipH)
{
    const std::int32_t d = ReferenceGridCore(MirroredFeature(photo, flipV, flipH), cell, 0, 0, 0, mono, nullptr);
    return TMatchResult{d, flipV, flipH};
}

} // namespace qx
