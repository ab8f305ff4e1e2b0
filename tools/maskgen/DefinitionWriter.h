#pragma once

#include "MaskCatalogue.h"

#include <filesystem>
#include <vector>

namespace qx::maskgen {

// Writes the mask definitions ("patterndefine.ini") for the given masks to
// file, replacing it atomically.
void WriteDefinitions(const std::vector<MaskDef>& masks, const std::filesystem::path& file);

} // namespace qx::maskgen
