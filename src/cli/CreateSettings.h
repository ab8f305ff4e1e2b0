#pragma once

#include "panels/AdvancedSettings.h"
#include "panels/BeginnerSettings.h"
#include "panels/TileSettings.h"

namespace qx {
class MaskLibrary;
struct CurveStore;
} // namespace qx

namespace qx::cli {

struct TCreateOptions;

// Each panel's settings from the options given: an option not given keeps
// the panel's starting value. The cell shape and pattern are checked
// against the mask library. Throws QuiltixError for a value the panel
// does not offer: an unknown paper, resolution, preset, mask or pattern, a
// custom size with a listed paper, a malformed size pair or colour, or a
// curve file that does not exist.
TBeginnerSettings BeginnerSettingsFrom(const TCreateOptions& options, const TMainImageChoice& mainImage,
                                       const MaskLibrary& masks);
// The curves start from the stores (the default curve files).
TAdvancedSettings AdvancedSettingsFrom(const TCreateOptions& options, const TMainImageChoice& mainImage,
                                       const MaskLibrary& masks, const CurveStore& curves);
TTileSettings TileSettingsFrom(const TCreateOptions& options, const TMainImageChoice& mainImage,
                               const MaskLibrary& masks);

} // namespace qx::cli
