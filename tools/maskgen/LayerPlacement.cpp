#include "LayerPlacement.h"

namespace qx::maskgen {

std::vector<PlacedCell> LayerCells(const LayerDef& layer, int width, int height, int cellWidth, int cellHeight)
{
    // Conversions truncate towards zero, as the layout does.
    const int stepX = static_cast<int>(cellWidth * layer.HorzFactor);
    const int stepY = static_cast<int>(cellHeight * layer.VertFactor);
    const int offsetX = static_cast<int>(cellWidth * layer.HorzOffset);
    const int offsetY = static_cast<int>(cellHeight * layer.VertOffset);
    std::vector<PlacedCell> cells;
    if (stepX <= 0 || stepY <= 0)
        return cells;
    const int columns = width / stepX;
    const int rows = height / stepY;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col) {
            const int x = col * stepX + offsetX;
            const int y = row * stepY + offsetY;
            cells.push_back({{x, y, x + cellWidth, y + cellHeight}, col, row});
        }
    return cells;
}

} // namespace qx::maskgen
