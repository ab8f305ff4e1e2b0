#pragma once

#include "panels/CurvePresets.h"
#include "panels/PanelVariant.h"

#include <span>
#include <string>

namespace qx::cli {

// The values a panel list offers, as the command line names them, joined
// by ", " for help texts and refusals.

// "Letter, Legal, ..., B4, custom".
std::string PaperNames();
// The resolutions the Beginner and Advanced lists show: "72, 96, ..., 200".
std::string ResolutionNames();
// "0 \"No Enhance\", 10 \"10% Enhance\", ...".
std::string PresetNames(std::span<const TCurvePreset> presets);
// "0, 10, 25, 50".
std::string PresetPercents(std::span<const TCurvePreset> presets);

} // namespace qx::cli
