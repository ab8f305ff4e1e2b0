#include "cli/CliContext.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "project/ProjectFileNames.h"
#include "project/ProjectFiles.h"
#include "project/ProjectListing.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <system_error>

namespace qx::cli {

namespace {

namespace fs = std::filesystem;

fs::path ProjectFileOf(const fs::path& argument)
{
    std::error_code ec;
    return fs::is_directory(argument, ec) ? argument / kProjectBinaryFileName : argument;
}

} // namespace

void AddInfoCommand(CLI::App& app, CliContext&)
{
    auto project = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("info", "Print the paths and settings of a project, as loading it gives them.");
    command->add_option("PROJECT", *project, "A project.QX8 file or the project folder that holds it.")->required();
    command->callback([project] {
        const fs::path file = ProjectFileOf(*project);
        TqxProject07 record;
        std::vector<std::string> cellImages;
        if (!LoadProjectFiles(record, file, cellImages))
            throw QuiltixError("The project file " + QuotedPath(file) + " does not exist.");
        for (const ProjectListingLine& line : ListProjectFields(record))
            std::cout << line.Name << " = " << line.Value << "\n";
    });
}

} // namespace qx::cli
