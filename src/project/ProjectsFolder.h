#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(std::string_view name);

// The user's documents folder: $XDG_DOCUMENTS_DIR when set, else the
// XDG_DOCUMENTS_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (default
// $HOME/.config/user-dirs.dirs), else $HOME/Documents. Throws QuiltixError
// when neither XDG_DOCUMENTS_DIR nor HOME is set.
std::filesystem::path DocumentsFolder(const EnvironmentLookup& environment);

// documentsFolder / "MosaicProject", created when missing. Throws
// QuiltixError naming the folder when it cannot be created.
std::filesystem::path ProjectsFolder(const std::filesystem::path& documentsFolder);

// The projects folder inside the user's documents folder.
std::filesystem::path ProjectsFolder();

} // namespace qx
