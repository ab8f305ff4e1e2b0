#pragma once

#include "panels/PanelVariant.h"

#include <optional>
#include <span>

namespace qx {

// One entry of the resolution table.
struct TResolution {
    int Index;           // item index of the resolution list
    int Ppi;             // pixels per inch
    const char* Caption; // as the list shows it; empty for entries no list shows
};

// The nine rows, index 0..8.
std::span<const TResolution> ResolutionTable();

// Number of entries the Beginner and Advanced lists show.
inline constexpr int kListedResolutionCount = 7;
// The resolution list's starting entry, and the Tile panel's fixed one.
inline constexpr int kDefaultResolutionIndex = 1;
// The resolution used when the list has no entry selected or the index lies
// past the panel's table.
inline constexpr int kFallbackPpi = 96;

// The PPI of a list index for the panel; kFallbackPpi outside its table.
int PpiForIndex(TPanelKind panel, int listIndex);

// The list index of a PPI value within the panel's table; nullopt when the
// panel offers no such resolution.
std::optional<int> ResolutionIndexOf(TPanelKind panel, int ppi);

} // namespace qx
