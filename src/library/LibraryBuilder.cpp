#include "library/LibraryBuilder.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "library/CellGrid.h"
#include "library/LibraryConfig.h"

#include <algorithm>
#include <system_error>
#include <unistd.h>

namespace qx {

namespace fs = std::filesystem;

namespace {

struct TPhotoFile {
    fs::path Source;
    std::string RelativeName; // generic form, relative to the photo folder
    TImageType Type = TImageType::Other;
};

struct TTypeName {
    TImageType Type;
    const char* Name;
};
constexpr TTypeName PhotoTypeNames[] = {{TImageType::Jpeg, "JPEG"}, {TImageType::Bmp, "BMP"}};

constexpr int ListColumnWidths[] = {300, 80, 60};

const char* TypeName(TImageType type)
{
    for (const TTypeName& row : PhotoTypeNames)
        if (row.Type == type)
            return row.Name;
    return nullptr;
}

// Removes the folder unless Release() is called, so an unfinished library
// never stays behind.
class TemporaryFolder {
public:
    explicit TemporaryFolder(fs::path folder) : folder_(std::move(folder)) {}
    ~TemporaryFolder()
    {
        if (!folder_.empty()) {
            std::error_code ignored;
            fs::remove_all(folder_, ignored);
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    void Release() { folder_.clear(); }

private:
    fs::path folder_;
};

fs::path AbsoluteFolder(const fs::path& folder)
{
    fs::path p = fs::absolute(folder).lexically_normal();
    return p.has_filename() ? p : p.parent_path();
}

void CheckRequest(const fs::path& photoLibsFolder, const TLibraryBuildRequest& request)
{
    const std::string& name = request.Name;
    if (name.empty() || name.starts_with('.') || name.find_first_of("/\\") != std::string::npos)
        throw QuiltixError("The library name \"" + name +
                           "\" must be a plain folder name: not empty, without path separators and not "
                           "starting with a dot.");
    std::error_code ec;
    if (!fs::is_directory(request.PhotoFolder, ec))
        throw QuiltixError("The photo folder " + QuotedPath(request.PhotoFolder) +
                           " does not exist or is not a folder.");
    if (fs::exists(fs::symlink_status(photoLibsFolder / name, ec)))
        throw QuiltixError("The photo library \"" + name + "\" already exists in " + QuotedPath(photoLibsFolder) +
                           ".");
}

template <typename Iterator>
std::vector<fs::path> RegularFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (Iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            files.push_back(it->path());
    }
    if (ec)
        throw QuiltixError("The photo folder " + QuotedPath(folder) + " cannot be read: " + ec.message() + ".");
    return files;
}

// Every file of the folder in name order, each with its type by content.
std::vector<TPhotoFile> ScanPhotoFolder(const fs::path& folder, bool recursive)
{
    const std::vector<fs::path> files = recursive ? RegularFiles<fs::recursive_directory_iterator>(folder)
                                                  : RegularFiles<fs::directory_iterator>(folder);
    std::vector<TPhotoFile> scanned;
    for (const fs::path& file : files)
        scanned.push_back({file, file.lexically_relative(folder).generic_string(), DetectImageType(file)});
    std::sort(scanned.begin(), scanned.end(),
              [](const TPhotoFile& a, const TPhotoFile& b) { return a.RelativeName < b.RelativeName; });
    return scanned;
}

bool IsReservedName(const std::string& relativeName)
{
    return relativeName == LibraryConfigFileName || relativeName == PhotoListFileName;
}

// Keeps the photos a library can list and notes every file left out.
std::vector<TPhotoFile> SelectPhotos(std::vector<TPhotoFile> scanned, bool relative, std::vector<std::string>& notes)
{
    std::vector<TPhotoFile> photos;
    for (TPhotoFile& file : scanned) {
        if (!TypeName(file.Type))
            notes.push_back("The file " + QuotedPath(file.Source) +
                            " is neither a JPEG nor a BMP picture and is left out.");
        else if (relative && IsReservedName(file.RelativeName))
            notes.push_back("The photo " + QuotedPath(file.Source) +
                            " is left out: its name is reserved for the library's own files.");
        else
            photos.push_back(std::move(file));
    }
    return photos;
}

void CopyPhoto(const TPhotoFile& photo, const fs::path& libraryFolder)
{
    const fs::path target = libraryFolder / fs::path(photo.RelativeName);
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec)
        throw QuiltixError("The folder " + QuotedPath(target.parent_path()) + " cannot be created: " +
                           ec.message() + ".");
    WriteFileAtomically(target, ReadWholeFile(photo.Source));
}

CellGrid MakePhotoList(const std::vector<TPhotoFile>& photos, const fs::path& photoFolder, bool relative)
{
    CellGrid grid(static_cast<int>(std::size(ListColumnWidths)), static_cast<int>(photos.size()) + 2);
    for (int c = 0; c < grid.ColCount(); ++c) {
        grid.SetColumnWidth(c, ListColumnWidths[c]);
        grid.SetCell(c, 0, std::string(PhotoListHeadings[static_cast<std::size_t>(c)]));
    }
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const TPhotoFile& photo = photos[i];
        const int row = static_cast<int>(i) + 1;
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(photo.Source, ec);
        if (ec)
            throw QuiltixError("The photo " + QuotedPath(photo.Source) + " cannot be read: " + ec.message() + ".");
        grid.SetCell(0, row, relative ? photo.RelativeName : (photoFolder / fs::path(photo.RelativeName)).string());
        grid.SetCell(1, row, PhotoSizeText(size));
        grid.SetCell(2, row, TypeName(photo.Type));
    }
    return grid;
}

fs::path CreateBuildFolder(const fs::path& photoLibsFolder, const std::string& name)
{
    const fs::path folder = photoLibsFolder / ("." + name + ".building-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    if (ec)
        throw QuiltixError("The folder " + QuotedPath(folder) + " cannot be created: " + ec.message() + ".");
    return folder;
}

} // namespace

std::string PhotoSizeText(std::uintmax_t bytes)
{
    return std::to_string(bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0)) + " KB";
}

TLibraryBuildResult BuildPhotoLibrary(const fs::path& photoLibsFolder, const TLibraryBuildRequest& request)
{
    CheckRequest(photoLibsFolder, request);
    const fs::path photoFolder = AbsoluteFolder(request.PhotoFolder);
    TLibraryBuildResult result;
    result.Folder = photoLibsFolder / request.Name;
    const std::vector<TPhotoFile> photos =
        SelectPhotos(ScanPhotoFolder(photoFolder, request.Recursive), request.Relative, result.Notes);
    if (photos.empty())
        throw QuiltixError("The photo folder " + QuotedPath(photoFolder) + " holds no JPEG or BMP photos.");

    const fs::path building = CreateBuildFolder(photoLibsFolder, request.Name);
    TemporaryFolder guard(building);
    if (request.Relative)
        for (const TPhotoFile& photo : photos)
            CopyPhoto(photo, building);
    MakePhotoList(photos, photoFolder, request.Relative).Save(building / PhotoListFileName);

    Tlibcfg config;
    config.colname = request.Name;
    config.coltype = request.Kind;
    config.PhotoCount = static_cast<int>(photos.size());
    config.PathType = request.Relative ? 1 : 0;
    config.Path = request.Relative ? AbsoluteFolder(result.Folder).string() : photoFolder.string();
    WriteLibraryConfig(building / LibraryConfigFileName, config);

    std::error_code ec;
    fs::rename(building, result.Folder, ec);
    if (ec)
        throw QuiltixError("The photo library folder " + QuotedPath(result.Folder) + " cannot be created: " +
                           ec.message() + ".");
    guard.Release();
    result.PhotoCount = config.PhotoCount;
    return result;
}

} // namespace qx
