#include "CliProcess.h"

#include "common/FileIO.h"
#include "common/IniFile.h"
#include "imaging/BmpCodec.h"
#include "library/CellGrid.h"
#include "library/PhotoLibrary.h"
#include "support/TestFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using qx::test::CliRun;
using qx::test::FileText;
using qx::test::ShellQuoted;

using qx::test::WriteTestFile;

std::string SizeText(const fs::path& file)
{
    return std::to_string((fs::file_size(file) + 1023) / 1024) + " KB";
}

// A folder of photos and impostors in an app folder of its own per test:
// three BMPs (one without a BMP extension), a JPEG by signature, a .jpg
// that holds text, a text file and a BMP in a sub-folder.
class LibraryCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = qx::test::FreshTestFolder("qx_cli_library_");
        app_ = root_ / "app";
        photos_ = root_ / "photos";
        fs::create_directories(app_);
        fs::create_directories(photos_ / "sub");
        const struct {
            const char* Name;
            int Width;
            int Height;
        } bitmaps[] = {{"c.bmp", 40, 30}, {"a.bmp", 2, 2}, {"b.picture", 1, 3}, {"sub/e.bmp", 5, 5}};
        for (const auto& b : bitmaps) {
            qx::TBitmap32 bitmap(b.Width, b.Height);
            bitmap.Clear(qx::Color32(10, 200, 30));
            qx::SaveBmp32(photos_ / b.Name, bitmap);
        }
        WriteTestFile(photos_ / "d.jpg", "\xFF\xD8" + std::string(3000, '\x55') + "\xFF\xD9");
        WriteTestFile(photos_ / "fake.jpg", "this is not a picture");
        WriteTestFile(photos_ / "notes.txt", "plain notes, no picture");
    }

    CliRun RunCli(const std::string& arguments) const
    {
        return qx::test::RunCli(root_, "--app-folder " + ShellQuoted(app_.string()) + " " + arguments);
    }

    std::vector<std::string> PhotoLibsEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(app_ / "PhotoLibs"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root_;
    fs::path app_;
    fs::path photos_;
};

// The photos of the fixture folder (top level) in name order.
const struct {
    const char* Name;
    const char* Type;
} TopLevelPhotos[] = {{"a.bmp", "BMP"}, {"b.picture", "BMP"}, {"c.bmp", "BMP"}, {"d.jpg", "JPEG"}};

} // namespace

TEST_F(LibraryCommand, ListsPhotosByContentWithFullPaths)
{
    const CliRun run = RunCli("library create Holiday " + ShellQuoted(photos_.string()));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "The file \"" + (photos_ / "fake.jpg").string() +
                           "\" is neither a JPEG nor a BMP picture and is left out.\n" + "The file \"" +
                           (photos_ / "notes.txt").string() + "\" is neither a JPEG nor a BMP picture and is left out.\n");

    const fs::path lib = app_ / "PhotoLibs" / "Holiday";
    const std::string listText = FileText(lib / "filelist.lst");
    EXPECT_TRUE(listText.starts_with("3,6\r\n"));
    for (std::size_t p = listText.find('\n'); p != std::string::npos; p = listText.find('\n', p + 1))
        ASSERT_EQ(listText[p - 1], '\r') << "bare LF at offset " << p;

    const qx::CellGrid list = qx::CellGrid::Load(lib / "filelist.lst");
    ASSERT_EQ(list.RowCount(), 6);
    EXPECT_EQ(list.Cell(0, 0), "File Name");
    EXPECT_EQ(list.Cell(1, 0), "Size");
    EXPECT_EQ(list.Cell(2, 0), "Type");
    for (int r = 1; r <= 4; ++r) {
        const auto& photo = TopLevelPhotos[r - 1];
        EXPECT_EQ(list.Cell(0, r), (photos_ / photo.Name).string());
        EXPECT_EQ(list.Cell(1, r), SizeText(photos_ / photo.Name));
        EXPECT_EQ(list.Cell(2, r), photo.Type);
    }
    EXPECT_EQ(list.Cell(0, 5), "");

    const qx::IniFile cfg = qx::IniFile::Load(lib / "libcfg.cfg");
    EXPECT_EQ(cfg.ReadString("LibCFG07", "colname", ""), "Holiday");
    EXPECT_EQ(cfg.ReadInteger("LibCFG07", "coltype", -1), 0);
    EXPECT_EQ(cfg.ReadInteger("LibCFG07", "PhotoCount", -1), 4);
    EXPECT_EQ(cfg.ReadInteger("LibCFG07", "PathType", -1), 0);
    EXPECT_EQ(cfg.ReadString("LibCFG07", "Path", ""), photos_.string());
    EXPECT_EQ(cfg.ReadString("LibCFG07", "CharFont", ""), "NOFONT");
    EXPECT_EQ(PhotoLibsEntries(), std::vector<std::string>{"Holiday"});

    const CliRun listing = RunCli("libraries");
    ASSERT_EQ(listing.ExitCode, 0) << listing.Err;
    EXPECT_EQ(listing.Out, "Name\tKind\tPhotos\tPathType\nHoliday\t0\t4\t0\n");
}

TEST_F(LibraryCommand, RelativeLibraryHoldsCopiesThatResolveInsideIt)
{
    ASSERT_EQ(RunCli("library create Plain " + ShellQuoted(photos_.string())).ExitCode, 0);
    const CliRun run =
        RunCli("library create Tiles " + ShellQuoted(photos_.string() + "/") + " --relative --recursive --kind 30");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const fs::path lib = app_ / "PhotoLibs" / "Tiles";

    qx::TPhotoLibState state;
    qx::InitPhotoLibs(state, app_);
    std::vector<fs::path> tileLibraries;
    qx::ListLibraries(state, tileLibraries, 30);
    ASSERT_EQ(tileLibraries, std::vector<fs::path>{lib});
    const std::vector<fs::path> paths = qx::LibraryPhotoPaths(state, tileLibraries, 0);
    EXPECT_EQ(state.CurrentLibrary.PathType, 1);
    const std::vector<std::string> names{"a.bmp", "b.picture", "c.bmp", "d.jpg", "sub/e.bmp"};
    ASSERT_EQ(paths.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(paths[i], lib / names[i]);
        EXPECT_EQ(FileText(paths[i]), FileText(photos_ / names[i])) << names[i];
    }
    EXPECT_EQ(qx::CellGrid::Load(lib / "filelist.lst").Cell(0, 5), "sub/e.bmp");
    EXPECT_EQ(qx::IniFile::Load(lib / "libcfg.cfg").ReadString("LibCFG07", "Path", ""), lib.string());

    const CliRun listing = RunCli("libraries");
    EXPECT_EQ(listing.Out, "Name\tKind\tPhotos\tPathType\nPlain\t0\t4\t0\nTiles\t30\t5\t1\n");
}

TEST_F(LibraryCommand, RefusalsNameTheProblemAndLeaveNoLibraryBehind)
{
    ASSERT_EQ(RunCli("library create Taken " + ShellQuoted(photos_.string())).ExitCode, 0);
    const fs::path empty = root_ / "empty";
    fs::create_directories(empty);
    WriteTestFile(empty / "fake.jpg", "still not a picture");
    const std::string libs = (app_ / "PhotoLibs").string();
    const struct {
        std::string Arguments;
        std::string Sentence;
    } cases[] = {
        {"Taken " + ShellQuoted(photos_.string()), "The photo library \"Taken\" already exists in \"" + libs + "\"."},
        {"New " + ShellQuoted((photos_ / "a.bmp").string()),
         "The photo folder \"" + (photos_ / "a.bmp").string() + "\" does not exist or is not a folder."},
        {"New " + ShellQuoted((root_ / "missing").string()),
         "The photo folder \"" + (root_ / "missing").string() + "\" does not exist or is not a folder."},
        {"a/b " + ShellQuoted(photos_.string()),
         "The library name \"a/b\" must be a plain folder name: not empty, without path separators and not "
         "starting with a dot."},
        {".hidden " + ShellQuoted(photos_.string()),
         "The library name \".hidden\" must be a plain folder name: not empty, without path separators and not "
         "starting with a dot."},
        {"New " + ShellQuoted(empty.string()), "The photo folder \"" + empty.string() + "\" holds no JPEG or BMP photos."},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli("library create " + c.Arguments);
        EXPECT_EQ(run.ExitCode, 1) << c.Arguments;
        EXPECT_EQ(run.Err, c.Sentence + "\n") << c.Arguments;
        EXPECT_EQ(PhotoLibsEntries(), std::vector<std::string>{"Taken"}) << c.Arguments;
    }
}
