#include "library/PhotoLibrary.h"

#include "library/CellGrid.h"

#include <algorithm>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

bool IsInside(const std::vector<fs::path>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

void ResetToHeadings(CellGrid& grid)
{
    grid.Clear();
    grid.SetColCount(static_cast<int>(PhotoListHeadings.size()));
    grid.SetRowCount(2);
    for (std::size_t c = 0; c < PhotoListHeadings.size(); ++c)
        grid.SetCell(static_cast<int>(c), 0, std::string(PhotoListHeadings[c]));
}

} // namespace

void InitPhotoLibs(TPhotoLibState& state, const fs::path& appFolder)
{
    state.PhotoLibsFolder = appFolder / PhotoLibsFolderName;
    state.LibraryPhotoCount = 0;
}

void ListLibraries(const TPhotoLibState& state, std::vector<fs::path>& paths, int kindFilter)
{
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(state.PhotoLibsFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.starts_with('.') && it->is_directory(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const fs::path folder = state.PhotoLibsFolder / name;
        if (kindFilter == -1 || LibraryKind(folder / LibraryConfigFileName) == kindFilter)
            paths.push_back(folder);
    }
}

void LoadLibraryPhotoList(TPhotoLibState& state, const std::vector<fs::path>& libraries, int index,
                          CellGrid& grid)
{
    ResetToHeadings(grid);
    state.LibraryPhotoCount = 0;
    if (IsInside(libraries, index)) {
        const fs::path list = libraries[static_cast<std::size_t>(index)] / PhotoListFileName;
        std::error_code ec;
        if (fs::exists(list, ec))
            grid = CellGrid::Load(list);
    }
    state.LibraryPhotoCount = std::max(0, grid.RowCount() - 2);
}

fs::path ResolvePhotoName(const TPhotoLibState& state, const std::string& name)
{
    // A name with a leading separator stays inside the library folder, as it
    // would when joined as text, instead of replacing the folder.
    return fs::path(state.CurrentLibrary.Path) / fs::path(name).relative_path();
}

std::string PhotoDisplayName(const fs::path& path)
{
    return path.filename().string();
}

std::vector<fs::path> LibraryPhotoPaths(TPhotoLibState& state, const std::vector<fs::path>& libraries, int index)
{
    if (!IsInside(libraries, index))
        return {};
    state.CurrentLibrary = ReadLibraryConfig(libraries[static_cast<std::size_t>(index)] / LibraryConfigFileName);
    state.CurrentLibraryIndex = index;
    CellGrid grid;
    LoadLibraryPhotoList(state, libraries, index, grid);
    std::vector<fs::path> photos;
    for (int r = 1; r <= grid.RowCount() - 2; ++r) {
        const std::string& name = grid.Cell(0, r);
        photos.push_back(state.CurrentLibrary.PathType == 1 ? ResolvePhotoName(state, name) : fs::path(name));
    }
    return photos;
}

} // namespace qx
