#include "layout/TQXLayer.h"

namespace qx {

int TQXLayer::CellCount() const
{
    return static_cast<int>(Cells.size());
}

} // namespace qx
