#pragma once

#include <filesystem>
#include <string>

namespace CLI {
class App;
}

namespace qx::cli {

// Options shared by every subcommand, and the exit code a command sets.
// Each command keeps its own option values in a shared_ptr captured by its
// callback, so they outlive the registration function.
struct CliContext {
    std::string AppFolderOption;
    int ExitCode = 0;

    // --app-folder when given, otherwise the folder found beside the program.
    std::filesystem::path AppFolder() const;
};

// One registration function per subcommand, each in its own file
// (Cmd<Name>.cpp), called from main().
void AddMasksCommand(CLI::App& app, CliContext& context);
void AddLibraryCommand(CLI::App& app, CliContext& context);
void AddLibrariesCommand(CLI::App& app, CliContext& context);
void AddInfoCommand(CLI::App& app, CliContext& context);
void AddFeatureCommand(CLI::App& app, CliContext& context);
void AddRenderCommand(CLI::App& app, CliContext& context);
void AddCreateCommand(CLI::App& app, CliContext& context);
void AddDemoCommand(CLI::App& app, CliContext& context);

} // namespace qx::cli
