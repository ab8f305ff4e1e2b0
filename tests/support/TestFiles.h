#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string_view>

namespace qx::test {

// Writes the bytes as the whole file, making its folders first. Written in
// place rather than through a temporary file, since a test may place a file
// so deep that no longer name beside it would fit.
inline void WriteTestFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    ASSERT_TRUE(out) << "cannot write " << file;
}

} // namespace qx::test
