#include "common/QuiltixError.h"
#include "library/CellGrid.h"
#include "library/LibraryBuilder.h"
#include "support/TestFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

using qx::test::WriteTestFile;

const std::string TinyBmp = "BM" + std::string(60, '\0');

} // namespace

TEST(LibraryBuilder, SizesAreWholeKilobytesRoundedUp)
{
    const struct {
        std::uintmax_t Bytes;
        const char* Text;
    } cases[] = {{0, "0 KB"}, {1, "1 KB"}, {1024, "1 KB"}, {1025, "2 KB"}, {125952, "123 KB"}};
    for (const auto& c : cases)
        EXPECT_EQ(qx::PhotoSizeText(c.Bytes), c.Text) << c.Bytes;
}

TEST(LibraryBuilder, CopiedPhotosNeverOverwriteTheLibraryFiles)
{
    const fs::path dir = qx::test::FreshTestFolder("qx_builder_");
    WriteTestFile(dir / "photos" / "filelist.lst", TinyBmp);
    WriteTestFile(dir / "photos" / "libcfg.cfg", TinyBmp);
    WriteTestFile(dir / "photos" / "real.bmp", TinyBmp);
    const qx::TLibraryBuildResult result =
        qx::BuildPhotoLibrary(dir / "PhotoLibs", {"Lib", dir / "photos", 0, true, false});
    EXPECT_EQ(result.PhotoCount, 1);
    ASSERT_EQ(result.Notes.size(), 2u);
    EXPECT_EQ(result.Notes[0], "The photo \"" + (dir / "photos" / "filelist.lst").string() +
                                   "\" is left out: its name is reserved for the library's own files.");
    const qx::CellGrid list = qx::CellGrid::Load(result.Folder / "filelist.lst");
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.Cell(0, 1), "real.bmp");

    const qx::TLibraryBuildResult full =
        qx::BuildPhotoLibrary(dir / "PhotoLibs", {"Full", dir / "photos", 0, false, false});
    EXPECT_EQ(full.PhotoCount, 3) << "names of full paths cannot clash";
}

TEST(LibraryBuilder, FailureHalfwayLeavesNoLibrary)
{
    // The photo copied second lies so deep that its copy's path inside the
    // much longer library path exceeds the system's limit; the first copy
    // has been made by then.
    const fs::path dir = qx::test::FreshTestFolder("qx_builder_");
    const fs::path photos = dir / "p";
    fs::path deep = photos;
    while (deep.string().size() < 3900)
        deep /= std::string(200, 'd');
    WriteTestFile(photos / "a.bmp", TinyBmp);
    WriteTestFile(deep / "z.bmp", TinyBmp);
    const fs::path libs = dir / std::string(200, 'L') / "PhotoLibs";
    EXPECT_THROW(qx::BuildPhotoLibrary(libs, {"Deep", photos, 0, true, true}), qx::QuiltixError);
    EXPECT_TRUE(fs::is_empty(libs));

    const qx::TLibraryBuildResult flat = qx::BuildPhotoLibrary(libs, {"Deep", photos, 0, true, false});
    EXPECT_EQ(flat.PhotoCount, 1) << "the name stays free after the failure";
}
