#include "panels/ProjectCreation.h"

#include "PanelTestFolder.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "library/LibraryBuilder.h"
#include "library/LibraryConfig.h"
#include "panels/BeginnerSettings.h"
#include "project/ImageListFile.h"
#include "project/ProjectFiles.h"
#include "render/Session.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qx {
namespace {

namespace fs = std::filesystem;

// 7 March 2012, 09:05:42.
std::tm CreationTime()
{
    std::tm t{};
    t.tm_year = 2012 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 42;
    return t;
}

std::vector<std::string> Strings(const std::vector<fs::path>& paths)
{
    std::vector<std::string> strings;
    for (const fs::path& p : paths)
        strings.push_back(p.string());
    return strings;
}

bool IsEmptyFolder(const fs::path& folder)
{
    return fs::is_empty(folder);
}

TEST(CreationTimeStampTest, JoinsTheFieldsWithoutLeadingZeros)
{
    const struct {
        int Year, Month, Day, Hour, Minute, Second;
        const char* Expected;
    } rows[] = {
        {2012, 3, 7, 9, 5, 42, "2012-3-7-9-5-42"},
        {2024, 12, 31, 23, 59, 59, "2024-12-31-23-59-59"},
        {2000, 1, 1, 0, 0, 0, "2000-1-1-0-0-0"},
    };
    for (const auto& row : rows) {
        std::tm t{};
        t.tm_year = row.Year - 1900;
        t.tm_mon = row.Month - 1;
        t.tm_mday = row.Day;
        t.tm_hour = row.Hour;
        t.tm_min = row.Minute;
        t.tm_sec = row.Second;
        EXPECT_EQ(CreationTimeStamp(t), row.Expected);
    }
}

// A session over an app folder of the test's own, a projects folder, and
// small BMP pictures made on demand.
class ProjectCreationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(projects_);
        fs::create_directories(photos_);
        fs::create_directories(app_ / PhotoLibsFolderName);
        session_ = std::make_unique<Session>(app_, 1);
    }

    fs::path Picture(const fs::path& file, unsigned shade = 90) const
    {
        fs::create_directories(file.parent_path());
        TBitmap32 bitmap(8, 6);
        bitmap.Clear(Color32(shade, 40, 200));
        SaveBmp32(file, bitmap);
        return file;
    }

    fs::path Library(const std::string& name, const fs::path& photoFolder) const
    {
        return BuildPhotoLibrary(app_ / PhotoLibsFolderName, {name, photoFolder}).Folder;
    }

    // The panel project as the Beginner panel's update leaves it.
    TqxProject07 PanelProject(const fs::path& mainImage) const
    {
        TBeginnerSettings settings;
        settings.MainImage = {mainImage, false, 8, 6};
        TqxProject07 project;
        UpdateBeginnerProject(settings, project);
        return project;
    }

    TProjectCreation Request(std::vector<fs::path> libraries, std::vector<std::string> own) const
    {
        return {projects_, std::move(libraries), std::move(own), CreationTime()};
    }

    test::PanelTestFolder folder_;
    fs::path projects_ = folder_.Path() / "Mosaics";
    fs::path photos_ = folder_.Path() / "photos";
    fs::path app_ = folder_.Path() / "app";
    std::unique_ptr<Session> session_;
};

TEST_F(ProjectCreationTest, NamesTheFolderAfterTheMainImageAndTheTime)
{
    const struct {
        const char* MainImage;
        const char* Folder;
        const char* Copy; // the extension keeps its letter case
    } rows[] = {
        {"Holiday.Beach.JPG", "Holiday.Beach-2012-3-7-9-5-42", "mainimage.JPG"},
        {"sunset.bmp", "sunset-2012-3-7-9-5-42", "mainimage.bmp"},
        {"noextension", "noextension-2012-3-7-9-5-42", "mainimage"},
        {".Bmp", "-2012-3-7-9-5-42", "mainimage.Bmp"},
    };
    const fs::path photo = Picture(photos_ / "cell.bmp");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.MainImage);
        const fs::path main = Picture(folder_.Path() / "pics" / row.MainImage, 30);
        TqxProject07 panel = PanelProject(main);

        const fs::path folder = CreateProject(*session_, panel, Request({}, {photo.string()}));

        const fs::path expected = projects_ / row.Folder;
        EXPECT_EQ(folder, expected);
        EXPECT_EQ(panel.Projectpath, expected.string());
        EXPECT_EQ(panel.Projectname, row.Folder);
        EXPECT_EQ(panel.MainimageFilename, (expected / row.Copy).string());
        EXPECT_EQ(panel.ProjectStage, 0);
        EXPECT_EQ(ReadWholeFile(expected / row.Copy), ReadWholeFile(main));

        TqxProject07 loaded;
        std::vector<std::string> cells;
        ASSERT_TRUE(LoadProjectFiles(loaded, expected / "project.QX8", cells));
        EXPECT_EQ(loaded.Projectname, row.Folder);
        EXPECT_EQ(loaded.OrgMainimageFilename, main.string());
        EXPECT_EQ(loaded.MosaicWidth, panel.MosaicWidth);
        EXPECT_EQ(cells, std::vector<std::string>{photo.string()});
        EXPECT_EQ(session_->CurrentProject.Projectpath, expected.string());
        EXPECT_EQ(session_->RenderCellImgList, cells);
    }
}

TEST_F(ProjectCreationTest, ACreationInTheSameSecondGetsAFreshFolder)
{
    const fs::path main = Picture(folder_.Path() / "Garden.bmp");
    const fs::path first = Picture(photos_ / "first.bmp");
    const fs::path later = Picture(photos_ / "later.bmp");
    const std::string base = "Garden-2012-3-7-9-5-42";

    TqxProject07 panel = PanelProject(main);
    EXPECT_EQ(CreateProject(*session_, panel, Request({}, {first.string()})), projects_ / base);
    EXPECT_EQ(CreateProject(*session_, panel, Request({}, {later.string()})), projects_ / (base + "-2"));
    EXPECT_EQ(panel.Projectname, base + "-2");
    EXPECT_EQ(CreateProject(*session_, panel, Request({}, {later.string()})), projects_ / (base + "-3"));

    // The earlier project keeps its own photo list.
    EXPECT_EQ(ReadImageListFile(projects_ / base / "imglist.lst"), std::vector<std::string>{first.string()});
    EXPECT_EQ(ReadImageListFile(projects_ / (base + "-2") / "imglist.lst"), std::vector<std::string>{later.string()});
}

TEST_F(ProjectCreationTest, RenderListTakesLibrariesThenOwnPhotosKeepingOnlyPictures)
{
    const fs::path shared = folder_.Path() / "shared";
    const fs::path a = Picture(shared / "a.bmp");
    const fs::path b = Picture(shared / "b.bmp");
    const fs::path c = Picture(shared / "c.bmp");
    // Both libraries list the same three photos; one is deleted afterwards.
    const fs::path one = Library("one", shared);
    const fs::path two = Library("two", shared);
    fs::remove(b);
    const fs::path gif = photos_ / "anim.gif";
    WriteFileAtomically(gif, std::string_view("GIF89a not a picture this system reads"));
    const fs::path own = Picture(photos_ / "own.bmp");
    const std::vector<std::string> ownPhotos{a.string(), gif.string(), own.string(),
                                             (photos_ / "missing.bmp").string()};
    const TProjectCreation request = Request({one, two}, ownPhotos);

    // Counted as the libraries state their sizes, plus every own photo.
    EXPECT_EQ(SelectedPhotoCount(request), 3 + 3 + 4);

    TqxProject07 panel = PanelProject(Picture(folder_.Path() / "main.bmp"));
    const fs::path folder = CreateProject(*session_, panel, request);

    const std::vector<std::string> expected = Strings({a, c, a, c, a, own});
    EXPECT_EQ(ReadImageListFile(folder / "imglist.lst"), expected);
    EXPECT_EQ(session_->RenderCellImgList, expected);
}

TEST_F(ProjectCreationTest, SelectedCountTrustsTheLibrariesStatedSizes)
{
    std::vector<fs::path> libraries;
    for (const auto& [name, count] : {std::pair{"big", 120}, std::pair{"small", 80}}) {
        const fs::path library = app_ / PhotoLibsFolderName / name;
        fs::create_directories(library);
        Tlibcfg config;
        config.PhotoCount = count;
        WriteLibraryConfig(library / LibraryConfigFileName, config);
        libraries.push_back(library);
    }
    const std::vector<std::string> own(5, "/nowhere/photo.jpg");

    EXPECT_EQ(SelectedPhotoCount(Request(libraries, own)), 205);
}

TEST_F(ProjectCreationTest, PhotoCountUpToTheIndexCapacityIsAccepted)
{
    const fs::path main = Picture(folder_.Path() / "Crowd.bmp");
    const std::string photo = Picture(photos_ / "p.bmp").string();
    TqxProject07 panel = PanelProject(main);

    const fs::path folder = CreateProject(*session_, panel, Request({}, std::vector<std::string>(1001, photo)));
    EXPECT_EQ(ReadImageListFile(folder / "imglist.lst").size(), 1001u);

    try {
        CreateProject(*session_, panel, Request({}, std::vector<std::string>(1002, photo)));
        FAIL() << "1002 photos were accepted";
    } catch (const QuiltixError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("1002"), std::string::npos) << message;
        EXPECT_NE(message.find("1001"), std::string::npos) << message;
    }
    EXPECT_FALSE(fs::exists(projects_ / "Crowd-2012-3-7-9-5-42-2"));
}

TEST_F(ProjectCreationTest, RefusalsWriteNothing)
{
    const fs::path photo = Picture(photos_ / "p.bmp");
    const fs::path gif = photos_ / "only.gif";
    WriteFileAtomically(gif, std::string_view("GIF89a"));
    const fs::path main = Picture(folder_.Path() / "main.bmp");
    const fs::path notPicture = folder_.Path() / "main.jpg";
    WriteFileAtomically(notPicture, std::string_view("text, not a picture"));

    const struct {
        const char* Case;
        std::function<void(TqxProject07&, TProjectCreation&)> Change;
        std::string Message;
        bool Whole; // the whole sentence, else a part naming the file
    } rows[] = {
        {"no photos", [](TqxProject07&, TProjectCreation& r) { r.OwnPhotos.clear(); },
         "You have not load any images for cells", true},
        {"no picture among the photos", [&](TqxProject07&, TProjectCreation& r) { r.OwnPhotos = {gif.string()}; },
         "None of the chosen cell photos is a JPEG or BMP picture.", true},
        {"no main image", [](TqxProject07& p, TProjectCreation&) { p.OrgMainimageFilename.clear(); },
         "No main image has been chosen", false},
        {"main image gone",
         [&](TqxProject07& p, TProjectCreation&) { p.OrgMainimageFilename = (folder_.Path() / "gone.jpg").string(); },
         "gone.jpg\" does not exist.", false},
        {"main image not a picture",
         [&](TqxProject07& p, TProjectCreation&) { p.OrgMainimageFilename = notPicture.string(); },
         "main.jpg\" is neither a JPEG nor a BMP picture.", false},
        {"projects folder missing",
         [&](TqxProject07&, TProjectCreation& r) { r.ProjectsDirectory = projects_ / "no" / "such"; },
         "cannot be created", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        TqxProject07 panel = PanelProject(main);
        TProjectCreation request = Request({}, {photo.string()});
        row.Change(panel, request);
        try {
            CreateProject(*session_, panel, request);
            ADD_FAILURE() << "the creation was not refused";
        } catch (const QuiltixError& e) {
            const std::string message = e.what();
            if (row.Whole)
                EXPECT_EQ(message, row.Message);
            else
                EXPECT_NE(message.find(row.Message), std::string::npos) << message;
        }
        EXPECT_TRUE(IsEmptyFolder(projects_));
        EXPECT_TRUE(panel.Projectpath.empty());
        EXPECT_TRUE(session_->CurrentProject.Projectpath.empty());
    }
}

} // namespace
} // namespace qx
