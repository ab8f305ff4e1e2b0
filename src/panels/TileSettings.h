#pragma once

#include "panels/MainImageChoice.h"
#include "panels/MatchControls.h"
#include "panels/MosaicSize.h"
#include "panels/PatternChoice.h"
#include "panels/TileCellSize.h"

#include <string>

namespace qx {

class TqxProject07;

// The wall size of the Tile panel's "Mosaic Size" page; its paper list stays
// on the custom entry and its resolution on 96 PPI.
struct TTileWallControls {
    std::string WidthText = "20";  // epwi
    std::string HeightText = "20"; // ephi
    TSizeUnit Unit = TSizeUnit::Inch;                   // cbinchmm
    TOrientation Orientation = TOrientation::Landscape; // rblandscape, RadioButton2
    TMainImageFit Fit = TMainImageFit::BestFit;         // cbmainuse
};

// Every option of the Tile panel, with the panel's starting values.
struct TTileSettings {
    TMainImageChoice MainImage;     // "Main Image" page
    std::string TileWidthText = "1";  // etilewd
    std::string TileHeightText = "1"; // etileht
    TTileUnit TileUnit = TTileUnit::Inch; // cbtileinch
    TPatternChoice Pattern;           // cbmask, cbpattern
    TTileWallControls Wall;           // "Mosaic Size" page
    bool MonoCellPreview = false; // "Monochrome (Gray Scale )": greys the previews only
    TMatchControls Match = kTileMatchDefaults; // "Tile Repeat Control Options", "Advance Options"
};

// The size page controls the Tile panel runs the size recomputation with.
TMosaicSizeControls TileSizeControls(const TTileWallControls& wall);

struct TTileUpdateResult {
    TMosaicSizeResult Size;
    TTileCellSize Tile;
};

// The Tile panel's update: ResetDefaults, the main image, the size
// recomputation on the wall (one page of mosaic size), the tile size as
// cell size at 96 PPI (left at the default 48 x 48 while a tile edit is
// still being typed), the pattern choice, the repeat and difference
// fields (repeat radius 0..100), and the fixed settings: cells cropped, in
// colour, never flipped, enhance level 50, blends 50 and 255, both curves
// five points (0, 5). Border size and colour keep their defaults. Throws
// QuiltixError, before the project changes, for a wall edit that is not a
// number, a tile too large for a cell, or a main image that exists but
// could not be read.
TTileUpdateResult UpdateTileProject(const TTileSettings& settings, TqxProject07& project);

} // namespace qx
