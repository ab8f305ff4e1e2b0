#pragma once

#include "layout/Pattern.h"

#include <cstdint>

namespace qx {

class MaskLibrary;
class TqxProject07;

// The chosen cell shape and pattern, both 1-based (the lists' item index
// plus one); 0 while the list is empty.
struct TPatternChoice {
    int MaskNumber = 1;    // cbmask
    int PatternNumber = 1; // cbpattern
};

// MaskIndex and PatternIndex from the choice; when either list is empty
// (a number below 1) the project keeps its own.
void ApplyPatternChoice(const TPatternChoice& choice, TqxProject07& project);

// The pattern record the library defines for the choice; an empty pattern
// (no layers) when it defines none.
TQXPattern ReadChosenPattern(const MaskLibrary& library, const TPatternChoice& choice);

// The cells the chosen pattern gives over the project's mosaic and cell size.
std::int64_t CountChosenCells(const MaskLibrary& library, const TPatternChoice& choice,
                              const TqxProject07& project);

} // namespace qx
