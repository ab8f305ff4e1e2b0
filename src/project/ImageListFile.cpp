#include "project/ImageListFile.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

namespace qx {

namespace fs = std::filesystem;

std::vector<std::string> ParseImageList(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (lf != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    }
    return lines;
}

std::vector<std::string> ReadImageListFile(const fs::path& file)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file);
    return ParseImageList(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void WriteImageListFile(const fs::path& file, const std::vector<std::string>& paths)
{
    std::string text;
    for (std::size_t photo = 0; photo < paths.size(); ++photo) {
        const std::string& path = paths[photo];
        if (path.find_first_of("\r\n") != std::string::npos)
            throw QuiltixError("The path of photo " + std::to_string(photo) +
                               " contains a line break, so it cannot be listed in " + QuotedPath(file) + ".");
        text += path;
        text += "\r\n";
    }
    WriteFileAtomically(file, std::string_view(text));
}

} // namespace qx
