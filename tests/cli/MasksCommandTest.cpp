#include "common/FileIO.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct MasksRun {
    int ExitCode = -1;
    std::vector<std::string> Lines;
    std::string Errors;
};

MasksRun RunMasks(const fs::path& appFolder, const fs::path& scratch)
{
    const fs::path errors = scratch / "stderr.txt";
    const std::string command = std::string("'") + QX_CLI_PATH + "' --app-folder '" + appFolder.string() +
                                "' masks 2>'" + errors.string() + "'";
    MasksRun run;
    FILE* out = ::popen(command.c_str(), "r");
    if (!out)
        return run;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        text.append(buffer, n);
    const int status = ::pclose(out);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        run.Lines.push_back(line);
    const auto err = qx::ReadWholeFile(errors);
    run.Errors.assign(err.begin(), err.end());
    return run;
}

class MasksCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        scratch_ = fs::temp_directory_path() / ("qx-masks-cli-" + name + "-" + std::to_string(getpid()));
        fs::remove_all(scratch_);
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
    const MasksRun run = RunMasks(QX_DATA_DIR, scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
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
    const MasksRun run = RunMasks(scratch_ / "app", scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const std::vector<std::string> expected{"1 star", "  1 burst (1 layer)", "  2 spiral (3 layers)", "2 ring"};
    EXPECT_EQ(run.Lines, expected);
}

TEST_F(MasksCommandTest, SaysSoWhenNoMasksAreDefined)
{
    const MasksRun run = RunMasks(scratch_ / "app", scratch_);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const std::vector<std::string> expected{
        "No masks are defined in " + (scratch_ / "app" / "masks" / "patterndefine.ini").string() + "."};
    EXPECT_EQ(run.Lines, expected);
}

TEST_F(MasksCommandTest, MalformedDefinitionsFailWithOneSentence)
{
    WriteDefinitions("[brief\nmaskcount=1\n");
    const MasksRun run = RunMasks(scratch_ / "app", scratch_);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Lines.empty());
    EXPECT_NE(run.Errors.find("patterndefine.ini"), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find('\n'), run.Errors.size() - 1) << run.Errors;
}

} // namespace
