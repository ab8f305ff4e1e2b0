#pragma once

#include <cstdint>
#include <string>

namespace qx {

// The labels of a panel's "Cell Size" page for one cell size.
struct TCellLabels {
    std::string WidthInch;  // lbcwi, "0.5 Inch"
    std::string HeightInch; // lbchi
    std::string WidthCm;    // lbcwm, "1.27 CM"
    std::string HeightCm;   // lbchm
    std::string Aspect;     // lbcaspect, "Cell Aspect Ratio = 1.33"
};

// Cell sizes in pixels at `ppi` pixels per inch, in truncated hundredths of
// an inch and of a centimetre (47 px at 96 PPI reads 0.48, not 0.49). The
// aspect reads 0.00 when either side is below one pixel. Throws QuiltixError
// for a ppi below 1.
TCellLabels ComputeCellLabels(int cellWidth, int cellHeight, int ppi);

// lbcellcount: N + " cell images will be used to create final mosaic."
std::string CellCountText(std::int64_t cellCount);

} // namespace qx
