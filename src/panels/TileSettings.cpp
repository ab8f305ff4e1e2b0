#include "panels/TileSettings.h"

#include "panels/CellRenderControls.h"
#include "panels/Resolutions.h"
#include "project/TqxProject07.h"

namespace qx {

namespace {

constexpr int kMaxTileRepeatRadius = 100;
// Tiles keep their own colours: both curves lie flat at a strength of 5.
constexpr TCurvePoint kFlatCurvePoint{0, 5};

TCurvePoints FlatCurve()
{
    TCurvePoints points;
    points.fill(kFlatCurvePoint);
    return points;
}

} // namespace

TMosaicSizeControls TileSizeControls(const TTileWallControls& wall)
{
    TMosaicSizeControls size = DefaultSizeControls(TPanelKind::Tile);
    size.CustomWidthText = wall.WidthText;
    size.CustomHeightText = wall.HeightText;
    size.CustomUnit = wall.Unit;
    size.Orientation = wall.Orientation;
    size.Fit = wall.Fit;
    return size;
}

TTileUpdateResult UpdateTileProject(const TTileSettings& settings, TqxProject07& project)
{
    const TMosaicSizeControls size = TileSizeControls(settings.Wall);
    CheckMainImageChoice(settings.MainImage);
    CheckCustomSizeTexts(size);
    const int ppi = PpiForIndex(TPanelKind::Tile, size.PpiIndex);
    TTileUpdateResult result;
    result.Tile = ComputeTileCellSize(settings.TileWidthText, settings.TileHeightText, settings.TileUnit, ppi);

    project.ResetDefaults();
    ApplyMainImageChoice(settings.MainImage, project);
    result.Size = RecomputeMosaicSize(TPanelKind::Tile, size, TPageOutputControls{}, settings.MainImage.Width,
                                      settings.MainImage.Height, project);
    // The smallest tile the corrections allow, 0.4 inch or 10 mm, still
    // makes a cell of 37 pixels at this panel's fixed resolution.
    if (result.Tile.Applied) {
        project.CellWidth = result.Tile.CellWidth;
        project.CellHeight = result.Tile.CellHeight;
    }
    ApplyPatternChoice(settings.Pattern, project);

    ApplyCellRenderControls(TCellRenderControls{}, project);
    ApplyMatchControls(settings.Match, kMaxTileRepeatRadius, project);
    project.EnhanceCurve = FlatCurve();
    project.AlphaCurve = FlatCurve();
    return result;
}

} // namespace qx
