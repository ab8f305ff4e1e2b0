#include "cli/CliContext.h"
#include "cli/CliRender.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "project/ProjectFiles.h"
#include "render/Session.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace qx::cli {

namespace {

struct RenderOptions {
    std::string Project;
    std::optional<std::uint64_t> Seed;
};

void RunRender(const RenderOptions& options, CliContext& context)
{
    const std::filesystem::path file = ProjectFileOf(options.Project);
    if (!ProjectVersionAccepted(file))
        throw QuiltixError("This is not a Quiltix project: " + QuotedPath(file) + ".");
    Session session(context.AppFolder(), options.Seed.value_or(TRandom::ClockSeed()));
    if (!LoadProjectFiles(session.CurrentProject, file, session.RenderCellImgList))
        throw QuiltixError("The project file " + QuotedPath(file) + " does not exist.");
    RenderAndReport(session, context);
}

} // namespace

void AddRenderCommand(CLI::App& app, CliContext& context)
{
    auto options = std::make_shared<RenderOptions>();
    CLI::App* render = app.add_subcommand(
        "render", "Load a project (a project.QX8 file or its folder) and run its render job: a new project is "
                  "rendered, an assigned one is drawn, a finished one is reloaded without writing a file.");
    render->add_option("PROJECT", options->Project, "The project.QX8 file or the project folder.")->required();
    render->add_option("--seed", options->Seed, "Seed of the random generator, to reproduce a render.");
    render->callback([options, &context] { RunRender(*options, context); });
}

} // namespace qx::cli
