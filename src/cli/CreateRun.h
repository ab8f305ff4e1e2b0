#pragma once

#include <filesystem>

namespace qx {
struct Session;
}

namespace qx::cli {

struct TCreateOptions;

// What the chosen panel's create button does, from the options: takes the
// time, loads the main image into the session's main image bitmap, runs
// the panel's update on a fresh panel project and creates the project
// (folder, main image copy, "imglist.lst", CurrentProject, "project.ini",
// "project.QX8"). Returns the project folder; the caller renders it.
// Throws QuiltixError, before anything is written, for every refusal of
// the options, the panel or the creation.
std::filesystem::path CreateProjectFromOptions(Session& session, const TCreateOptions& options);

} // namespace qx::cli
