#include "project/ProjectFiles.h"

#include "common/IniFile.h"
#include "common/QuiltixError.h"
#include "project/ImageListFile.h"
#include "project/ProjectBinaryFile.h"
#include "project/ProjectFileNames.h"

#include <optional>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPathSection = "pathpara";
constexpr const char* kRenderSection = "renderpara";
constexpr const char* kVersionKey = "ver";
constexpr const char* kMissingValue = "N/A";

// Stored paths may come from a system with either separator, so both end
// the folder part; "N/A" thereby has no extension.
std::string ExtensionOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::optional<std::vector<std::string>> ReadImageListIfPresent(const fs::path& file)
{
    std::error_code ec;
    if (!fs::exists(file, ec))
        return std::nullopt;
    return ReadImageListFile(file);
}

} // namespace

void SaveProjectFiles(const TqxProject07& project)
{
    if (project.Projectpath.empty())
        throw QuiltixError("The project has no project folder, so its files cannot be saved.");
    const fs::path folder(project.Projectpath);
    const fs::path iniFile = folder / kProjectIniFileName;
    IniFile ini = IniFile::Load(iniFile);
    ini.WriteString(kPathSection, "Projectpath", project.Projectpath);
    ini.WriteString(kPathSection, "Projectname", project.Projectname);
    ini.WriteString(kPathSection, "MainimageFilename", project.MainimageFilename);
    ini.WriteString(kPathSection, "OrgMainimageFilename", project.OrgMainimageFilename);
    ini.WriteInteger(kRenderSection, kVersionKey, kProjectFormatVersion);
    ini.Save(iniFile);
    WriteProjectBinaryFile(folder / kProjectBinaryFileName, project);
}

bool LoadProjectFiles(TqxProject07& project, const fs::path& projectFile, std::vector<std::string>& cellImageList)
{
    std::error_code ec;
    if (!fs::exists(projectFile, ec))
        return false;
    const fs::path folder = fs::absolute(projectFile).lexically_normal().parent_path();

    // Everything that can fail is read before the record changes, so a bad
    // file leaves the loaded project as it was.
    const IniFile ini = IniFile::Load(folder / kProjectIniFileName);
    std::string projectname = ini.ReadString(kPathSection, "Projectname", kMissingValue);
    std::string orgMainimage = ini.ReadString(kPathSection, "OrgMainimageFilename", kMissingValue);
    const std::string storedMainimage = ini.ReadString(kPathSection, "MainimageFilename", kMissingValue);
    std::optional<std::vector<std::string>> imageList = ReadImageListIfPresent(folder / kImageListFileName);
    ReadProjectBinaryFile(projectFile, project);

    project.Projectpath = folder.string();
    project.Projectname = std::move(projectname);
    project.OrgMainimageFilename = std::move(orgMainimage);
    project.MainimageFilename = (folder / ("mainimage" + ExtensionOf(storedMainimage))).string();
    if (imageList)
        cellImageList = std::move(*imageList);
    return true;
}

bool ProjectVersionAccepted(const fs::path& projectFile)
{
    const IniFile ini = IniFile::Load(projectFile.parent_path() / kProjectIniFileName);
    const int version = ini.ReadInteger(kRenderSection, kVersionKey, 0);
    return version >= 0 && version <= 100;
}

} // namespace qx
