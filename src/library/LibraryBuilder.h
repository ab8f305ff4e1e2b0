#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

struct TLibraryBuildRequest {
    std::string Name;                  // the library's folder name
    std::filesystem::path PhotoFolder; // where the photos are taken from
    int Kind = 0;                      // coltype
    bool Relative = false;  // copy the photos into the library and list their names
    bool Recursive = false; // also take the photos of sub-folders
};

struct TLibraryBuildResult {
    std::filesystem::path Folder; // the finished library folder
    int PhotoCount = 0;
    std::vector<std::string> Notes; // one sentence per file left out
};

// Makes photoLibsFolder/Name with "libcfg.cfg" and "filelist.lst" listing
// every JPEG and BMP file of the photo folder (by content, whatever the
// extension) in name order. The library is assembled in a hidden sibling
// folder and renamed into place at the end, so a failure leaves no library
// behind. Throws QuiltixError for a name that is not a plain folder name,
// a library that already exists, a photo folder that is not a folder or
// holds no photos, and any file that cannot be read or written.
TLibraryBuildResult BuildPhotoLibrary(const std::filesystem::path& photoLibsFolder,
                                      const TLibraryBuildRequest& request);

// "123 KB": the size in kilobytes, rounded up.
std::string PhotoSizeText(std::uintmax_t bytes);

} // namespace qx
