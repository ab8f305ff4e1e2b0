#include "panels/CellSize.h"

#include "common/QuiltixError.h"
#include "project/TqxProject07.h"

#include <string>

namespace qx {

namespace {

void CheckSide(int pixels, const char* side)
{
    if (pixels < 1) {
        throw QuiltixError("The cell " + std::string(side) + " of " + std::to_string(pixels) +
                           " pixels is too small; a cell must be at least 1 pixel on each side.");
    }
}

} // namespace

void CheckCellSize(int cellWidth, int cellHeight)
{
    CheckSide(cellWidth, "width");
    CheckSide(cellHeight, "height");
}

void ApplyCellSize(int cellWidth, int cellHeight, TqxProject07& project)
{
    CheckCellSize(cellWidth, cellHeight);
    project.CellWidth = cellWidth;
    project.CellHeight = cellHeight;
}

} // namespace qx
