#include "panels/MatchControls.h"

#include "project/TqxProject07.h"

#include <algorithm>

namespace qx {

namespace {

int AtLeastZero(int value)
{
    return std::max(0, value);
}

} // namespace

void ApplyMatchControls(const TMatchControls& controls, int maxRepeatRadius, TqxProject07& project)
{
    project.RepeatRadius = std::clamp(controls.RepeatRadius, 0, maxRepeatRadius);
    project.LimitRepeat = controls.LimitRepeat;
    project.MaxRepeat = AtLeastZero(controls.MaxRepeat);
    project.MinRepeat = AtLeastZero(controls.MinRepeat);
    project.RandomLevel = std::clamp(controls.RandomLevel, kMinRandomLevel, kMaxRandomLevel);
    project.MaxColorDiffAvg = AtLeastZero(controls.MaxColorDiffAvg);
    project.MaxColorDiffSingle = AtLeastZero(controls.MaxColorDiffSingle);
    project.MaxShapeDiff = AtLeastZero(controls.MaxShapeDiff);
}

} // namespace qx
