#include "panels/AdvancedSettings.h"

#include "imaging/CurveTable.h"
#include "panels/CellSize.h"
#include "project/TqxProject07.h"

#include <limits>

namespace qx {

namespace {

// The repeat radius spin edit has no upper limit on this panel.
constexpr int kNoRadiusLimit = std::numeric_limits<int>::max();

} // namespace

TMosaicSizeResult UpdateAdvancedProject(const TAdvancedSettings& settings, TqxProject07& project)
{
    CheckMainImageChoice(settings.MainImage);
    CheckCustomSizeTexts(settings.Size);
    CheckCellSize(settings.CellWidth, settings.CellHeight);

    project.ResetDefaults();
    ApplyMainImageChoice(settings.MainImage, project);
    TMosaicSizeResult size = RecomputeMosaicSize(TPanelKind::Advanced, settings.Size, settings.Pages,
                                                 settings.MainImage.Width, settings.MainImage.Height, project);
    ApplyCellSize(settings.CellWidth, settings.CellHeight, project);
    ApplyPatternChoice(settings.Pattern, project);

    ApplyCellBorder(settings.Border, project);
    ApplyCellRenderControls(settings.Render, project);
    ApplyMatchControls(settings.Match, kNoRadiusLimit, project);
    project.EnhanceCurve = settings.EnhanceCurve;
    project.AlphaCurve = settings.AlphaCurve;
    ClampCurvePoints(project.EnhanceCurve);
    ClampCurvePoints(project.AlphaCurve);
    return size;
}

} // namespace qx
