#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

// A fresh, empty folder under the temp directory for the running test,
// named after the test, since ctest runs tests side by side; emptied when
// the test starts, kept afterwards for a look at what it wrote.
inline std::filesystem::path ScratchFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("qx_project_") + info->test_suite_name() + "_" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}
