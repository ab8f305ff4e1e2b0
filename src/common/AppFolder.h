#pragma once

#include <filesystem>

namespace qx {

// The path of the running executable.
std::filesystem::path ExecutablePath();

// The data folder: the executable's folder when it holds masks/, otherwise
// ../share/quiltix relative to it (an installed copy).
std::filesystem::path FindAppFolder(const std::filesystem::path& executable);

} // namespace qx
