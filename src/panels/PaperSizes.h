#pragma once

#include "panels/PanelVariant.h"

#include <span>
#include <string_view>

namespace qx {

// One entry of the paper list. Listed sizes are multiples of 1/8 inch, so
// PPI times a side is exact. A custom row (the separator lines and the
// custom entry) takes its size from the custom edits instead.
struct TPaperSize {
    int Index;              // item index in the Beginner and Tile lists
    const char* Caption;    // as the list shows it
    const char* ShortName;  // command-line name; empty for a separator
    double ShortSideInch;   // 0 for a custom row
    double LongSideInch;    // 0 for a custom row
    bool Custom;
};

// The 22 rows of the Beginner and Tile lists, in list order.
std::span<const TPaperSize> PaperTable();

// Number of entries in the panel's paper list (the Advanced list has one
// separator more).
int PaperListCount(TPanelKind panel);

// The entry at an item index of the panel's own list; nullptr when the index
// lies outside the list (no entry selected).
const TPaperSize* PaperAt(TPanelKind panel, int listIndex);

// The caption the panel's list shows at that index (the Tile panel names its
// custom entry differently); empty outside the list.
std::string_view PaperCaption(TPanelKind panel, int listIndex);

// The index of a table row in the panel's own list.
int PaperListIndex(TPanelKind panel, int tableIndex);

// The table row whose short name matches, ignoring ASCII case ("a2", "Custom");
// nullptr for an unknown name.
const TPaperSize* PaperByShortName(std::string_view name);

} // namespace qx
