#include "CliProcess.h"

#include "common/FileIO.h"
#include "project/ProjectFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using qx::test::CliRun;

CliRun RunInfo(const fs::path& argument, const fs::path& scratch)
{
    return qx::test::RunCli(scratch, "info " + qx::test::ShellQuoted(argument.string()));
}

// The text fields, then every field of runs R1 to R7 that is not reserved,
// in declaration order.
const std::vector<std::string> kNames{
    "Projectpath", "Projectname", "OrgMainimageFilename", "MainimageFilename", "ProjectStage", "MosaicWidth",
    "MosaicHeight", "CellWidth", "CellHeight", "PPI", "PageWidth", "PageHeight", "BorderSize", "BorderColor",
    "BackgroundColor", "MainImageAsBackground", "MainImageLoaded", "CropMainImage", "MonoMainImage",
    "CropCellImage", "MonoCellImage", "AllowHorzFlip", "AllowVertFlip", "RepeatRadius", "LimitRepeat",
    "MinRepeat", "MaxRepeat", "RotateTiles", "RotationSteps", "MaskIndex", "PatternIndex", "EnhanceLevel",
    "RandomLevel", "AlphaBlendMain", "AlphaBlendPen", "StretchFilter", "EnhanceCurve", "AlphaCurve",
    "MaxColorDiffAvg", "MaxColorDiffSingle", "MaxShapeDiff",
};

} // namespace

TEST(InfoCommand, PrintsEveryFieldOfASavedDefaultProject)
{
    const fs::path scratch = qx::test::FreshTestFolder("qx-info-cli-");
    const fs::path project = scratch / "Sunset-1";
    fs::create_directories(project);
    qx::TqxProject07 record;
    record.Projectpath = project.string();
    record.Projectname = "Sunset-1";
    record.OrgMainimageFilename = "/photos/sunset.jpg";
    record.MainimageFilename = (project / "mainimage.jpg").string();
    qx::SaveProjectFiles(record);

    const CliRun byFile = RunInfo(project / "project.QX8", scratch);
    ASSERT_EQ(byFile.ExitCode, 0) << byFile.Err;
    EXPECT_EQ(byFile.Err, "");
    ASSERT_EQ(byFile.Lines.size(), kNames.size());
    for (std::size_t i = 0; i < kNames.size(); ++i)
        EXPECT_EQ(byFile.Lines[i].substr(0, byFile.Lines[i].find(" = ")), kNames[i]);

    const auto has = [&](const std::string& line) {
        return std::find(byFile.Lines.begin(), byFile.Lines.end(), line) != byFile.Lines.end();
    };
    EXPECT_TRUE(has("Projectpath = " + project.string()));
    EXPECT_TRUE(has("Projectname = Sunset-1"));
    EXPECT_TRUE(has("MainimageFilename = " + (project / "mainimage.jpg").string()));
    EXPECT_TRUE(has("MosaicWidth = 1024"));
    EXPECT_TRUE(has("PageWidth = 0"));
    EXPECT_TRUE(has("BorderColor = 0x00FFFFFF"));
    EXPECT_TRUE(has("BackgroundColor = 0x00000000"));
    EXPECT_TRUE(has("MainImageAsBackground = 1"));
    EXPECT_TRUE(has("MainImageLoaded = 0"));
    EXPECT_TRUE(has("RotationSteps = 000000000000000000000000"));
    EXPECT_TRUE(has("StretchFilter = 4"));
    EXPECT_TRUE(has("EnhanceCurve = (10,255) (50,190) (100,150) (150,120) (200,100)"));
    EXPECT_TRUE(has("AlphaCurve = (10,0) (15,20) (35,40) (50,50) (120,75)"));

    const CliRun byFolder = RunInfo(project, scratch);
    EXPECT_EQ(byFolder.ExitCode, 0);
    EXPECT_EQ(byFolder.Lines, byFile.Lines);
}

TEST(InfoCommand, MissingOrDamagedProjectIsOneSentenceAndExitCodeOne)
{
    const fs::path scratch = qx::test::FreshTestFolder("qx-info-cli-");
    const CliRun missing = RunInfo(scratch / "none", scratch);
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Lines.empty());
    EXPECT_EQ(missing.Err, "The project file \"" + (scratch / "none").string() + "\" does not exist.\n");

    std::vector<std::uint8_t> damaged(40, 0);
    damaged[4] = 0xFF; // section 1 claims 255 bytes: more than its run, more than the file holds
    qx::WriteFileAtomically(scratch / "project.QX8", damaged);
    const CliRun bad = RunInfo(scratch, scratch);
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_TRUE(bad.Lines.empty());
    EXPECT_EQ(bad.Err, "The project file \"" + (scratch / "project.QX8").string() +
                              "\" gives section 1 a size of 255 bytes, which runs beyond the end of the file.\n");
}
