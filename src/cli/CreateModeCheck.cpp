#include "cli/CreateModeCheck.h"

#include "cli/CreateOptions.h"
#include "common/QuiltixError.h"

#include <CLI/CLI.hpp>

#include <array>
#include <string>

namespace qx::cli {

namespace {

constexpr std::array<TPanelKind, 3> kModes{TPanelKind::Beginner, TPanelKind::Advanced, TPanelKind::Tile};
constexpr std::array<std::string_view, 3> kModeNames{"beginner", "advanced", "tile"};

// "advanced", "advanced or tile", "beginner, advanced or tile".
std::string ModeList(TModeSet modes)
{
    std::vector<std::string_view> names;
    for (TPanelKind mode : kModes)
        if (modes & ModeBit(mode))
            names.push_back(ModeName(mode));
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i]);
    return list;
}

} // namespace

std::span<const TPanelKind> CreateModes()
{
    return kModes;
}

std::string_view ModeName(TPanelKind mode)
{
    return kModeNames[static_cast<std::size_t>(mode)];
}

void CheckOptionsOffered(const TCreateOptions& options)
{
    for (const TOfferedOption& offered : options.Offered) {
        if (offered.Option->count() == 0 || (offered.Modes & ModeBit(options.Mode)))
            continue;
        throw QuiltixError("The option " + offered.Name + " is not offered in " + std::string(ModeName(options.Mode)) +
                           " mode; use --mode " + ModeList(offered.Modes) + ".");
    }
}

} // namespace qx::cli
