#pragma once

#include "layout/Pattern.h"

#include <cstdint>

namespace qx {

// The number of cells the pattern's enabled layer records give over a
// mosaic of mosaicWidth x mosaicHeight pixels with cells of cellWidth x
// cellHeight, without building anything: per layer (W div StepX) x
// (H div StepY) with StepX = Trunc(cellWidth x HorzFactor), StepY likewise.
// A layer whose step would be below one pixel (zero, negative or not a
// number) gives no cells, as does a mosaic side below one pixel.
std::int64_t CountPatternCells(const TQXPattern& pattern, int mosaicWidth, int mosaicHeight, int cellWidth,
                               int cellHeight);

} // namespace qx
