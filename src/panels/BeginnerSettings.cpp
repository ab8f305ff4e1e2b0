#include "panels/BeginnerSettings.h"

#include "common/QuiltixError.h"
#include "panels/CellSize.h"
#include "panels/MatchControls.h"
#include "project/TqxProject07.h"

#include <algorithm>
#include <string>

namespace qx {

namespace {

// "Use All Photos": every photo at least once, and practically no cap.
constexpr int kUseAllMinRepeat = 1;
constexpr int kUseAllMaxRepeat = 999;

const TCurvePoints& PresetPoints(std::span<const TCurvePreset> presets, int index, const char* kind)
{
    if (index < 0 || static_cast<std::size_t>(index) >= presets.size()) {
        throw QuiltixError("The " + std::string(kind) + " preset " + std::to_string(index) +
                           " does not exist; choose 0 to " + std::to_string(presets.size() - 1) + ".");
    }
    return presets[static_cast<std::size_t>(index)].Points;
}

} // namespace

TMosaicSizeResult UpdateBeginnerProject(const TBeginnerSettings& settings, TqxProject07& project)
{
    const TCurvePoints& enhance = PresetPoints(EnhancePresets(), settings.EnhancePreset, "colour-enhance");
    const TCurvePoints& alpha = PresetPoints(AlphaPresets(), settings.AlphaPreset, "main-image alpha");
    CheckMainImageChoice(settings.MainImage);
    CheckCustomSizeTexts(settings.Size);
    CheckCellSize(settings.CellWidth, settings.CellHeight);

    project.ResetDefaults();
    ApplyMainImageChoice(settings.MainImage, project);
    project.MonoCellImage = settings.MonoCellImage;
    project.CropCellImage = settings.CropCellImage;
    if (settings.UseAllPhotos) {
        project.LimitRepeat = true;
        project.MaxRepeat = kUseAllMaxRepeat;
        project.MinRepeat = kUseAllMinRepeat;
    }
    ApplyCellBorder(settings.Border, project);
    project.RandomLevel = std::clamp(settings.RandomLevel, kMinRandomLevel, kMaxRandomLevel);
    project.EnhanceCurve = enhance;
    project.AlphaCurve = alpha;

    TMosaicSizeResult size = RecomputeMosaicSize(TPanelKind::Beginner, settings.Size, TPageOutputControls{},
                                                 settings.MainImage.Width, settings.MainImage.Height, project);
    ApplyCellSize(settings.CellWidth, settings.CellHeight, project);
    ApplyPatternChoice(settings.Pattern, project);
    return size;
}

} // namespace qx
