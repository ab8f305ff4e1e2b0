#include "cli/CellPhotoChoice.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "library/LibraryConfig.h"
#include "library/PhotoLibrary.h"
#include "panels/PhotoFolderScan.h"
#include "project/ImageListFile.h"

#include <algorithm>
#include <system_error>

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

std::string NameList(const std::vector<fs::path>& libraries)
{
    std::string list;
    for (const fs::path& library : libraries)
        list += (list.empty() ? "" : ", ") + PhotoDisplayName(library);
    return list;
}

bool Named(const std::vector<std::string>& names, const fs::path& library)
{
    return std::find(names.begin(), names.end(), PhotoDisplayName(library)) != names.end();
}

bool Lists(const std::vector<fs::path>& libraries, const std::string& name)
{
    return std::any_of(libraries.begin(), libraries.end(),
                       [&](const fs::path& library) { return PhotoDisplayName(library) == name; });
}

[[noreturn]] void RefuseLibrary(const TPhotoLibState& photoLibs, const std::string& name,
                                const std::vector<fs::path>& offered, TPanelKind mode)
{
    const bool tile = mode == TPanelKind::Tile;
    std::vector<fs::path> all;
    ListLibraries(photoLibs, all, -1);
    const std::string plural = tile ? "tile libraries" : "photo libraries";
    const std::string problem =
        tile && Lists(all, name)
            ? "The photo library \"" + name + "\" is not a tile library (kind " + std::to_string(TileLibraryKind) + ")"
            : "The " + std::string(tile ? "tile" : "photo") + " library \"" + name + "\" does not exist in " +
                  QuotedPath(photoLibs.PhotoLibsFolder);
    throw QuiltixError(problem + "; " +
                       (offered.empty() ? "there are no " + plural + "." : "the known " + plural + " are " +
                                                                                 NameList(offered) + "."));
}

fs::path AbsolutePath(const std::string& path)
{
    return fs::absolute(fs::path(path)).lexically_normal();
}

} // namespace

std::vector<fs::path> CheckedLibraries(const TPhotoLibState& photoLibs, const std::vector<std::string>& names,
                                       TPanelKind mode)
{
    std::vector<fs::path> offered;
    ListLibraries(photoLibs, offered, mode == TPanelKind::Tile ? TileLibraryKind : -1);
    for (const std::string& name : names)
        if (!Lists(offered, name))
            RefuseLibrary(photoLibs, name, offered, mode);
    std::vector<fs::path> checked;
    std::copy_if(offered.begin(), offered.end(), std::back_inserter(checked),
                 [&](const fs::path& library) { return Named(names, library); });
    return checked;
}

std::vector<std::string> OwnPhotos(const std::string& photoListFile, const std::vector<std::string>& photos,
                                   bool recursive)
{
    std::vector<std::string> own;
    std::error_code ec;
    if (!photoListFile.empty()) {
        if (!fs::is_regular_file(photoListFile, ec))
            throw QuiltixError("The photo list " + QuotedPath(photoListFile) + " does not exist.");
        own = ReadImageListFile(photoListFile);
    }
    for (const std::string& photo : photos) {
        const fs::path path = AbsolutePath(photo);
        if (fs::is_directory(path, ec))
            AppendPhotoFolder(path, recursive, own);
        else if (fs::is_regular_file(path, ec))
            own.push_back(path.string());
        else
            throw QuiltixError("The photo " + QuotedPath(photo) + " does not exist.");
    }
    return own;
}

} // namespace qx::cli
