#pragma once

#include "library/LibraryConfig.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qx {

class CellGrid;

// The program-wide photo library state: the root of the libraries, the
// library being read at the moment and the size of the last list loaded.
struct TPhotoLibState {
    std::filesystem::path PhotoLibsFolder;
    Tlibcfg CurrentLibrary;
    int CurrentLibraryIndex = -1; // position in the caller's library list
    int LibraryPhotoCount = 0;    // photos in the last list loaded into a grid
};

// Points the state at appFolder/PhotoLibs and forgets the last list's count.
void InitPhotoLibs(TPhotoLibState& state, const std::filesystem::path& appFolder);

// Appends the full path of every library folder under PhotoLibsFolder, in
// name order so the result does not depend on the file system. kindFilter
// -1 lists every library, any other value only those of that coltype.
// Hidden folders (a leading dot) are not libraries; an unfinished library
// build lives in one. A missing root lists nothing.
void ListLibraries(const TPhotoLibState& state, std::vector<std::filesystem::path>& paths, int kindFilter);

// Empties the grid to the heading row and one empty row, then, when index
// names an entry of libraries whose "filelist.lst" exists, loads that list.
// LibraryPhotoCount becomes the grid's photo rows (row count - 2, never
// below 0). A malformed list throws QuiltixError and leaves the empty grid.
void LoadLibraryPhotoList(TPhotoLibState& state, const std::vector<std::filesystem::path>& libraries,
                          int index, CellGrid& grid);

// The current library's Path joined with a relative photo name.
std::filesystem::path ResolvePhotoName(const TPhotoLibState& state, const std::string& name);

// The file name part of a path.
std::string PhotoDisplayName(const std::filesystem::path& path);

// Makes libraries[index] the current library and returns the full path of
// every photo its list names, in list order (unchecked: callers test the
// image type). An index outside the list gives no photos.
std::vector<std::filesystem::path> LibraryPhotoPaths(TPhotoLibState& state,
                                                     const std::vector<std::filesystem::path>& libraries,
                                                     int index);

} // namespace qx
