#include "project/ImageListFile.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

struct ListCase {
    const char* Name;
    std::string Text;
    Lines Expected;
};

class ImageListText : public ::testing::TestWithParam<ListCase> {};

} // namespace

TEST_P(ImageListText, SplitsAtCrLfAndLf)
{
    EXPECT_EQ(qx::ParseImageList(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageListText,
    ::testing::Values(ListCase{"CrLf", "/a.jpg\r\n/b c.jpg\r\n", {"/a.jpg", "/b c.jpg"}},
                      ListCase{"Lf", "/a.jpg\n/b.jpg\n", {"/a.jpg", "/b.jpg"}},
                      ListCase{"Mixed", "/a.jpg\r\n/b.jpg\n/c.jpg\r\n", {"/a.jpg", "/b.jpg", "/c.jpg"}},
                      ListCase{"NoFinalLineEnd", "/a.jpg\r\n/b.jpg", {"/a.jpg", "/b.jpg"}},
                      ListCase{"EmptyLineKept", "/a.jpg\r\n\r\n/b.jpg\r\n", {"/a.jpg", "", "/b.jpg"}},
                      ListCase{"Empty", "", {}},
                      ListCase{"BlanksKept", " /a.jpg \r\n", {" /a.jpg "}}),
    [](const ::testing::TestParamInfo<ListCase>& row) { return std::string(row.param.Name); });

TEST(ImageListFile, WritesCrLfAndReadsItBack)
{
    const fs::path file = ScratchFolder() / "imglist.lst";
    const Lines paths{"/photos/a.jpg", "", "/photos/b c.bmp"};
    qx::WriteImageListFile(file, paths);
    const auto bytes = qx::ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "/photos/a.jpg\r\n\r\n/photos/b c.bmp\r\n");
    EXPECT_EQ(qx::ReadImageListFile(file), paths);
}

TEST(ImageListFile, PathWithALineBreakIsRefusedAndNothingIsWritten)
{
    const fs::path file = ScratchFolder() / "imglist.lst";
    qx::WriteImageListFile(file, {"/old.jpg"});
    try {
        qx::WriteImageListFile(file, {"/ok.jpg", "/bad\nname.jpg"});
        FAIL() << "a path with a line break was written";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The path of photo 1 contains a line break, so it cannot be listed in \"" +
                                             file.string() + "\".");
    }
    EXPECT_EQ(qx::ReadImageListFile(file), (Lines{"/old.jpg"}));
}
