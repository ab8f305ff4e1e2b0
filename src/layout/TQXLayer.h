#pragma once

#include "imaging/TBitmap32.h"
#include "layout/Pattern.h"
#include "layout/TMosaicCell.h"

#include <vector>

namespace qx {

// One of the seven cell layers of a project, owned by the project record:
// a regular grid of equal cells laid out from one pattern layer.
class TQXLayer {
public:
    // The layer's cells, in build order (row by row, left to right).
    std::vector<TMosaicCell> Cells;
    // The layer is in use (copied from its pattern layer at each build).
    bool Enabled = false;
    // Assignment, drawing and counting skip an excluded layer.
    bool Excluded = false;

    // Geometry of the last build, in pixels (Columns and Rows in cells).
    int AreaWidth = 0;
    int AreaHeight = 0;
    int CellWidth = 0;
    int CellHeight = 0;
    int StepX = 0;
    int StepY = 0;
    int OffsetX = 0;
    int OffsetY = 0;
    int Columns = 0;
    int Rows = 0;

    // The pattern layer the cells were built from; drawing cuts tiles with
    // MaskBitmap only when LayerPattern.HasMaskImage is set.
    TLayerPattern LayerPattern;
    TBitmap32 MaskBitmap;

    int CellCount() const;
    // Enabled and not excluded.
    bool InUse() const { return Enabled && !Excluded; }
};

} // namespace qx
