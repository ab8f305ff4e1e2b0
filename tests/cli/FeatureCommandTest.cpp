#include "CliProcess.h"

#include "common/FileIO.h"
#include "imaging/BmpCodec.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using qx::test::CliRun;

class FeatureCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch_ = qx::test::FreshTestFolder("qx-feature-cli-");
    }
    void TearDown() override { fs::remove_all(scratch_); }

    CliRun RunFeature(const fs::path& file) const
    {
        return qx::test::RunCli(scratch_, "feature " + qx::test::ShellQuoted(file.string()));
    }

    fs::path scratch_;
};

} // namespace

TEST_F(FeatureCommandTest, FlatRedPicturePrintsTheCubeAndEightyFiveEqualWords)
{
    qx::TBitmap32 red(40, 30);
    red.Clear(qx::Color32(255, 0, 0));
    qx::SaveBmp32(scratch_ / "red.bmp", red);
    const CliRun run = RunFeature(scratch_ / "red.bmp");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    ASSERT_EQ(run.Lines.size(), 86u);
    EXPECT_EQ(run.Lines[0], "cube 5");
    for (int i = 1; i <= 85; ++i)
        EXPECT_EQ(run.Lines[static_cast<std::size_t>(i)], std::to_string(i) + " 76 255 0 0");
}

TEST_F(FeatureCommandTest, WordsAreNumberedInGridOrder)
{
    // Black left half, white right half: the top-right 2 x 2 block (word 3)
    // is white, the bottom-left (word 4) black, and the whole truncates to 127.
    qx::TBitmap32 picture(128, 64);
    picture.FillRect(qx::TRect{64, 0, 128, 64}, qx::Color32(255, 255, 255));
    qx::SaveBmp32(scratch_ / "halves.bmp", picture);
    const CliRun run = RunFeature(scratch_ / "halves.bmp");
    ASSERT_EQ(run.Lines.size(), 86u) << run.Err;
    EXPECT_EQ(run.Lines[1], "1 127 127 127 127");
    EXPECT_EQ(run.Lines[3], "3 255 255 255 255");
    EXPECT_EQ(run.Lines[4], "4 0 0 0 0");
    EXPECT_EQ(run.Lines[22], "22 0 0 0 0");
    EXPECT_EQ(run.Lines[29], "29 255 255 255 255");
}

TEST_F(FeatureCommandTest, FileOfNoKnownTypeExitsWithTwo)
{
    qx::WriteFileAtomically(scratch_ / "notes.jpg", std::string_view("not a picture"));
    for (const fs::path& file : {scratch_ / "notes.jpg", scratch_ / "missing.bmp"}) {
        const CliRun run = RunFeature(file);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Lines.empty());
        EXPECT_EQ(run.Err, "The file \"" + file.string() + "\" is neither a JPEG nor a BMP picture.\n");
    }
}

TEST_F(FeatureCommandTest, UndecodablePictureFailsWithOneSentence)
{
    qx::WriteFileAtomically(scratch_ / "broken.bmp", std::string_view("BM and nothing more"));
    const CliRun run = RunFeature(scratch_ / "broken.bmp");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Lines.empty());
    EXPECT_NE(run.Err.find((scratch_ / "broken.bmp").string()), std::string::npos) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
}
