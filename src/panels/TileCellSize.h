#pragma once

#include <string>
#include <string_view>

namespace qx {

enum class TTileUnit { Inch, Millimetre }; // cbtileinch "inch", "mm"

// The Tile panel's tile size turned into a cell size.
struct TTileCellSize {
    // False while an edit is empty or reads exactly "0" or "0." (the user is
    // still typing); nothing else is set then and nothing may change.
    bool Applied = false;
    std::string WidthText;  // etilewd after the corrections
    std::string HeightText; // etileht
    int CellWidth = 0;      // lbtwp, pixels
    int CellHeight = 0;     // lbthp
    // Both sides are at least one pixel: lbcellcount shows the count of the
    // chosen pattern; otherwise it keeps its text.
    bool CountShown = false;
    std::string AspectLabel; // lbcaspect, "Cell Aspect Ratio = 2.0000"
};

// Largest cell side a tile may give, in pixels.
inline constexpr int kMaxTileCellPixels = 32768;

// A text that is not a number becomes "1"; then a tile below 0.4 inch (or
// 10 mm) becomes "0.4" (or "10"). The cell is Trunc(ppi x side in inches).
// Throws QuiltixError for a tile so large that its cell would exceed
// kMaxTileCellPixels, or for a ppi below 1.
TTileCellSize ComputeTileCellSize(std::string_view widthText, std::string_view heightText, TTileUnit unit,
                                  int ppi);

} // namespace qx
