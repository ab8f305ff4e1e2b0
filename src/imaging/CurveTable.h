#pragma once

#include "imaging/CurvePoints.h"

namespace qx {

// Clamps every x and y to 0..255; applied wherever points enter a store or a
// project, so no table build or lookup can leave the 256 entries.
void ClampCurvePoints(TCurvePoints& points);

// Orders the points by x, ascending; points with equal x keep their order.
void SortCurvePoints(TCurvePoints& points);

// The 256-entry lookup table of a five-point curve: flat below the first
// and above the last point, linear (truncated) between neighbours. Points
// outside 0..255 are sorted, then clamped, so any input gives a full table
// with entries 0..255.
TCurveTable BuildCurveTable(const TCurvePoints& points);

} // namespace qx
