#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace qx::test {

// A folder of the running test's own under the temp directory, so tests
// that ctest runs side by side never share files. Removed afterwards.
class PanelTestFolder {
public:
    PanelTestFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("qx-panels-") + info->test_suite_name() + "-" + info->name() + "-" +
                           std::to_string(::getpid());
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~PanelTestFolder() { std::filesystem::remove_all(path_); }
    PanelTestFolder(const PanelTestFolder&) = delete;
    PanelTestFolder& operator=(const PanelTestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // A file that exists; the panels only check for it, so its bytes are
    // not a real picture.
    std::filesystem::path MakeFile(const std::string& name) const
    {
        const auto file = path_ / name;
        std::ofstream(file) << "placeholder";
        return file;
    }

private:
    std::filesystem::path path_;
};

} // namespace qx::test
