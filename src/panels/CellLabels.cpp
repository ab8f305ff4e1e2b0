#include "panels/CellLabels.h"

#include "common/QuiltixError.h"
#include "panels/NumberText.h"

namespace qx {

namespace {

// Hundredths of an inch per pixel, and hundredths of a centimetre.
constexpr std::int64_t kInchHundredths = 100;
constexpr std::int64_t kCmHundredths = 254;

std::string LengthLabel(int pixels, std::int64_t hundredthsPerInch, int ppi, const char* unit)
{
    return FormatHundredths(pixels * hundredthsPerInch / ppi) + unit;
}

} // namespace

TCellLabels ComputeCellLabels(int cellWidth, int cellHeight, int ppi)
{
    if (ppi < 1) {
        throw QuiltixError("The resolution of " + std::to_string(ppi) +
                           " pixels per inch is too small to size a cell.");
    }
    TCellLabels labels;
    labels.WidthInch = LengthLabel(cellWidth, kInchHundredths, ppi, " Inch");
    labels.HeightInch = LengthLabel(cellHeight, kInchHundredths, ppi, " Inch");
    labels.WidthCm = LengthLabel(cellWidth, kCmHundredths, ppi, " CM");
    labels.HeightCm = LengthLabel(cellHeight, kCmHundredths, ppi, " CM");
    const bool measurable = cellWidth >= 1 && cellHeight >= 1;
    const double aspect = measurable ? static_cast<double>(cellWidth) / cellHeight : 0.0;
    labels.Aspect = "Cell Aspect Ratio = " + FormatFixed(aspect, 2);
    return labels;
}

std::string CellCountText(std::int64_t cellCount)
{
    return std::to_string(cellCount) + " cell images will be used to create final mosaic.";
}

} // namespace qx
