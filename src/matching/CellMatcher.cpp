#include "matching/CellMatcher.h"

#include "imaging/TBlockColor.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace qx {

namespace {

using TDifferences = std::array<std::int32_t, 4>;
using TShifts = TCellMatcher::TShifts;
using TCellPlanes = std::array<TBlockPlanes, 4>;

// Photo values (0..255) less shifts (-256..256) stay within 16 bits, so
// the whole load runs in 16-bit lanes.
std::int16_t ShiftedByte(std::uint32_t byte, std::int16_t shift)
{
    const auto v = static_cast<std::int16_t>(static_cast<std::int16_t>(byte & 0xFFu) - shift);
    return std::min<std::int16_t>(std::max<std::int16_t>(v, 0), 255);
}

// The photo's blocks shifted and clamped, in plane layout.
template <bool Mono>
void LoadShifted(const TTileFeature& photo, TShifts s, TBlockPlanes& out)
{
    const auto sB = static_cast<std::int16_t>(s.B);
    const auto sG = static_cast<std::int16_t>(s.G);
    const auto sR = static_cast<std::int16_t>(s.R);
    for (int b = 0; b < kGridBlocks; ++b) {
        const std::uint32_t word = photo.Words[static_cast<std::size_t>(kFirstGridWord + b)];
        const auto at = static_cast<std::size_t>(b);
        out.Values[at] = ShiftedByte(Mono ? word : word >> 24, sB);
        out.Values[at + kGridBlocks] = ShiftedByte(Mono ? word : word >> 16, sG);
        out.Values[at + 2 * kGridBlocks] = ShiftedByte(Mono ? word : word >> 8, sR);
    }
}

std::int32_t SquaredDistance(const TBlockPlanes& p, const TBlockPlanes& c)
{
    std::int32_t sum = 0;
    for (int i = 0; i < TBlockPlanes::kValues; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const auto d = static_cast<std::int16_t>(p.Values[at] - c.Values[at]);
        sum += d * d;
    }
    return sum;
}

// Each product of a block's squares (at most 18 bits) and a float weight is
// exact in double, so weighting the three squares together gives the same
// sums as weighting them one by one.
std::int32_t WeightedDistance(const TBlockPlanes& p, const TBlockPlanes& c, const float* weights)
{
    alignas(32) std::array<std::int32_t, kGridBlocks> squares;
    for (int b = 0; b < kGridBlocks; ++b) {
        const auto at = static_cast<std::size_t>(b);
        const auto dB = static_cast<std::int16_t>(p.Values[at] - c.Values[at]);
        const auto dG = static_cast<std::int16_t>(p.Values[at + kGridBlocks] - c.Values[at + kGridBlocks]);
        const auto dR = static_cast<std::int16_t>(p.Values[at + 2 * kGridBlocks] - c.Values[at + 2 * kGridBlocks]);
        squares[at] = dB * dB + dG * dG + dR * dR;
    }
    double acc = 0.0;
    for (int b = 0; b < kGridBlocks; ++b)
        acc += static_cast<double>(squares[static_cast<std::size_t>(b)]) * static_cast<double>(weights[b]);
    return static_cast<std::int32_t>(acc);
}

// The flags are template arguments so each variant compiles to straight
// loops without branches.
template <bool Mono, bool LeftRight, bool TopBottom, bool Weighted>
TDifferences Kernel(const TTileFeature& photo, const TCellPlanes& cell, TShifts s, const float* weights)
{
    TBlockPlanes p;
    LoadShifted<Mono>(photo, s, p);
    TDifferences d{};
    d[0] = Weighted ? WeightedDistance(p, cell[0], weights) : SquaredDistance(p, cell[0]);
    if constexpr (LeftRight)
        d[1] = SquaredDistance(p, cell[1]);
    if constexpr (TopBottom)
        d[2] = SquaredDistance(p, cell[2]);
    if constexpr (LeftRight && TopBottom)
        d[3] = SquaredDistance(p, cell[3]);
    return d;
}

using TKernel = TDifferences (*)(const TTileFeature&, const TCellPlanes&, TShifts, const float*);

constexpr std::size_t KernelIndex(bool mono, bool leftRight, bool topBottom, bool weighted)
{
    return (mono ? 8u : 0u) | (leftRight ? 4u : 0u) | (topBottom ? 2u : 0u) | (weighted ? 1u : 0u);
}

template <std::size_t... I>
constexpr std::array<TKernel, sizeof...(I)> MakeKernels(std::index_sequence<I...>)
{
    return {&Kernel<(I & 8u) != 0, (I & 4u) != 0, (I & 2u) != 0, (I & 1u) != 0>...};
}

constexpr auto kKernels = MakeKernels(std::make_index_sequence<16>{});

// Blue, green and red of a block colour, the order the shifts and planes use.
std::array<int, 3> BgrOf(TBlockColor c)
{
    return {static_cast<int>(BlockBlueOf(c)), static_cast<int>(BlockGreenOf(c)), static_cast<int>(BlockRedOf(c))};
}

} // namespace

TCellMatcher::TCellMatcher(const TTileFeature& cell, bool mono, bool allowHorzFlip, bool allowVertFlip,
                           const TWeightVector& weights)
    : TCellMatcher(allowHorzFlip, allowVertFlip)
{
    mono_ = mono;
    LoadPlanes(cell, false);
    std::copy(weights.begin() + 21, weights.end(), weights_.begin());
    unitWeights_ = std::all_of(weights_.begin(), weights_.end(), [](float w) { return w == 1.0f; });
    const std::array<int, 3> average = BgrOf(cell.Words[1]);
    cellB_ = average[0];
    cellG_ = average[1];
    cellR_ = average[2];
}

TCellMatcher TCellMatcher::ForOnePhoto(const TTileFeature& photo, bool mono, bool allowHorzFlip, bool allowVertFlip)
{
    TCellMatcher matcher(allowHorzFlip, allowVertFlip);
    matcher.LoadPlanes(photo, mono);
    return matcher;
}

void TCellMatcher::LoadPlanes(const TTileFeature& feature, bool luminance)
{
    const std::array<bool, 4> wanted = {true, allowHorzFlip_, allowVertFlip_, allowHorzFlip_ && allowVertFlip_};
    for (int a = 0; a < 4; ++a) {
        if (!wanted[static_cast<std::size_t>(a)])
            continue;
        TBlockPlanes& p = planes_[static_cast<std::size_t>(a)];
        for (int b = 0; b < kGridBlocks; ++b) {
            const int from = kFirstGridWord + ArrangedBlock(static_cast<TArrangement>(a), b);
            const TBlockColor c = feature.Words[static_cast<std::size_t>(from)];
            const int l = static_cast<int>(LuminanceOf(c));
            const std::array<int, 3> bgr = luminance ? std::array<int, 3>{l, l, l} : BgrOf(c);
            for (std::size_t x = 0; x < 3; ++x)
                p.Values[x * kGridBlocks + static_cast<std::size_t>(b)] = static_cast<std::int16_t>(bgr[x]);
        }
    }
}

TMatchResult TCellMatcher::Percent(const TTileFeature& photo, int percent) const
{
    const TBlockColor p = photo.Words[1];
    const int l = static_cast<int>(LuminanceOf(p));
    const std::array<int, 3> bgr = BgrOf(p);
    auto shift = [&](int channel, int cellValue) {
        return ((mono_ ? l : bgr[static_cast<std::size_t>(channel)]) - cellValue) * percent / 100;
    };
    return Evaluate(photo, TShifts{shift(0, cellB_), shift(1, cellG_), shift(2, cellR_)}, false);
}

TMatchResult TCellMatcher::Curve(const TTileFeature& photo, const TCurveTable& enhance) const
{
    const TBlockColor p = photo.Words[1];
    const int l = static_cast<int>(LuminanceOf(p));
    const std::array<int, 3> bgr = BgrOf(p);
    auto shift = [&](int channel, int cellValue) {
        const int d = (mono_ ? l : bgr[static_cast<std::size_t>(channel)]) - cellValue;
        return d * enhance[static_cast<std::size_t>(std::abs(d))] / 255;
    };
    // Unit weights change nothing, so the integer loop gives the same sum.
    return Evaluate(photo, TShifts{shift(0, cellB_), shift(1, cellG_), shift(2, cellR_)}, !unitWeights_);
}

TMatchResult TCellMatcher::Unshifted(const TTileFeature& cell) const
{
    return Evaluate(cell, TShifts{0, 0, 0}, false);
}

TMatchResult TCellMatcher::Evaluate(const TTileFeature& photo, TShifts shifts, bool weighted) const
{
    // Beyond +-256 every byte clamps the same way, so larger shifts (a
    // percent above 100) change nothing but would not fit the lanes.
    auto fit = [](int s) { return std::clamp(s, -256, 256); };
    shifts = TShifts{fit(shifts.B), fit(shifts.G), fit(shifts.R)};
    const TKernel kernel = kKernels[KernelIndex(mono_, allowHorzFlip_, allowVertFlip_, weighted)];
    return ChooseArrangement(kernel(photo, planes_, shifts, weights_.data()), allowHorzFlip_, allowVertFlip_);
}

} // namespace qx
