#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// The cell image list "imglist.lst": one photo path per line, 8-bit text.

// Splits at CR LF or LF; a line end after the last line is optional, empty
// lines in between are kept as empty entries.
std::vector<std::string> ParseImageList(std::string_view text);

// Throws QuiltixError naming the file when it cannot be read.
std::vector<std::string> ReadImageListFile(const std::filesystem::path& file);

// Replaces the file atomically, every line ended by CR LF. A path holding a
// CR or LF would split into two entries on reading, so it is refused, by its
// photo number, with a QuiltixError before anything is written.
void WriteImageListFile(const std::filesystem::path& file, const std::vector<std::string>& paths);

} // namespace qx
