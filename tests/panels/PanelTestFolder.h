#pragma once

#include "support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace qx::test {

// A folder of the running test's own under the temp directory, so tests
// that ctest runs side by side never share files. Removed afterwards.
class PanelTestFolder {
public:
    const std::filesystem::path& Path() const { return folder_.Path(); }

    // A file that exists; the panels only check for it, so its bytes are
    // not a real picture.
    std::filesystem::path MakeFile(const std::string& name) const
    {
        const auto file = Path() / name;
        std::ofstream(file) << "placeholder";
        return file;
    }

private:
    TestFolder folder_{"qx-panels-"};
};

} // namespace qx::test
