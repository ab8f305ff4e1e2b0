#include "cli/OfferedValues.h"

#include "panels/PaperSizes.h"
#include "panels/Resolutions.h"

namespace qx::cli {

namespace {

void Append(std::string& list, const std::string& item)
{
    list += (list.empty() ? "" : ", ") + item;
}

} // namespace

std::string PaperNames()
{
    std::string names;
    for (const TPaperSize& paper : PaperTable())
        if (*paper.ShortName != '\0')
            Append(names, paper.ShortName);
    return names;
}

std::string ResolutionNames()
{
    std::string names;
    for (const TResolution& row : ResolutionTable().first(kListedResolutionCount))
        Append(names, std::to_string(row.Ppi));
    return names;
}

std::string PresetNames(std::span<const TCurvePreset> presets)
{
    std::string names;
    for (const TCurvePreset& preset : presets)
        Append(names, std::to_string(preset.Percent) + " \"" + preset.Caption + "\"");
    return names;
}

std::string PresetPercents(std::span<const TCurvePreset> presets)
{
    std::string names;
    for (const TCurvePreset& preset : presets)
        Append(names, std::to_string(preset.Percent));
    return names;
}

} // namespace qx::cli
