#include "panels/CurvePresets.h"

#include <array>

namespace qx {

namespace {

constexpr std::array<TCurvePreset, 4> kEnhancePresets{{
    {"rb1", "No Enhance", 0, {{{0, 0}, {50, 0}, {60, 0}, {70, 0}, {80, 0}}}},
    {"rb2", "10% Enhance", 10, {{{6, 190}, {41, 134}, {76, 98}, {135, 66}, {201, 51}}}},
    {"rb3", "25% Enhance (Default) ", 25, {{{9, 255}, {50, 190}, {101, 141}, {151, 108}, {212, 90}}}},
    {"rb4", "50% Enhance", 50, {{{9, 255}, {63, 199}, {97, 179}, {161, 154}, {210, 137}}}},
}};

constexpr std::array<TCurvePreset, 4> kAlphaPresets{{
    {"rb5", "0", 0, {{{0, 0}, {50, 0}, {60, 0}, {70, 0}, {80, 0}}}},
    {"rb6", "10%", 10, {{{0, 0}, {20, 8}, {42, 13}, {75, 17}, {150, 19}}}},
    {"rb7", "25%  (Default)", 25, {{{9, 0}, {20, 20}, {36, 39}, {51, 50}, {121, 69}}}},
    {"rb8", "50%", 50, {{{10, 47}, {39, 70}, {62, 101}, {103, 128}, {158, 146}}}},
}};

} // namespace

std::span<const TCurvePreset> EnhancePresets()
{
    return kEnhancePresets;
}

std::span<const TCurvePreset> AlphaPresets()
{
    return kAlphaPresets;
}

std::optional<int> CurvePresetIndexOf(std::span<const TCurvePreset> presets, int percent)
{
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (presets[i].Percent == percent) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

} // namespace qx
