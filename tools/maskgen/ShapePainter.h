#pragma once

#include "MaskCatalogue.h"

#include "imaging/TBitmap32.h"

namespace qx::maskgen {

// A size x size mask picture: white inside the shape, black outside.
TBitmap32 PaintMaskPicture(Shape shape, int size);

// A size x size picture of one shape at its regular aspect ratio, filled
// and outlined on a light ground.
TBitmap32 PaintMaskOverview(const MaskDef& mask, int size);

// A size x size picture of the pattern's cells on a light ground, laid out
// as the mosaic layout places them on an area of that size, each cell's
// shape filled in a colour that differs from its neighbours'.
TBitmap32 PaintPatternOverview(const PatternDef& pattern, int size);

} // namespace qx::maskgen
