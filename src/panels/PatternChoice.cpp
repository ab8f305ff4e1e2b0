#include "panels/PatternChoice.h"

#include "layout/CountPatternCells.h"
#include "layout/MaskLibrary.h"
#include "project/TqxProject07.h"

namespace qx {

void ApplyPatternChoice(const TPatternChoice& choice, TqxProject07& project)
{
    if (choice.MaskNumber < 1 || choice.PatternNumber < 1) {
        return;
    }
    project.MaskIndex = choice.MaskNumber;
    project.PatternIndex = choice.PatternNumber;
}

TQXPattern ReadChosenPattern(const MaskLibrary& library, const TPatternChoice& choice)
{
    TQXPattern pattern;
    library.ReadPattern(choice.MaskNumber, choice.PatternNumber, pattern);
    return pattern;
}

std::int64_t CountChosenCells(const MaskLibrary& library, const TPatternChoice& choice,
                              const TqxProject07& project)
{
    return CountPatternCells(ReadChosenPattern(library, choice), project.MosaicWidth, project.MosaicHeight,
                             project.CellWidth, project.CellHeight);
}

} // namespace qx
