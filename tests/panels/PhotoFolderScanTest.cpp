#include "panels/PhotoFolderScan.h"

#include "PanelTestFolder.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

namespace fs = std::filesystem;

TEST(PhotoFolderScanTest, TakesPictureExtensionsInNameOrderWithSubFoldersWhereMet)
{
    test::PanelTestFolder folder;
    for (const char* dir : {"m/n", "empty"})
        fs::create_directories(folder.Path() / dir);
    for (const char* file : {"z.Bmp", "a.bmp", "B.JPG", "c.gif", "d.jpeg", "e.txt", "m/f.bmp", "m/n/g.jpg", "noext"})
        folder.MakeFile(file);
    const auto p = [&](const char* name) { return (folder.Path() / name).string(); };

    const struct {
        bool Recursive;
        std::vector<std::string> Expected;
    } rows[] = {
        {false, {p("B.JPG"), p("a.bmp"), p("c.gif"), p("z.Bmp")}},
        {true, {p("B.JPG"), p("a.bmp"), p("c.gif"), p("m/f.bmp"), p("m/n/g.jpg"), p("z.Bmp")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Recursive);
        std::vector<std::string> photos{"kept.jpg"};
        AppendPhotoFolder(folder.Path(), row.Recursive, photos);
        std::vector<std::string> expected{"kept.jpg"};
        expected.insert(expected.end(), row.Expected.begin(), row.Expected.end());
        EXPECT_EQ(photos, expected);
    }
}

TEST(PhotoFolderScanTest, AFolderThatCannotBeListedAddsNothing)
{
    test::PanelTestFolder folder;
    std::vector<std::string> photos{"kept.jpg"};
    AppendPhotoFolder(folder.Path() / "missing", true, photos);
    EXPECT_EQ(photos, std::vector<std::string>{"kept.jpg"});
}

} // namespace
} // namespace qx
