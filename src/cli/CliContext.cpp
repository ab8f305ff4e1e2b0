#include "cli/CliContext.h"

#include "common/AppFolder.h"

namespace qx::cli {

std::filesystem::path CliContext::AppFolder() const
{
    if (!AppFolderOption.empty())
        return std::filesystem::path(AppFolderOption);
    return FindAppFolder(ExecutablePath());
}

} // namespace qx::cli
