#include "cli/CliRender.h"

#include "cli/CliContext.h"
#include "cli/CliReporter.h"
#include "render/RenderRunner.h"
#include "render/Session.h"

#include <iostream>
#include <system_error>

namespace qx::cli {

namespace fs = std::filesystem;

void RenderAndReport(Session& session, CliContext& context)
{
    CliReporter reporter;
    RenderRunner runner;
    TRenderResult result;
    runner.Start(session, reporter, [&result](const TRenderResult& r) { result = r; });
    runner.Wait();
    reporter.Finish();
    if (result.Outcome == TRenderOutcome::Failed) {
        std::cerr << result.Message << "\n";
        context.ExitCode = 1;
    }
}

fs::path ProjectFileOf(const fs::path& argument)
{
    std::error_code ec;
    if (fs::is_directory(argument, ec))
        return argument / "project.QX8";
    return argument;
}

} // namespace qx::cli
