#pragma once

#include "imaging/CurvePoints.h"

#include <optional>
#include <span>

namespace qx {

// One radio button of the Beginner panel's curve presets.
struct TCurvePreset {
    const char* Radio;   // rb1..rb8
    const char* Caption; // as the radio shows it
    int Percent;         // strength named by the caption, for the command line
    TCurvePoints Points;
};

// rb1..rb4, setting EnhanceCurve; and rb5..rb8, setting AlphaCurve.
std::span<const TCurvePreset> EnhancePresets();
std::span<const TCurvePreset> AlphaPresets();

// rb3 and rb7, the 25% presets.
inline constexpr int kDefaultCurvePreset = 2;

// The index of the preset of that strength; nullopt when none has it.
std::optional<int> CurvePresetIndexOf(std::span<const TCurvePreset> presets, int percent);

} // namespace qx
