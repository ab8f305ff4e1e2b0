#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace qx {
struct Session;
}

namespace qx::cli {

struct CliContext;

// Runs the render job on the session's CurrentProject on a worker thread,
// printing the log to stdout. A failed job prints its sentence to stderr
// and sets exit code 1.
void RenderAndReport(Session& session, CliContext& context);

// The project file a PROJECT argument names: the file itself, or the
// "project.QX8" inside a folder.
std::filesystem::path ProjectFileOf(const std::filesystem::path& argument);

} // namespace qx::cli
