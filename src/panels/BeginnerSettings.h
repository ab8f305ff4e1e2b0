#pragma once

#include "panels/CellBorder.h"
#include "panels/CurvePresets.h"
#include "panels/MainImageChoice.h"
#include "panels/MosaicSize.h"
#include "panels/PatternChoice.h"

namespace qx {

class TqxProject07;

// Every option of the Beginner panel, with the panel's starting values.
struct TBeginnerSettings {
    TMainImageChoice MainImage;                                    // "Main Image" page
    TMosaicSizeControls Size = DefaultSizeControls(TPanelKind::Beginner); // "Mosaic Size" page
    int CellWidth = 48;                                            // ecw, pixels
    int CellHeight = 36;                                           // ech, pixels
    TPatternChoice Pattern;                                        // cbmask, cbpattern
    bool MonoCellPreview = false; // cbmonocells: greys the previews; the update takes MonoCellImage
    bool UseAllPhotos = false;    // cbuseall
    bool CropCellImage = true;    // cbcropcell
    bool MonoCellImage = false;   // cbmonocell
    TCellBorder Border;           // ebs, color1
    int RandomLevel = 20;         // tbrandom, 1..100
    int EnhancePreset = kDefaultCurvePreset; // rb1..rb4 as 0..3 (EnhancePresets())
    int AlphaPreset = kDefaultCurvePreset;   // rb5..rb8 as 0..3 (AlphaPresets())
};

// The Beginner panel's update: ResetDefaults, then the main image, the cell
// options, "Use All Photos", border, randomize level, the two curve presets,
// the size recomputation (PPI, mosaic, crop, one page of mosaic size, cell
// size) and the pattern choice. Every other render parameter keeps its
// default. Throws QuiltixError, before the project changes, for a preset
// index outside its table, a cell side below 1 pixel, a custom edit that is
// not a number, or a main image that exists but could not be read.
TMosaicSizeResult UpdateBeginnerProject(const TBeginnerSettings& settings, TqxProject07& project);

} // namespace qx
