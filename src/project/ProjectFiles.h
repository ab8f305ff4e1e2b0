#pragma once

#include "project/TqxProject07.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qx {

// The format version written to "project.ini" ("renderpara"/"ver").
inline constexpr int kProjectFormatVersion = 10;

// Writes "project.ini" (the four paths and the format version, keeping every
// other section and key of an existing file) and then "project.QX8" into
// the project's Projectpath, each replaced atomically. Throws QuiltixError
// when Projectpath is empty or a file cannot be written.
void SaveProjectFiles(const TqxProject07& project);

// Fills the paths and runs R1..R7 of the record from a "project.QX8" file
// and the "project.ini" beside it, and replaces `cellImageList` with the
// lines of the "imglist.lst" beside it when that exists. Projectpath and
// MainimageFilename are taken from the file's folder, so a moved project
// stays usable; a missing ini key gives "N/A". Returns false, changing
// nothing, when the file does not exist. Throws QuiltixError, changing
// nothing, when one of the files is unreadable or malformed.
bool LoadProjectFiles(TqxProject07& project, const std::filesystem::path& projectFile,
                      std::vector<std::string>& cellImageList);

// The version test a project must pass before it is loaded: the "ver" of
// the "project.ini" beside `projectFile` is 0..100, a missing file or key
// counting as 0.
bool ProjectVersionAccepted(const std::filesystem::path& projectFile);

} // namespace qx
