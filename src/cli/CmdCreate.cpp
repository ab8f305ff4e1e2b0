#include "cli/CliContext.h"
#include "cli/CliRender.h"
#include "cli/CreateModeCheck.h"
#include "cli/CreateOptions.h"
#include "cli/CreateRun.h"
#include "render/Session.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace qx::cli {

namespace {

void RunCreate(const TCreateOptions& options, CliContext& context)
{
    CheckOptionsOffered(options);
    Session session(context.AppFolder(), options.Seed.value_or(TRandom::ClockSeed()));
    const std::filesystem::path folder = CreateProjectFromOptions(session, options);
    if (options.NoRender) {
        std::cout << folder.string() << "\n";
        return;
    }
    RenderAndReport(session, context);
}

} // namespace

void AddCreateCommand(CLI::App& app, CliContext& context)
{
    auto options = std::make_shared<TCreateOptions>();
    CLI::App* create = app.add_subcommand(
        "create", "Set up a mosaic project as a mode control panel does (\"Create Photo Mosaic\") and render it. "
                  "Each option is offered by the modes its group names; an option the chosen mode does not offer "
                  "is refused.");
    RegisterCreateOptions(*create, *options);
    create->callback([options, &context] { RunCreate(*options, context); });
}

} // namespace qx::cli
