#include "CliProcess.h"

#include "common/FileIO.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using qx::test::CliRun;

CliRun RunMasks(const fs::path& appFolder, const fs::path& scratch)
{
    return qx::test::RunCli(scratch, "--app-folder " + qx::test::ShellQuoted(appFolder.string()) + " masks");
}

class MasksCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch_ = qx::test::FreshTestFolder("qx-masks-cli-");
        fs::create_directories(scratch_ / "app");
    }
    void TearDown() override { fs::remove_all(scratch_); }

    void WriteDefinitions(const std::string& text)
    {
        fs::create_directories(scratch_ / "app" / "masks");
        qx::WriteFileAtomically(scratch_ / "app" / "masks" / "patterndefine.ini", text);
    }

    fs::path scratch_;
};

TEST_F(MasksCommandTest, ListsTheShippedMasksAndPatterns)
{
    const CliRun run = RunMasks(QX_DATA_DIR, scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const std::vector<std::string> expected{
        "1 square",
        "  1 grid (1 layer)",
        "  2 brick rows (2 layers)",
        "  3 shifted columns (2 layers)",
        "2 hexagon",
        "  1 honeycomb, aspect 1.15 (2 layers)",
        "  2 honeycomb rows, aspect 0.87 (2 layers)",
        "3 circle",
        "  1 grid (1 layer)",
        "  2 interleaved (2 layers)",
        "4 diamond",
        "  1 interleaved (2 layers)",
        "5 triangle",
        "  1 rows, aspect 1.15 (2 layers)",
        "  2 lattice, aspect 1.15 (4 layers)",
    };
    EXPECT_EQ(run.Lines, expected);
}

TEST_F(MasksCommandTest, ListsOnlyWhatTheDefinitionsCount)
{
    WriteDefinitions("[brief]\nmaskcount=2\n"
                     "[mask1]\nmaskname=star\npatterncount=2\n"
                     "[mask1,pat1]\npatternname=burst\nlayercount=1\n"
                     "[mask1,pat2]\npatternname=spiral\nlayercount=3\n"
                     "[mask1,pat3]\npatternname=uncounted\nlayercount=1\n"
                     "[mask2]\nmaskname=ring\n"
                     "[mask3]\nmaskname=uncounted\n");
    const CliRun run = RunMasks(scratch_ / "app", scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> expected{"1 star", "  1 burst (1 layer)", "  2 spiral (3 layers)", "2 ring"};
    EXPECT_EQ(run.Lines, expected);
}

TEST_F(MasksCommandTest, SaysSoWhenNoMasksAreDefined)
{
    const CliRun run = RunMasks(scratch_ / "app", scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> expected{
        "No masks are defined in " + (scratch_ / "app" / "masks" / "patterndefine.ini").string() + "."};
    EXPECT_EQ(run.Lines, expected);
}

TEST_F(MasksCommandTest, MalformedDefinitionsFailWithOneSentence)
{
    WriteDefinitions("[brief\nmaskcount=1\n");
    const CliRun run = RunMasks(scratch_ / "app", scratch_);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Lines.empty());
    EXPECT_NE(run.Err.find("patterndefine.ini"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
}

} // namespace
