#include "imaging/BmpCodec.h"
#include "project/ImageListFile.h"
#include "project/ProjectFiles.h"
#include "render/RenderJob.h"
#include "render/Session.h"
#include "support/RecordingReporter.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

using LogRecorder = qx::test::RecordingReporter;

// Files of a folder with their sizes and modification times, to tell
// whether a job wrote anything.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = {entry.file_size(), entry.last_write_time()};
    return files;
}

class RenderJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = qx::test::FreshTestFolder("qx_renderjob_");
        fs::create_directories(root_ / "project");
        for (int i = 0; i < 10; ++i) {
            qx::TBitmap32 photo(40, 30);
            photo.Clear(qx::Color32(25 * i, 255 - 25 * i, 120));
            photos_.push_back((root_ / ("photo" + std::to_string(i) + ".bmp")).string());
            qx::SaveBmp32(photos_.back(), photo);
        }
        qx::TBitmap32 main(240, 180);
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 240; ++x)
                main.SetPixel(x, y, qx::Color32(x, 255 - y, 120));
        qx::SaveBmp32(root_ / "project" / "mainimage.bmp", main);
    }

    // A fresh session holding a new 10 x 10 cell project of the plain grid.
    std::unique_ptr<qx::Session> NewProjectSession()
    {
        auto session = std::make_unique<qx::Session>(QX_DATA_DIR, 7);
        qx::TqxProject07& p = session->CurrentProject;
        p.Projectpath = (root_ / "project").string();
        p.Projectname = "job-test";
        p.MainimageFilename = (root_ / "project" / "mainimage.bmp").string();
        p.OrgMainimageFilename = p.MainimageFilename;
        p.MainImageLoaded = true;
        p.MosaicWidth = p.PageWidth = 240;
        p.MosaicHeight = p.PageHeight = 180;
        p.CellWidth = 24;
        p.CellHeight = 18;
        session->RenderCellImgList = photos_;
        qx::WriteImageListFile(root_ / "project" / "imglist.lst", photos_);
        qx::SaveProjectFiles(p);
        return session;
    }

    // What the main window's Open does: a new session loading the files.
    std::unique_ptr<qx::Session> LoadedSession()
    {
        auto session = std::make_unique<qx::Session>(QX_DATA_DIR, 7);
        EXPECT_TRUE(qx::LoadProjectFiles(session->CurrentProject, root_ / "project" / "project.QX8",
                                         session->RenderCellImgList));
        return session;
    }

    fs::path root_;
    std::vector<std::string> photos_;
};

const std::vector<std::string> kCanvasLines = {
    "Init render.............Done", "Init MainImage.............Done", "Step1 -- Init Canvas.............Done",
    "Step2 -- Background............Done", "Step3 -- Rendering Mosaic "};

std::vector<std::string> Slice(const std::vector<std::string>& v, std::size_t from, std::size_t count)
{
    return {v.begin() + static_cast<std::ptrdiff_t>(from),
            v.begin() + static_cast<std::ptrdiff_t>(std::min(v.size(), from + count))};
}

} // namespace

TEST_F(RenderJobTest, NewProjectLogsEveryStepAndLeavesAFinishedProject)
{
    auto session = NewProjectSession();
    LogRecorder log;
    const qx::TRenderResult result = qx::RunRenderJob(*session, log);
    ASSERT_EQ(result.Outcome, qx::TRenderOutcome::Created) << result.Message;

    const fs::path output = root_ / "project" / "output.bmp";
    std::vector<std::string> expected = {"Processing Project: job-test"};
    expected.insert(expected.end(), kCanvasLines.begin(), kCanvasLines.end());
    for (const char* line : {"Initalize image lib.............Start", "Initalize image lib.............Done",
                             "apply pattern", "apply pattern..............DONE",
                             "============rendering pattern============", "Active Layers count:1",
                             "Init Layers .............Done", "1st Render Procedure. (CycleLib) ",
                             "2nd Render Procedure. (CycleTile) ", "Render Layers .............Done",
                             "============Pattern Rendered============", "============saving pattern============",
                             "============Project Saved============", "Draw Mosaics", "Clearning Main Mosaic Canvas",
                             "drawing tiles", "Draw Mosaics.......................Done"})
        expected.emplace_back(line);
    expected.push_back("PhotoMosaic Saved to " + output.string());
    expected.push_back("     Pattern cells count: 100");
    expected.push_back("     Pictures count: 10");
    ASSERT_EQ(Slice(log.Lines, 0, expected.size()), expected);
    ASSERT_EQ(log.Lines.size(), expected.size() + 3);
    EXPECT_EQ(log.Lines[expected.size()].rfind("usedpic ", 0), 0u);
    EXPECT_EQ(Slice(log.Lines, expected.size() + 1, 2), (std::vector<std::string>{"Project Rendered", "All Job Done"}));

    EXPECT_EQ(session->CurrentProject.ProjectStage, 2);
    for (const char* file : {"project.ini", "project.QX8", "project.LYS", "LibInfo.cls", "LibInfo_R.cls",
                             "output.bmp", "FileUsageCounter.txt", "stat.bmp", "TilePlan.txt"})
        EXPECT_TRUE(fs::exists(root_ / "project" / file)) << file;
    EXPECT_EQ(fs::file_size(root_ / "project" / "project.LYS"), 28u + 100 * 576);
    const qx::TBitmap32 mosaic = qx::LoadBmpFile(output);
    EXPECT_EQ(mosaic.Width(), 240);
    EXPECT_EQ(mosaic.Height(), 180);
    auto reloaded = LoadedSession();
    EXPECT_EQ(reloaded->CurrentProject.ProjectStage, 2);
}

TEST_F(RenderJobTest, FinishedProjectReloadsWithoutWritingAFile)
{
    {
        auto session = NewProjectSession();
        LogRecorder log;
        ASSERT_EQ(qx::RunRenderJob(*session, log).Outcome, qx::TRenderOutcome::Created);
    }
    const auto before = Snapshot(root_ / "project");
    auto session = LoadedSession();
    LogRecorder log;
    const qx::TRenderResult result = qx::RunRenderJob(*session, log);
    ASSERT_EQ(result.Outcome, qx::TRenderOutcome::Loaded) << result.Message;
    std::vector<std::string> expected = {"Processing Project: job-test"};
    expected.insert(expected.end(), kCanvasLines.begin(), kCanvasLines.end());
    expected.insert(expected.end(), {"Project Loaded", "All Job Done"});
    EXPECT_EQ(log.Lines, expected);
    EXPECT_EQ(Snapshot(root_ / "project"), before);
    EXPECT_EQ(session->MosaicBitmap.Width(), 240);
    EXPECT_EQ(session->PhotoIndex.TileInfoCount(), 10);
    EXPECT_GT(session->PhotoIndex.UsedPhotoCount(), 0);
}

TEST_F(RenderJobTest, AssignedProjectIsDrawnFromItsSavedCellsAndCountsTheirPhotos)
{
    std::string firstPlan;
    {
        auto session = NewProjectSession();
        LogRecorder log;
        ASSERT_EQ(qx::RunRenderJob(*session, log).Outcome, qx::TRenderOutcome::Created);
        session->CurrentProject.ProjectStage = 1;
        qx::SaveProjectFiles(session->CurrentProject);
    }
    const auto plan = [&] {
        std::ifstream in(root_ / "project" / "TilePlan.txt", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    firstPlan = plan();
    fs::remove(root_ / "project" / "output.bmp");
    fs::remove(root_ / "project" / "TilePlan.txt");

    auto session = LoadedSession();
    LogRecorder log;
    const qx::TRenderResult result = qx::RunRenderJob(*session, log);
    ASSERT_EQ(result.Outcome, qx::TRenderOutcome::Created) << result.Message;
    std::vector<std::string> head = {"Processing Project: job-test"};
    head.insert(head.end(), kCanvasLines.begin(), kCanvasLines.end());
    head.insert(head.end(), {"Initalize image lib.............Start", "Initalize image lib.............Done",
                             "Draw Mosaics"});
    EXPECT_EQ(Slice(log.Lines, 0, head.size()), head);
    EXPECT_EQ(log.Lines.back(), "All Job Done");
    EXPECT_TRUE(fs::exists(root_ / "project" / "output.bmp"));
    // The resumed job describes the same cells, so it writes the same plan.
    EXPECT_EQ(plan(), firstPlan);
    EXPECT_EQ(session->CurrentProject.ProjectStage, 2);
}

TEST_F(RenderJobTest, FailingStepEndsTheJobWithASentenceAndKeepsEarlierFiles)
{
    auto session = NewProjectSession();
    session->RenderCellImgList = {photos_[0], (root_ / "broken.jpg").string()};
    // A JPEG signature at both ends with nothing decodable between.
    std::ofstream((root_ / "broken.jpg"), std::ios::binary) << std::string("\xFF\xD8garbage\xFF\xD9", 11);
    LogRecorder log;
    const qx::TRenderResult result = qx::RunRenderJob(*session, log);
    EXPECT_EQ(result.Outcome, qx::TRenderOutcome::Failed);
    EXPECT_EQ(result.Message.rfind("Indexing the photos failed: ", 0), 0u) << result.Message;
    EXPECT_NE(result.Message.find("broken.jpg"), std::string::npos);
    EXPECT_EQ(log.Lines.back(), "Initalize image lib.............Start");
    EXPECT_TRUE(fs::exists(root_ / "project" / "project.QX8"));
    EXPECT_FALSE(fs::exists(root_ / "project" / "output.bmp"));
}
