#pragma once

#include "imaging/TBitmap32.h"
#include "layout/TMosaicCell.h"
#include "layout/TQXLayer.h"
#include "project/TqxProject07.h"

#include <cstdint>

namespace qx {

// What drawing a tile measured against its cell, each 0..255 except
// BlendAlpha, which is the alpha table's entry as stored.
struct TTileQuality {
    std::int32_t RawDifference = 0;   // corrected tile before the main image is blended in
    std::int32_t ColorDiffAvg = 0;    // mean absolute channel difference of the averages
    std::int32_t ColorDiffSingle = 0; // largest absolute channel difference of the averages
    std::int32_t BlendAlpha = 0;      // opacity of the main image over the tile
    std::int32_t FinalDifference = 0; // tile as drawn

    bool operator==(const TTileQuality&) const = default;
};

// A cell's tile ready to be laid onto a page: in blend mode with the
// project's resampling filter, each pixel carrying its own alpha.
struct TPreparedTile {
    TBitmap32 Tile;
    TTileQuality Quality;
};

// Throws QuiltixError unless the mosaic and cell sizes are at least one
// pixel and the resampling filter is one of the seven, which the tile
// geometry and drawing rely on.
void CheckDrawingSettings(const TqxProject07& project);

// Turns a loaded photo (LoadTilePhoto) into the cell's tile: colour
// correction, mirrors, the quality figures, the blend with the part of the
// main image under the cell, pen alpha, turn and shape cut. The main image is
// only read (its alpha and draw settings play no part), so any number of
// tiles may be prepared at once on different threads. An empty photo gives
// an empty tile with the figures of an empty picture.
TPreparedTile PrepareTile(const TqxProject07& project, const TQXLayer& layer, const TMosaicCell& cell,
                          const TBitmap32& mainImage, const TBitmap32& photo);

// RotateBitmap(tile, tile, angleDegrees, ground), with whole turns done as
// a plain lay of the tile over the ground: the same pixels in a fraction of
// the time, which matters because every tile is turned, mostly by 0.
void TurnOverGround(TBitmap32& tile, int angleDegrees, TColor32 ground);

// Stores the tile's figures in the cell and draws the tile stretched over
// the cell's rectangle of target, whose pixel (0, 0) is the page's top-left
// corner; what falls outside target is dropped.
void LayTile(const TPreparedTile& tile, TMosaicCell& cell, TBitmap32& target, const TRect& page);

} // namespace qx
