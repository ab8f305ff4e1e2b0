#include "cli/CliContext.h"
#include "layout/MaskLibrary.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace qx::cli {

namespace {

void PrintMasks(const MaskLibrary& library, std::ostream& out)
{
    for (int m = 1; m <= library.MaskCount(); ++m) {
        out << m << " " << library.MaskName(m) << "\n";
        for (int p = 1; p <= library.PatternCount(m); ++p) {
            const int layers = library.PatternLayerCount(m, p);
            out << "  " << p << " " << library.PatternName(m, p) << " (" << layers
                << (layers == 1 ? " layer)" : " layers)") << "\n";
        }
    }
}

} // namespace

void AddMasksCommand(CLI::App& app, CliContext& context)
{
    CLI::App* command = app.add_subcommand("masks", "List the cell shapes (masks) and their patterns.");
    command->callback([&context] {
        const std::filesystem::path appFolder = context.AppFolder();
        const MaskLibrary library = MaskLibrary::Open(appFolder);
        if (library.MaskCount() <= 0) {
            std::cout << "No masks are defined in " << (appFolder / "masks" / MaskLibrary::DefinitionFileName).string()
                      << ".\n";
            return;
        }
        PrintMasks(library, std::cout);
    });
}

} // namespace qx::cli
