#include "cli/CliContext.h"
#include "library/PhotoLibrary.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace qx::cli {

void AddLibrariesCommand(CLI::App& app, CliContext& context)
{
    CLI::App* command = app.add_subcommand(
        "libraries", "List the photo libraries in name order: a heading line, then one line per library "
                     "with its name, kind, photo count and path type, separated by tabs.");
    command->callback([&context] {
        TPhotoLibState state;
        InitPhotoLibs(state, context.AppFolder());
        std::vector<std::filesystem::path> libraries;
        ListLibraries(state, libraries, -1);
        std::cout << "Name\tKind\tPhotos\tPathType\n";
        for (const std::filesystem::path& folder : libraries) {
            const Tlibcfg config = ReadLibraryConfig(folder / LibraryConfigFileName);
            std::cout << PhotoDisplayName(folder) << "\t" << config.coltype << "\t" << config.PhotoCount << "\t"
                      << config.PathType << "\n";
        }
    });
}

} // namespace qx::cli
