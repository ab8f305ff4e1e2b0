#include "panels/MainImageChoice.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "project/TqxProject07.h"

#include <system_error>

namespace qx {

namespace {

bool IsExistingFile(const std::filesystem::path& file)
{
    std::error_code error;
    return !file.empty() && std::filesystem::is_regular_file(file, error);
}

} // namespace

void CheckMainImageChoice(const TMainImageChoice& choice)
{
    if (IsExistingFile(choice.File) && (choice.Width < 1 || choice.Height < 1)) {
        throw QuiltixError("The main image " + QuotedPath(choice.File) + " could not be read as a picture.");
    }
}

void ApplyMainImageChoice(const TMainImageChoice& choice, TqxProject07& project)
{
    if (!IsExistingFile(choice.File)) {
        return;
    }
    project.OrgMainimageFilename = choice.File.string();
    project.MainimageFilename = project.OrgMainimageFilename;
    project.MainImageLoaded = true;
    project.MonoMainImage = choice.Monochrome;
}

} // namespace qx
