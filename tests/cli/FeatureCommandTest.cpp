#include "common/FileIO.h"
#include "imaging/BmpCodec.h"

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

struct FeatureRun {
    int ExitCode = -1;
    std::vector<std::string> Lines;
    std::string Errors;
};

class FeatureCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        scratch_ = fs::temp_directory_path() / ("qx-feature-cli-" + name + "-" + std::to_string(getpid()));
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override { fs::remove_all(scratch_); }

    FeatureRun RunFeature(const fs::path& file) const
    {
        const fs::path errors = scratch_ / "stderr.txt";
        const std::string command =
            std::string("'") + QX_CLI_PATH + "' feature '" + file.string() + "' 2>'" + errors.string() + "'";
        FeatureRun run;
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

    fs::path scratch_;
};

} // namespace

TEST_F(FeatureCommandTest, FlatRedPicturePrintsTheCubeAndEightyFiveEqualWords)
{
    qx::TBitmap32 red(40, 30);
    red.Clear(qx::Color32(255, 0, 0));
    qx::SaveBmp32(scratch_ / "red.bmp", red);
    const FeatureRun run = RunFeature(scratch_ / "red.bmp");
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
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
    const FeatureRun run = RunFeature(scratch_ / "halves.bmp");
    ASSERT_EQ(run.Lines.size(), 86u) << run.Errors;
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
        const FeatureRun run = RunFeature(file);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Lines.empty());
        EXPECT_EQ(run.Errors, "The file \"" + file.string() + "\" is neither a JPEG nor a BMP picture.\n");
    }
}

TEST_F(FeatureCommandTest, UndecodablePictureFailsWithOneSentence)
{
    qx::WriteFileAtomically(scratch_ / "broken.bmp", std::string_view("BM and nothing more"));
    const FeatureRun run = RunFeature(scratch_ / "broken.bmp");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Lines.empty());
    EXPECT_NE(run.Errors.find((scratch_ / "broken.bmp").string()), std::string::npos) << run.Errors;
    EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << run.Errors;
}
