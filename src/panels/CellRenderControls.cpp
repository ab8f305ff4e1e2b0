#include "panels/CellRenderControls.h"

#include "project/TqxProject07.h"

#include <algorithm>

namespace qx {

namespace {

constexpr int kMaxLevel = 255;

} // namespace

void ApplyCellRenderControls(const TCellRenderControls& controls, TqxProject07& project)
{
    project.CropCellImage = controls.CropCellImage;
    project.MonoCellImage = controls.MonoCellImage;
    project.AllowHorzFlip = controls.AllowHorzFlip;
    project.AllowVertFlip = controls.AllowVertFlip;
    project.EnhanceLevel = std::clamp(controls.EnhanceLevel, 0, kMaxLevel);
    project.AlphaBlendMain = std::clamp(controls.AlphaBlendMain, 0, kMaxLevel);
    project.AlphaBlendPen = std::clamp(controls.AlphaBlendPen, 0, kMaxLevel);
}

} // namespace qx
