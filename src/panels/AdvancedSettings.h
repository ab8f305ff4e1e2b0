#pragma once

#include "imaging/CurvePoints.h"
#include "panels/CellBorder.h"
#include "panels/CellRenderControls.h"
#include "panels/MainImageChoice.h"
#include "panels/MatchControls.h"
#include "panels/MosaicSize.h"
#include "panels/PatternChoice.h"

namespace qx {

class TqxProject07;

// Every option of the Advanced panel, with the panel's starting values.
struct TAdvancedSettings {
    TMainImageChoice MainImage;                                          // "Main Image" page
    TMosaicSizeControls Size = DefaultSizeControls(TPanelKind::Advanced); // "Mosaic Size" page
    int CellWidth = 48;                                                  // ecw, pixels
    int CellHeight = 36;                                                 // ech, pixels
    TPatternChoice Pattern;                                              // cbmask, cbpattern
    bool MonoCellPreview = false; // cbmonocells: greys the previews; the update takes Render.MonoCellImage
    TCellRenderControls Render;   // "Cell Options" group
    TCellBorder Border;           // ebs, color1
    TMatchControls Match = kAdvancedMatchDefaults; // "Cell Repeat Control Options", "Advance Options"
    TPageOutputControls Pages;    // "MultiPage Output" group
    // The program-wide curve stores (EnhancePoints, AlphaPoints) as the
    // curve editor or the default curve files left them.
    TCurvePoints EnhanceCurve{};
    TCurvePoints AlphaCurve{};
};

// The Advanced panel's update: ResetDefaults, the main image, the size
// recomputation with the page output (single page: the mosaic size; multi
// page: the page edits, at least 1 pixel), the cell size, the pattern
// choice, every "Render Option" field, and the two curves clamped to
// 0..255. Throws QuiltixError, before the project changes, for a cell side
// below 1 pixel, a custom edit that is not a number, or a main image that
// exists but could not be read.
TMosaicSizeResult UpdateAdvancedProject(const TAdvancedSettings& settings, TqxProject07& project);

} // namespace qx
