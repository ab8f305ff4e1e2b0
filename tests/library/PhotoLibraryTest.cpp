#include "common/IniFile.h"
#include "common/QuiltixError.h"
#include "library/CellGrid.h"
#include "library/PhotoLibrary.h"
#include "support/TestFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

using qx::test::WriteTestFile;

// An app folder of its own per test, with the library state pointing at it.
class PhotoLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_ = qx::test::FreshTestFolder("qx_photolib_");
        qx::InitPhotoLibs(state_, app_);
    }

    fs::path Library(const std::string& name, const std::string& cfg)
    {
        const fs::path folder = state_.PhotoLibsFolder / name;
        fs::create_directories(folder);
        if (!cfg.empty())
            WriteTestFile(folder / "libcfg.cfg", cfg);
        return folder;
    }

    fs::path app_;
    qx::TPhotoLibState state_;
};

// A list that declares `rows` rows and names a photo in every row,
// the trailing row included, so a reader that takes one row too many shows.
std::string ListWithRows(int rows)
{
    std::string text = "3," + std::to_string(rows) + "\r\n";
    for (int r = 1; r < rows; ++r)
        text += "0," + std::to_string(r) + ",p" + std::to_string(r) + ".jpg\r\n";
    return text;
}

} // namespace

TEST_F(PhotoLibraryTest, InitPointsAtPhotoLibsAndForgetsTheCount)
{
    state_.LibraryPhotoCount = 7;
    qx::InitPhotoLibs(state_, app_);
    EXPECT_EQ(state_.PhotoLibsFolder, app_ / "PhotoLibs");
    EXPECT_EQ(state_.LibraryPhotoCount, 0);
}

TEST_F(PhotoLibraryTest, KindFilterSelectsTileLibraries)
{
    const fs::path b = Library("B", "[LibCFG07]\r\ncoltype=30\r\nPhotoCount=3\r\n");
    const fs::path a = Library("A", "[LibCFG07]\r\ncolname=Holiday\r\n");
    WriteTestFile(state_.PhotoLibsFolder / "stray.txt", "not a library");
    Library(".hidden", "");

    const struct {
        int Filter;
        std::vector<fs::path> Expected;
    } cases[] = {{-1, {a, b}}, {30, {b}}, {0, {a}}, {5, {}}};
    for (const auto& c : cases) {
        std::vector<fs::path> paths{"kept"};
        qx::ListLibraries(state_, paths, c.Filter);
        std::vector<fs::path> expected{"kept"};
        expected.insert(expected.end(), c.Expected.begin(), c.Expected.end());
        EXPECT_EQ(paths, expected) << "filter " << c.Filter;
    }
}

TEST_F(PhotoLibraryTest, LibrariesAreListedInNameOrder)
{
    for (const char* name : {"delta", "Alpha", "charlie", "bravo"})
        Library(name, "");
    std::vector<fs::path> paths;
    qx::ListLibraries(state_, paths, -1);
    std::vector<std::string> names;
    for (const fs::path& p : paths)
        names.push_back(qx::PhotoDisplayName(p));
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "bravo", "charlie", "delta"}));
}

TEST_F(PhotoLibraryTest, MissingRootListsNothing)
{
    std::vector<fs::path> paths;
    qx::ListLibraries(state_, paths, -1);
    EXPECT_TRUE(paths.empty());
}

TEST_F(PhotoLibraryTest, PhotoCountIsRowsMinusHeadingAndTrailingRow)
{
    const struct {
        int Rows;
        int Photos;
    } cases[] = {{2, 0}, {12, 10}, {3, 1}, {1, 0}};
    for (const auto& c : cases) {
        const fs::path lib = Library("L" + std::to_string(c.Rows), "");
        WriteTestFile(lib / "filelist.lst", ListWithRows(c.Rows));
        const std::vector<fs::path> libraries{lib};
        qx::CellGrid grid;
        qx::LoadLibraryPhotoList(state_, libraries, 0, grid);
        EXPECT_EQ(state_.LibraryPhotoCount, c.Photos) << c.Rows << " rows";
        const std::vector<fs::path> photos = qx::LibraryPhotoPaths(state_, libraries, 0);
        ASSERT_EQ(static_cast<int>(photos.size()), c.Photos) << c.Rows << " rows";
        for (int i = 0; i < c.Photos; ++i)
            EXPECT_EQ(photos[static_cast<std::size_t>(i)], fs::path("p" + std::to_string(i + 1) + ".jpg"));
    }
}

TEST_F(PhotoLibraryTest, RelativeLibraryResolvesToItsOwnFolderWhateverPathSays)
{
    const fs::path rel = Library("rel", "[LibCFG07]\r\nPathType=1\r\nPath=/somewhere/else\r\n");
    WriteTestFile(rel / "filelist.lst", "3,4\r\n0,1,N.jpg\r\n0,2,sub/M.bmp\r\n");
    const fs::path full = Library("full", "[LibCFG07]\r\nPathType=0\r\nPath=/somewhere/else\r\n");
    WriteTestFile(full / "filelist.lst", "3,3\r\n0,1,/photos/x.jpg\r\n");
    const std::vector<fs::path> libraries{full, rel};

    EXPECT_EQ(qx::LibraryPhotoPaths(state_, libraries, 1), (std::vector<fs::path>{rel / "N.jpg", rel / "sub/M.bmp"}));
    EXPECT_EQ(state_.CurrentLibraryIndex, 1);
    EXPECT_EQ(state_.CurrentLibrary.Path, rel.string());
    EXPECT_EQ(qx::ResolvePhotoName(state_, "/escape.jpg"), rel / "escape.jpg");

    EXPECT_EQ(qx::LibraryPhotoPaths(state_, libraries, 0), (std::vector<fs::path>{"/photos/x.jpg"}));
    EXPECT_EQ(state_.CurrentLibraryIndex, 0);
    EXPECT_EQ(state_.CurrentLibrary.Path, "/somewhere/else");
}

TEST_F(PhotoLibraryTest, MissingConfigReadsAsDefaults)
{
    const fs::path bare = Library("bare", "");
    const fs::path other = Library("other", "[Elsewhere]\r\ncoltype=30\r\nPathType=1\r\n");
    for (const fs::path& cfg : {bare / "libcfg.cfg", other / "libcfg.cfg"}) {
        const qx::Tlibcfg config = qx::ReadLibraryConfig(cfg);
        EXPECT_EQ(config.colname, "NONAME");
        EXPECT_EQ(config.coltype, 0);
        EXPECT_EQ(config.PhotoCount, 0);
        EXPECT_EQ(config.PathType, 0);
        EXPECT_EQ(config.Path, "NOFONT");
        EXPECT_EQ(config.CharFont, "NOFONT");
        EXPECT_EQ(qx::LibraryKind(cfg), 0);
    }
}

TEST_F(PhotoLibraryTest, ConfigKeysAreReadWhateverTheirCase)
{
    const fs::path lib = Library("keys", "[libcfg07]\r\nCOLNAME=Tiles\r\ncoltype=30\r\nphotocount=120\r\n"
                                         "pathtype=0\r\npath=/pics\r\ncharfont=Arial\r\n");
    const qx::Tlibcfg config = qx::ReadLibraryConfig(lib / "libcfg.cfg");
    EXPECT_EQ(config.colname, "Tiles");
    EXPECT_EQ(config.coltype, 30);
    EXPECT_EQ(config.PhotoCount, 120);
    EXPECT_EQ(config.PathType, 0);
    EXPECT_EQ(config.Path, "/pics");
    EXPECT_EQ(config.CharFont, "Arial");
    EXPECT_EQ(qx::LibraryKind(lib / "libcfg.cfg"), 30);
}

TEST_F(PhotoLibraryTest, WrittenConfigReadsBackAndKeepsForeignKeys)
{
    const fs::path cfg = Library("w", "[LibCFG07]\r\nOwnerNote=keep me\r\n[Extra]\r\nx=1\r\n") / "libcfg.cfg";
    qx::Tlibcfg written;
    written.colname = "Beach";
    written.coltype = 30;
    written.PhotoCount = 9;
    written.Path = "/photos/beach";
    qx::WriteLibraryConfig(cfg, written);
    const qx::Tlibcfg read = qx::ReadLibraryConfig(cfg);
    EXPECT_EQ(read.colname, "Beach");
    EXPECT_EQ(read.coltype, 30);
    EXPECT_EQ(read.PhotoCount, 9);
    EXPECT_EQ(read.Path, "/photos/beach");
    const qx::IniFile ini = qx::IniFile::Load(cfg);
    EXPECT_EQ(ini.ReadString("LibCFG07", "OwnerNote", ""), "keep me");
    EXPECT_EQ(ini.ReadInteger("Extra", "x", 0), 1);
}

TEST_F(PhotoLibraryTest, LoadingEmptiesTheGridToHeadingsWhenThereIsNoList)
{
    const fs::path nolist = Library("nolist", "");
    const std::vector<fs::path> libraries{nolist};
    for (int index : {0, -1, 1}) {
        qx::CellGrid grid(5, 9);
        grid.SetCell(0, 3, "stale");
        state_.LibraryPhotoCount = 42;
        qx::LoadLibraryPhotoList(state_, libraries, index, grid);
        EXPECT_EQ(grid.RowCount(), 2) << "index " << index;
        EXPECT_EQ(grid.ColCount(), 3);
        EXPECT_EQ(grid.Cell(0, 0), "File Name");
        EXPECT_EQ(grid.Cell(2, 0), "Type");
        EXPECT_EQ(grid.Cell(0, 3), "");
        EXPECT_EQ(state_.LibraryPhotoCount, 0);
    }
}

TEST_F(PhotoLibraryTest, MalformedListFailsTheLoadAndCountsNothing)
{
    const fs::path lib = Library("broken", "");
    WriteTestFile(lib / "filelist.lst", "3,12\r\n0,1,a.jpg\r\n0,x,b.jpg\r\n");
    const std::vector<fs::path> libraries{lib};
    qx::CellGrid grid;
    state_.LibraryPhotoCount = 5;
    try {
        qx::LoadLibraryPhotoList(state_, libraries, 0, grid);
        FAIL() << "the malformed list was loaded";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The list file \"" + (lib / "filelist.lst").string() +
                                             "\" is malformed at line 3: the row \"x\" is not a number.");
    }
    EXPECT_EQ(state_.LibraryPhotoCount, 0);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST(PhotoDisplayName, IsTheFileNamePart)
{
    EXPECT_EQ(qx::PhotoDisplayName("/lib/sub/a b.jpg"), "a b.jpg");
    EXPECT_EQ(qx::PhotoDisplayName("plain.bmp"), "plain.bmp");
}
