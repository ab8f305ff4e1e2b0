#pragma once

#include "common/QuiltixError.h"

#include <filesystem>
#include <string>

namespace qx {

// The error for a bad bitmap file: "The BMP file "<file>" <fault>."
QuiltixError BmpError(const std::filesystem::path& file, const std::string& fault);

} // namespace qx
