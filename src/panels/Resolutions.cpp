#include "panels/Resolutions.h"

#include <array>

namespace qx {

namespace {

constexpr std::array<TResolution, 9> kResolutions{{
    {0, 72, "72  PPI  (Computer Display Resolution -old types)"},
    {1, 96, "96  PPI  (Computer Display Resolution -common types)"},
    {2, 100, "100 PPI  (Home & Business Printer)"},
    {3, 120, "120 PPI  (Home & Business Printer)"},
    {4, 150, "150 PPI  (Professional Photo Printer)"},
    {5, 180, "180 PPI  (Professional Photo Printer)"},
    {6, 200, "200 PPI  (Professional Photo Printer)"},
    {7, 250, ""},
    {8, 300, ""},
}};

} // namespace

std::span<const TResolution> ResolutionTable()
{
    return kResolutions;
}

int PpiForIndex(TPanelKind panel, int listIndex)
{
    if (listIndex < 0 || listIndex > PanelVariantOf(panel).LastPpiIndex) {
        return kFallbackPpi;
    }
    return kResolutions[static_cast<std::size_t>(listIndex)].Ppi;
}

std::optional<int> ResolutionIndexOf(TPanelKind panel, int ppi)
{
    for (const TResolution& row : kResolutions) {
        if (row.Ppi == ppi && row.Index <= PanelVariantOf(panel).LastPpiIndex) {
            return row.Index;
        }
    }
    return std::nullopt;
}

} // namespace qx
