#pragma once

#include "MaskCatalogue.h"

#include "imaging/TBitmap32.h"

#include <vector>

namespace qx::maskgen {

struct PlacedCell {
    TRect Rect;
    int Column;
    int Row;
};

// The cell rectangles the mosaic layout gives one layer on an area of
// width x height pixels with cells of cellWidth x cellHeight: a cell
// wherever a whole step fits, counted from the area's left and top edges,
// then the whole grid shifted by the offsets. Row by row, left to right.
std::vector<PlacedCell> LayerCells(const LayerDef& layer, int width, int height, int cellWidth, int cellHeight);

} // namespace qx::maskgen
