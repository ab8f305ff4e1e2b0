#pragma once

#include "panels/PanelVariant.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qx {
struct TPhotoLibState;
}

namespace qx::cli {

// The library folders named, as the panel's list checks them: in list
// (name) order, each once. The tile panel lists only tile libraries.
// Throws QuiltixError for a name the mode's list does not hold, naming the
// libraries it does.
std::vector<std::filesystem::path> CheckedLibraries(const TPhotoLibState& photoLibs,
                                                    const std::vector<std::string>& names, TPanelKind mode);

// The user's own photos: the lines of the photo list file (when given) as
// "Load Filelist" reads them, then each --photos entry in order: a file as
// its absolute path, a folder as "Add Folder" scans it. Throws QuiltixError
// for a list file or a photo that does not exist.
std::vector<std::string> OwnPhotos(const std::string& photoListFile, const std::vector<std::string>& photos,
                                   bool recursive);

} // namespace qx::cli
