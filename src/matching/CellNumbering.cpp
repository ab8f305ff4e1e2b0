#include "matching/TileAssignment.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace qx {

namespace {

const TQXLayer& LayerOf(const TqxProject07& project, int k)
{
    return project.Layers.at(static_cast<std::size_t>(k - 1));
}

// The cells a layer contributes to the numbering.
int CountedCells(const TQXLayer& layer)
{
    return layer.InUse() ? std::max(layer.CellCount(), 0) : 0;
}

template <typename Predicate>
int CountCells(const TqxProject07& project, int firstLayer, int lastLayer, Predicate keep)
{
    int n = 0;
    for (int k = firstLayer; k <= lastLayer; ++k) {
        const TQXLayer& layer = LayerOf(project, k);
        if (CountedCells(layer) > 0)
            n += static_cast<int>(std::count_if(layer.Cells.begin(), layer.Cells.end(), keep));
    }
    return n;
}

} // namespace

TMosaicCell& CellAt(TqxProject07& project, TCellRef cell)
{
    return project.Layers.at(static_cast<std::size_t>(cell.Layer - 1)).Cells.at(static_cast<std::size_t>(cell.Index));
}

const TMosaicCell& CellAt(const TqxProject07& project, TCellRef cell)
{
    return LayerOf(project, cell.Layer).Cells.at(static_cast<std::size_t>(cell.Index));
}

int TotalCells(const TqxProject07& project, int firstLayer, int lastLayer)
{
    int n = 0;
    for (int k = firstLayer; k <= lastLayer; ++k)
        n += CountedCells(LayerOf(project, k));
    return n;
}

int AssignedCells(const TqxProject07& project, int firstLayer, int lastLayer)
{
    return CountCells(project, firstLayer, lastLayer, [](const TMosaicCell& c) { return c.HasPhoto; });
}

int FreeCellsOfPriority(const TqxProject07& project, int firstLayer, int lastLayer, int priority)
{
    return CountCells(project, firstLayer, lastLayer,
                      [priority](const TMosaicCell& c) { return c.Priority == priority && !c.HasPhoto; });
}

TCellRef CellOfNumber(const TqxProject07& project, int g)
{
    int before = 0;
    for (int k = 1; k <= 7 && g >= 0; ++k) {
        const int n = CountedCells(LayerOf(project, k));
        if (g < before + n)
            return TCellRef{k, g - before};
        before += n;
    }
    throw std::out_of_range("cell number " + std::to_string(g) + " lies outside the layout");
}

} // namespace qx
