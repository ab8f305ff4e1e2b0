#pragma once

namespace qx {

class TqxProject07;

// How cell photos are cut, tinted and blended: the Advanced panel's "Cell
// Options" group without the border. The defaults are also the Tile
// panel's fixed settings.
struct TCellRenderControls {
    bool CropCellImage = true;  // cbcropcell
    bool MonoCellImage = false; // cbmonocell
    bool AllowHorzFlip = false; // cbhf
    bool AllowVertFlip = false; // cbvf
    int EnhanceLevel = 50;      // tbenhance, 0..255
    int AlphaBlendMain = 50;    // tbalphablendmain, 0..255
    int AlphaBlendPen = 255;    // tbalphablendpen, 0..255
};

// Writes the seven fields; the three levels are kept within their track
// bars' range 0..255.
void ApplyCellRenderControls(const TCellRenderControls& controls, TqxProject07& project);

} // namespace qx
