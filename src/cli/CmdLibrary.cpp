#include "cli/CliContext.h"
#include "library/LibraryBuilder.h"
#include "library/LibraryConfig.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace qx::cli {

void AddLibraryCommand(CLI::App& app, CliContext& context)
{
    CLI::App* library = app.add_subcommand("library", "Maintain the photo libraries.");
    library->require_subcommand(1);
    CLI::App* create = library->add_subcommand(
        "create", "Make the photo library NAME from the JPEG and BMP files of DIR (files of other "
                  "types are reported on stderr and left out).");
    auto request = std::make_shared<TLibraryBuildRequest>();
    create->add_option("NAME", request->Name, "Folder name of the new library.")->required();
    create->add_option("DIR", request->PhotoFolder, "Folder that holds the photos.")->required();
    create->add_option("--kind", request->Kind, "Library kind (30: photographed tiles).")->default_val(0);
    create->add_flag("--relative", request->Relative,
                     "Copy the photos into the library and list their names instead of full paths.");
    create->add_flag("--recursive", request->Recursive, "Also take the photos of DIR's sub-folders.");
    create->callback([request, &context] {
        const TLibraryBuildResult result =
            BuildPhotoLibrary(context.AppFolder() / PhotoLibsFolderName, *request);
        for (const std::string& note : result.Notes)
            std::cerr << note << "\n";
        std::cout << "Created the photo library " << result.Folder.string() << " with " << result.PhotoCount
                  << (result.PhotoCount == 1 ? " photo.\n" : " photos.\n");
    });
}

} // namespace qx::cli
