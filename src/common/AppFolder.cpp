#include "common/AppFolder.h"

#include <system_error>

namespace qx {

namespace fs = std::filesystem;

fs::path ExecutablePath()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
}

fs::path FindAppFolder(const fs::path& executable)
{
    const fs::path beside = executable.parent_path();
    std::error_code ec;
    if (fs::is_directory(beside / "masks", ec))
        return beside;
    return (beside / ".." / "share" / "quiltix").lexically_normal();
}

} // namespace qx
