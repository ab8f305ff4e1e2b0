#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace qx::test {

// A fresh, empty folder under the temp directory for the running test,
// named from the prefix, the test's suite and name and the process id,
// since ctest runs tests side by side. Kept afterwards for a look at what
// the test wrote.
inline std::filesystem::path FreshTestFolder(const std::string& prefix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix + info->test_suite_name() + "-" + info->name() + "-" + std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A FreshTestFolder that is removed with the object.
class TestFolder {
public:
    explicit TestFolder(const std::string& prefix) : path_(FreshTestFolder(prefix)) {}
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace qx::test
