#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qx {

// "Add Folder" of the user's photo list: appends folder + "/" + name for
// every file whose extension, upper-cased, is ".JPG", ".BMP" or ".GIF" (not
// ".jpeg"), in name order; with `recursive`, each sub-folder is scanned at
// the point of the listing where it is met (depth first). The type of a
// file is not tested here: creation drops what is not a picture. A folder
// that cannot be listed adds nothing.
void AppendPhotoFolder(const std::filesystem::path& folder, bool recursive, std::vector<std::string>& photos);

} // namespace qx
