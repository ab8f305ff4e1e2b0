#include "cli/CliContext.h"
#include "common/QuiltixError.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"Quiltix photo-mosaic maker, command line."};
    app.require_subcommand(1);

    qx::cli::CliContext context;
    app.add_option("--app-folder", context.AppFolderOption,
                   "Data folder with masks/, config/ and PhotoLibs/ (default: beside the program).");
    qx::cli::AddMasksCommand(app, context);
    qx::cli::AddLibraryCommand(app, context);
    qx::cli::AddLibrariesCommand(app, context);
    qx::cli::AddInfoCommand(app, context);
    qx::cli::AddFeatureCommand(app, context);
    qx::cli::AddRenderCommand(app, context);
    qx::cli::AddCreateCommand(app, context);
    qx::cli::AddDemoCommand(app, context);


    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const qx::QuiltixError& e) {
        std::cerr << e.what() << "\n";
        return context.ExitCode != 0 ? context.ExitCode : 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return context.ExitCode;
}
