#include "panels/TileCellSize.h"

#include "common/QuiltixError.h"
#include "panels/NumberText.h"

#include <array>

namespace qx {

namespace {

struct TTileUnitRow {
    TTileUnit Unit;
    const char* Name;
    double Minimum;          // smaller tiles are set to this
    const char* MinimumText;
    // inches = value / FirstDivisor / SecondDivisor, in that order:
    // millimetres go through centimetres, as the panel converts them.
    double FirstDivisor;
    double SecondDivisor;
};

constexpr std::array<TTileUnitRow, 2> kTileUnits{{
    {TTileUnit::Inch, "inch", 0.4, "0.4", 1.0, 1.0},
    {TTileUnit::Millimetre, "mm", 10.0, "10", 10.0, 2.54},
}};

constexpr const char* kNotNumberReplacement = "1";

bool StillTyping(std::string_view text)
{
    return text.empty() || text == "0" || text == "0.";
}

std::string CorrectedText(std::string_view text, const TTileUnitRow& unit)
{
    const auto value = ParseEditNumber(text);
    const std::string number = value ? std::string(text) : kNotNumberReplacement;
    return *ParseEditNumber(number) < unit.Minimum ? unit.MinimumText : number;
}

int CellPixels(const std::string& text, const TTileUnitRow& unit, int ppi, const char* side)
{
    const double inches = *ParseEditNumber(text) / unit.FirstDivisor / unit.SecondDivisor;
    const double pixels = ppi * inches;
    if (pixels > kMaxTileCellPixels) {
        throw QuiltixError("The tile " + std::string(side) + " of " + text + " " + unit.Name +
                           " is too large: a tile cell may be at most " + std::to_string(kMaxTileCellPixels) +
                           " pixels.");
    }
    return static_cast<int>(pixels);
}

} // namespace

TTileCellSize ComputeTileCellSize(std::string_view widthText, std::string_view heightText, TTileUnit unit,
                                  int ppi)
{
    TTileCellSize result;
    if (StillTyping(widthText) || StillTyping(heightText)) {
        return result;
    }
    if (ppi < 1) {
        throw QuiltixError("The resolution of " + std::to_string(ppi) +
                           " pixels per inch is too small to size a tile.");
    }
    const TTileUnitRow& row = kTileUnits[static_cast<std::size_t>(unit)];
    result.Applied = true;
    result.WidthText = CorrectedText(widthText, row);
    result.HeightText = CorrectedText(heightText, row);
    result.CellWidth = CellPixels(result.WidthText, row, ppi, "width");
    result.CellHeight = CellPixels(result.HeightText, row, ppi, "height");
    result.CountShown = result.CellWidth >= 1 && result.CellHeight >= 1;
    const double aspect = result.CountShown ? static_cast<double>(result.CellWidth) / result.CellHeight : 0.0;
    result.AspectLabel = "Cell Aspect Ratio = " + FormatFixed(aspect, 4);
    return result;
}

} // namespace qx
