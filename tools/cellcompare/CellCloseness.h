#pragma once

#include "imaging/TBitmap32.h"

namespace qx::cellcompare {

// A grid of equal cells laid from the top-left corner; sizes in pixels.
struct TCellGrid {
    int Columns = 0;
    int Rows = 0;
    int CellWidth = 0;
    int CellHeight = 0;
};

// Distances are Euclidean distances of mean RGB colours (0..441.7),
// averaged over all cells (MeanDistance) and over the 4 x 4 sub-blocks of
// every cell (DetailDistance). Lower is closer.
struct TCellCloseness {
    int CellCount = 0;
    double MeanDistance = 0;
    double DetailDistance = 0;
};

// Compares two bitmaps of equal size cell by cell. Throws QuiltixError when
// the sizes differ, the grid does not fit inside them, or a cell is smaller
// than 4 x 4 pixels.
TCellCloseness MeasureCellCloseness(const TBitmap32& reference, const TBitmap32& mosaic, const TCellGrid& grid);

} // namespace qx::cellcompare
