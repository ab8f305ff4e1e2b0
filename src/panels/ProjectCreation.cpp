#include "panels/ProjectCreation.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "library/CellGrid.h"
#include "library/LibraryConfig.h"
#include "library/PhotoLibrary.h"
#include "library/TileIndex.h"
#include "project/ImageListFile.h"
#include "project/ProjectFiles.h"
#include "render/Session.h"

#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

bool KnownPicture(const fs::path& file)
{
    return DetectImageType(file) != TImageType::Other;
}

void CheckMainImage(const TqxProject07& project)
{
    const fs::path mainImage = project.OrgMainimageFilename;
    std::error_code ec;
    if (project.OrgMainimageFilename.empty() || !fs::is_regular_file(mainImage, ec))
        throw QuiltixError(project.OrgMainimageFilename.empty()
                               ? "No main image has been chosen; please load a JPEG or BMP picture as the main image."
                               : "The main image " + QuotedPath(mainImage) + " does not exist.");
    if (!KnownPicture(mainImage))
        throw QuiltixError("The main image " + QuotedPath(mainImage) + " is neither a JPEG nor a BMP picture.");
}

struct TFileNameParts {
    std::string Base;
    std::string Extension; // with its dot, in the letter case of the name
};

// The extension runs from the last dot of the file name on, also when that
// dot starts the name (".jpg" has an empty base), where path::stem() would
// take the whole name as the base and leave no extension.
TFileNameParts SplitFileName(const fs::path& file)
{
    const std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {name, ""};
    return {name.substr(0, dot), name.substr(dot)};
}

// A second creation within one second gets a fresh folder rather than the
// previous project's.
fs::path FreshFolder(const fs::path& parent, const std::string& name, std::string& finalName)
{
    std::error_code ec;
    finalName = name;
    for (int n = 2; fs::exists(parent / finalName, ec); ++n)
        finalName = name + "-" + std::to_string(n);
    return parent / finalName;
}

void MakeFolderWithMainImage(const fs::path& folder, const fs::path& mainImage, const fs::path& copy)
{
    std::error_code ec;
    if (!fs::create_directory(folder, ec))
        throw QuiltixError("The project folder " + QuotedPath(folder) + " cannot be created" +
                           (ec ? ": " + ec.message() : std::string()) + ".");
    fs::copy_file(mainImage, copy, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fs::remove_all(folder, ec);
        throw QuiltixError("The main image " + QuotedPath(mainImage) + " cannot be copied into the project folder.");
    }
}

} // namespace

std::string CreationTimeStamp(const std::tm& t)
{
    return std::to_string(t.tm_year + 1900) + "-" + std::to_string(t.tm_mon + 1) + "-" + std::to_string(t.tm_mday) +
           "-" + std::to_string(t.tm_hour) + "-" + std::to_string(t.tm_min) + "-" + std::to_string(t.tm_sec);
}

int SelectedPhotoCount(const TProjectCreation& request)
{
    long long count = static_cast<long long>(request.OwnPhotos.size());
    for (const fs::path& library : request.Libraries)
        count += ReadLibraryConfig(library / "libcfg.cfg").PhotoCount;
    return static_cast<int>(std::min<long long>(count, INT32_MAX));
}

std::vector<std::string> BuildRenderList(Session& session, const TProjectCreation& request)
{
    std::vector<std::string> list;
    for (std::size_t i = 0; i < request.Libraries.size(); ++i)
        for (const fs::path& photo : LibraryPhotoPaths(session.PhotoLibs, request.Libraries, static_cast<int>(i)))
            if (KnownPicture(photo))
                list.push_back(photo.string());
    for (const std::string& photo : request.OwnPhotos)
        if (KnownPicture(photo))
            list.push_back(photo);
    return list;
}

fs::path CreateProject(Session& session, TqxProject07& panelProject, const TProjectCreation& request)
{
    if (SelectedPhotoCount(request) <= 0)
        throw QuiltixError("You have not load any images for cells");
    CheckMainImage(panelProject);
    std::vector<std::string> renderList = BuildRenderList(session, request);
    if (renderList.empty())
        throw QuiltixError("None of the chosen cell photos is a JPEG or BMP picture.");
    TileIndex::CheckPhotoCount(static_cast<int>(renderList.size()));

    const fs::path mainImage = panelProject.OrgMainimageFilename;
    const TFileNameParts parts = SplitFileName(mainImage);
    std::string name;
    const fs::path folder =
        FreshFolder(request.ProjectsDirectory, parts.Base + "-" + CreationTimeStamp(request.LocalTime), name);
    const fs::path copy = folder / ("mainimage" + parts.Extension);
    MakeFolderWithMainImage(folder, mainImage, copy);
    panelProject.MainimageFilename = copy.string();
    panelProject.Projectpath = folder.string();
    panelProject.Projectname = name;
    panelProject.ProjectStage = 0;
    WriteImageListFile(folder / "imglist.lst", renderList);

    session.RenderCellImgList = std::move(renderList);
    session.CurrentProject.CopySettingsFrom(panelProject);
    SaveProjectFiles(session.CurrentProject);
    return folder;
}

} // namespace qx
