#pragma once

namespace qx {

class TqxProject07;

// Throws QuiltixError when either side is below one pixel: such a cell
// would give a mosaic of no cells or one cell per pixel.
void CheckCellSize(int cellWidth, int cellHeight);

// CellWidth and CellHeight, after CheckCellSize; a refused size leaves the
// project as it was.
void ApplyCellSize(int cellWidth, int cellHeight, TqxProject07& project);

} // namespace qx
