#pragma once

namespace qx {

class TqxProject07;

// The repeat and difference limits of the Advanced and Tile panels ("Cell
// Repeat Control Options" and "Advance Options"). Each panel starts from its
// own defaults (kAdvancedMatchDefaults, kTileMatchDefaults).
struct TMatchControls {
    int RepeatRadius = 1;     // seCellRadius, cell diagonals, from 0
    bool LimitRepeat = false; // cblimitrepeat
    int MaxRepeat = 20;       // ecellrepeattimeMax, from 0
    int MinRepeat = 1;        // ecellrepeattimeMin, from 0
    int RandomLevel = 20;     // tbrandom, 1..100
    int MaxColorDiffAvg = 0;    // EcolordiffAvg, from 0
    int MaxColorDiffSingle = 0; // EcolordiffSingle, from 0
    int MaxShapeDiff = 0;       // eshapediff, from 0
};

// The randomize bar's range, shared by all panels.
inline constexpr int kMinRandomLevel = 1;
inline constexpr int kMaxRandomLevel = 100;

inline constexpr TMatchControls kAdvancedMatchDefaults{1, false, 20, 1, 20, 40, 50, 30};
inline constexpr TMatchControls kTileMatchDefaults{1, false, 20, 1, 20, 50, 60, 40};

// Writes the eight fields, each kept within its control's range: the spin
// edits from 0 (the repeat radius also at most maxRepeatRadius), the
// randomize bar 1..100. A maximum repeat below the minimum is passed on
// unchanged; the assignment decides what it means.
void ApplyMatchControls(const TMatchControls& controls, int maxRepeatRadius, TqxProject07& project);

} // namespace qx
