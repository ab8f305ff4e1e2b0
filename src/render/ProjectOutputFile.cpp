#include "render/ProjectOutputFile.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

namespace qx {

std::filesystem::path ProjectOutputFile(const TqxProject07& project, const std::string& name)
{
    if (project.Projectpath.empty())
        throw QuiltixError("The project has no folder, so \"" + name + "\" cannot be written.");
    return std::filesystem::path(project.Projectpath) / name;
}

void WriteTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteFileAtomically(file, text);
}

} // namespace qx
