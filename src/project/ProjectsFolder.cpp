#include "project/ProjectsFolder.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> NonEmpty(std::optional<std::string> value)
{
    if (value && value->empty())
        return std::nullopt;
    return value;
}

// The quoted value of a user-dirs.dirs line, backslash escapes undone;
// nullopt when the quote is not closed.
std::optional<std::string> QuotedValue(std::string_view value)
{
    if (value.empty() || value.front() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"')
            return text;
        if (c == '\\' && i + 1 < value.size())
            text += value[++i];
        else
            text += c;
    }
    return std::nullopt;
}

// The file format allows only "$HOME/..." and absolute paths; anything else
// is ignored, as the desktop's own tools do.
std::optional<fs::path> DocumentsLineValue(std::string_view line, const std::optional<std::string>& home)
{
    constexpr std::string_view key = "XDG_DOCUMENTS_DIR=";
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    if (!line.starts_with(key))
        return std::nullopt;
    const std::optional<std::string> path = QuotedValue(line.substr(key.size()));
    if (!path)
        return std::nullopt;
    if (path->starts_with('/'))
        return fs::path(*path);
    constexpr std::string_view homeVariable = "$HOME";
    if (!home || !path->starts_with(homeVariable))
        return std::nullopt;
    const std::string_view rest = std::string_view(*path).substr(homeVariable.size());
    if (!rest.empty() && rest.front() != '/')
        return std::nullopt;
    return fs::path(*home + std::string(rest));
}

std::optional<fs::path> DocumentsFromUserDirs(const fs::path& file, const std::optional<std::string>& home)
{
    std::ifstream in(file);
    std::optional<fs::path> documents;
    std::string line;
    // The file is shell syntax, so a later assignment overrides an earlier one.
    while (std::getline(in, line))
        if (auto value = DocumentsLineValue(line, home))
            documents = std::move(value);
    return documents;
}

} // namespace

std::optional<std::string> ProcessEnvironment(std::string_view name)
{
    const char* value = std::getenv(std::string(name).c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

fs::path DocumentsFolder(const EnvironmentLookup& environment)
{
    if (auto documents = NonEmpty(environment("XDG_DOCUMENTS_DIR")))
        return fs::path(*documents);
    const std::optional<std::string> home = NonEmpty(environment("HOME"));
    std::optional<fs::path> configFolder;
    if (auto config = NonEmpty(environment("XDG_CONFIG_HOME")))
        configFolder = fs::path(*config);
    else if (home)
        configFolder = fs::path(*home) / ".config";
    if (configFolder)
        if (auto documents = DocumentsFromUserDirs(*configFolder / "user-dirs.dirs", home))
            return *documents;
    if (!home)
        throw QuiltixError("The documents folder cannot be found because neither XDG_DOCUMENTS_DIR nor HOME is set.");
    return fs::path(*home) / "Documents";
}

fs::path ProjectsFolder(const fs::path& documentsFolder)
{
    const fs::path folder = documentsFolder / "MosaicProject";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec))
        throw QuiltixError("The projects folder " + QuotedPath(folder) + " cannot be created.");
    return folder;
}

fs::path ProjectsFolder()
{
    return ProjectsFolder(DocumentsFolder(ProcessEnvironment));
}

} // namespace qx
