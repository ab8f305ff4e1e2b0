#include "CreateTestFixture.h"

#include <gtest/gtest.h>

namespace qx::test {
namespace {

namespace fs = std::filesystem;

using DemoCommand = CreateTestFixture;

TEST_F(DemoCommand, RefusesWithoutTheSampleLibrary)
{
    const CliRun run = Run("demo --main Lake.bmp --out out");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, Expand("The sample photo library \"{app}/PhotoLibs/sample\" does not exist; run scripts/demo "
                              "to make it.\n"));
    EXPECT_FALSE(fs::exists(root_ / "out"));
}

TEST_F(DemoCommand, RendersTheSampleAndEndsWithTheMosaicsPath)
{
    BuildPhotoLibrary(AppFolder() / PhotoLibsFolderName, {"sample", PhotosDir()});

    const CliRun run = Run("demo --main Lake.bmp --out out/demo --seed 3");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<fs::path> folders = [&] {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(root_ / "out/demo"))
            found.push_back(entry.path());
        return found;
    }();
    ASSERT_EQ(folders.size(), 1u);
    const fs::path output = folders[0] / "output.bmp";
    EXPECT_TRUE(run.Out.ends_with("All Job Done\nMosaic written to " + output.string() + "\n")) << run.Out;
    const TBitmap32 mosaic = LoadBmpFile(output);
    // A3 at 96 PPI, landscape, filled by the main image.
    EXPECT_EQ(mosaic.Width(), 1584);
    EXPECT_EQ(mosaic.Height(), 1128);

    TqxProject07 project;
    std::vector<std::string> cells;
    ASSERT_TRUE(LoadProjectFiles(project, folders[0] / "project.QX8", cells));
    EXPECT_EQ(project.CellWidth, 24);
    EXPECT_EQ(project.CellHeight, 24);
    EXPECT_EQ(cells.size(), 3u);
}

} // namespace
} // namespace qx::test
