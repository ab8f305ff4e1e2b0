#include "panels/CellBorder.h"

#include "project/TqxProject07.h"

#include <algorithm>

namespace qx {

void ApplyCellBorder(const TCellBorder& border, TqxProject07& project)
{
    project.BorderSize = std::clamp(border.Size, 0, kMaxBorderSize);
    project.BorderColor = border.Color & 0xFFFFFFu;
}

} // namespace qx
