#pragma once

#include "project/TqxProject07.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qx {

// The file `name` in the project's folder (Projectpath). Throws QuiltixError
// naming the file when the project has no folder, so that no output lands in
// the working directory instead.
std::filesystem::path ProjectOutputFile(const TqxProject07& project, const std::string& name);

// The text lines, each ended by CR LF, written atomically to `file`.
void WriteTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace qx
