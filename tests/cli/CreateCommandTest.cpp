#include "CreateTestFixture.h"

#include "imaging/CurveFile.h"

#include <gtest/gtest.h>

namespace qx::test {
namespace {

namespace fs = std::filesystem;

using CreateCommand = CreateTestFixture;

const char* const kDefaultEnhance = "(9,255) (50,190) (101,141) (151,108) (212,90)";
const char* const kDefaultAlpha = "(9,0) (20,20) (36,39) (51,50) (121,69)";
const char* const kFlatCurve = "(0,5) (0,5) (0,5) (0,5) (0,5)";

// What each panel's options give a project made from the 400 x 300 main
// image; sizes are the worked values of the panels' size computations.
const struct {
    const char* Arguments;
    std::map<std::string, std::string> Fields;
} kMappingRows[] = {
    {"",
     {{"MainImageLoaded", "1"}, {"PPI", "96"}, {"MosaicWidth", "2112"}, {"MosaicHeight", "1584"},
      {"PageWidth", "2112"}, {"PageHeight", "1584"}, {"CellWidth", "48"}, {"CellHeight", "36"},
      {"MaskIndex", "1"}, {"PatternIndex", "1"}, {"CropCellImage", "1"}, {"MonoCellImage", "0"},
      {"MonoMainImage", "0"}, {"BorderSize", "0"}, {"BorderColor", "0x00FFFFFF"}, {"RandomLevel", "20"},
      {"LimitRepeat", "0"}, {"EnhanceCurve", kDefaultEnhance}, {"AlphaCurve", kDefaultAlpha}}},
    {"--paper A4 --ppi 72 --orientation portrait --fit stretch",
     {{"PPI", "72"}, {"MosaicWidth", "594"}, {"MosaicHeight", "846"}, {"CropMainImage", "0"}}},
    {"--paper b3 --ppi 72 --fit crop",
     {{"MosaicWidth", "1422"}, {"MosaicHeight", "999"}, {"PageWidth", "1422"}, {"CropMainImage", "1"}}},
    {"--custom 100x100 --unit cm --fit stretch", {{"MosaicWidth", "3779"}, {"MosaicHeight", "3779"}}},
    {"--paper custom --custom 16x55 --fit stretch", {{"MosaicWidth", "3840"}, {"MosaicHeight", "1536"}}},
    {"--cell 30x26 --mask 2 --pattern 2",
     {{"CellWidth", "30"}, {"CellHeight", "26"}, {"MaskIndex", "2"}, {"PatternIndex", "2"}}},
    {"--border 5 --border-color FF8000 --no-crop-cell --mono-cell --mono-main",
     {{"BorderSize", "5"}, {"BorderColor", "0x000080FF"}, {"CropCellImage", "0"}, {"MonoCellImage", "1"},
      {"MonoMainImage", "1"}}},
    {"--use-all --random-level 77",
     {{"LimitRepeat", "1"}, {"MaxRepeat", "999"}, {"MinRepeat", "1"}, {"RandomLevel", "77"}}},
    {"--enhance-preset 0 --alpha-preset 10",
     {{"EnhanceCurve", "(0,0) (50,0) (60,0) (70,0) (80,0)"}, {"AlphaCurve", "(0,0) (20,8) (42,13) (75,17) (150,19)"}}},
    {"--mode advanced",
     {{"MosaicWidth", "2112"}, {"PageWidth", "2112"}, {"PageHeight", "1584"}, {"RepeatRadius", "1"},
      {"MaxRepeat", "20"}, {"MinRepeat", "1"}, {"MaxColorDiffAvg", "40"}, {"MaxColorDiffSingle", "50"},
      {"MaxShapeDiff", "30"}, {"EnhanceLevel", "50"}, {"AlphaBlendMain", "50"}, {"AlphaBlendPen", "255"}}},
    {"--mode advanced --paper A1 --fit stretch --pages 1000x1000",
     {{"MosaicWidth", "3168"}, {"MosaicHeight", "2244"}, {"PageWidth", "1000"}, {"PageHeight", "1000"}}},
    {"--mode advanced --hflip --vflip --repeat-radius 3 --limit-repeat --max-repeat 5 --min-repeat 2 "
     "--max-color-diff-avg 11 --max-color-diff-single 12 --max-shape-diff 13 --random-level 9 --border 2 "
     "--no-crop-cell",
     {{"AllowHorzFlip", "1"}, {"AllowVertFlip", "1"}, {"RepeatRadius", "3"}, {"LimitRepeat", "1"},
      {"MaxRepeat", "5"}, {"MinRepeat", "2"}, {"MaxColorDiffAvg", "11"}, {"MaxColorDiffSingle", "12"},
      {"MaxShapeDiff", "13"}, {"RandomLevel", "9"}, {"BorderSize", "2"}, {"CropCellImage", "0"}}},
    {"--mode tile",
     {{"PPI", "96"}, {"MosaicWidth", "1920"}, {"MosaicHeight", "1440"}, {"PageWidth", "1920"},
      {"CellWidth", "96"}, {"CellHeight", "96"}, {"EnhanceCurve", kFlatCurve}, {"AlphaCurve", kFlatCurve},
      {"MaxColorDiffAvg", "50"}, {"MaxColorDiffSingle", "60"}, {"MaxShapeDiff", "40"}, {"CropCellImage", "1"},
      {"MonoCellImage", "0"}, {"AllowHorzFlip", "0"}, {"BorderSize", "0"}}},
    {"--mode tile --tile 25x25 --tile-unit mm --wall 100x50 --wall-unit cm --fit stretch",
     {{"CellWidth", "94"}, {"CellHeight", "94"}, {"MosaicWidth", "3779"}, {"MosaicHeight", "1889"}}},
    {"--mode tile --tile 0.3x2 --wall 30x20 --orientation portrait --fit stretch --repeat-radius 150 --mask 3",
     {{"CellWidth", "38"}, {"CellHeight", "192"}, {"MosaicWidth", "1920"}, {"MosaicHeight", "2880"},
      {"RepeatRadius", "100"}, {"MaskIndex", "3"}}},
};

TEST_F(CreateCommand, OptionsReachTheProject)
{
    for (const auto& row : kMappingRows) {
        SCOPED_TRACE(row.Arguments);
        const Created created = LoadPrinted(CreateOnly(row.Arguments));
        for (const auto& [name, value] : row.Fields) {
            ASSERT_TRUE(created.Fields.count(name)) << name;
            EXPECT_EQ(created.Fields.at(name), value) << name;
        }
        fs::remove_all(created.Folder);
    }
}

TEST_F(CreateCommand, AdvancedCurvesComeFromTheCurveFiles)
{
    TCurvePoints defaultEnhance{};
    TCurvePoints defaultAlpha{};
    ASSERT_TRUE(ReadCurveFile(AppFolder() / "config/enhance/default.ehc", defaultEnhance));
    ASSERT_TRUE(ReadCurveFile(AppFolder() / "config/enhance/default.amc", defaultAlpha));
    const Created defaults = LoadPrinted(CreateOnly("--mode advanced"));
    EXPECT_EQ(defaults.Project.EnhanceCurve, defaultEnhance);
    EXPECT_EQ(defaults.Project.AlphaCurve, defaultAlpha);
    fs::remove_all(defaults.Folder);

    const TCurvePoints enhance{{{10, 200}, {20, 150}, {30, 100}, {40, 50}, {250, 0}}};
    WriteCurveFile(root_ / "mine.ehc", enhance);
    WriteCurveFile(root_ / "mine.amc", {{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 999}}});
    const Created mine = LoadPrinted(
        CreateOnly("--mode advanced --enhance-curve '{root}/mine.ehc' --alpha-curve '{root}/mine.amc'"));
    EXPECT_EQ(mine.Project.EnhanceCurve, enhance);
    // A point beyond the curve's range enters the project clamped.
    EXPECT_EQ(mine.Fields.at("AlphaCurve"), "(0,0) (1,1) (2,2) (3,3) (4,255)");
}

TEST_F(CreateCommand, OptionsOfOtherModesAreRefused)
{
    const struct {
        const char* Arguments;
        const char* Message;
    } rows[] = {
        {"--pages 100x100", "The option --pages is not offered in beginner mode; use --mode advanced."},
        {"--hflip", "The option --hflip is not offered in beginner mode; use --mode advanced."},
        {"--max-repeat 3", "The option --max-repeat is not offered in beginner mode; use --mode advanced or tile."},
        {"--tile 1x1", "The option --tile is not offered in beginner mode; use --mode tile."},
        {"--mode advanced --use-all", "The option --use-all is not offered in advanced mode; use --mode beginner."},
        {"--mode advanced --enhance-preset 10",
         "The option --enhance-preset is not offered in advanced mode; use --mode beginner."},
        {"--mode advanced --wall-unit cm", "The option --wall-unit is not offered in advanced mode; use --mode tile."},
        {"--mode tile --paper A4", "The option --paper is not offered in tile mode; use --mode beginner or advanced."},
        {"--mode tile --border 2", "The option --border is not offered in tile mode; use --mode beginner or advanced."},
        {"--mode tile --alpha-curve x.amc",
         "The option --alpha-curve is not offered in tile mode; use --mode advanced."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Arguments);
        const CliRun run = CreateOnly(row.Arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, std::string(row.Message) + "\n");
    }
    EXPECT_TRUE(ProjectFolders().empty());
}

TEST_F(CreateCommand, BadInputIsRefusedWithOneSentence)
{
    std::string list;
    for (int i = 0; i < 1002; ++i)
        list += (PhotosDir() / "p0.bmp").string() + "\r\n";
    WriteFileAtomically(root_ / "many.txt", list);
    WriteFileAtomically(root_ / "notes.jpg", std::string_view("no picture"));
    const std::string base = "create --no-render --projects-dir '{root}/projects' ";
    const std::string photos = "--photos '{root}/photos' ";
    const std::string main = "--main '{root}/Lake.bmp' ";
    const struct {
        std::string Arguments;
        std::string Message;
    } rows[] = {
        {base + photos, "No main image was given; name a JPEG or BMP picture with --main."},
        {base + photos + "--main none.jpg", "The main image \"none.jpg\" does not exist."},
        {base + photos + "--main notes.jpg", "The main image \"notes.jpg\" is neither a JPEG nor a BMP picture."},
        {base + main, "You have not load any images for cells"},
        {base + main + "--photos nope.bmp", "The photo \"nope.bmp\" does not exist."},
        {base + main + "--photo-list gone.txt", "The photo list \"gone.txt\" does not exist."},
        {base + main + "--photo-list many.txt",
         "The photo list holds 1002 photos, but a project can use at most 1001."},
        {base + main + photos + "--paper A5",
         "The paper \"A5\" is not offered; choose one of Letter, Legal, Tabloid, 20x16, 24x16, 24x18, 30x24, "
         "36x24, 40x32, A1, A2, A3, A4, B1, B2, B3, B4, custom."},
        {base + main + photos + "--paper A4 --unit cm",
         "The options --custom and --unit apply only to --paper custom, not to --paper A4."},
        {base + main + photos + "--ppi 250",
         "The resolution 250 PPI is not offered; choose one of 72, 96, 100, 120, 150, 180, 200."},
        {base + main + photos + "--cell 48",
         "The option --cell takes two whole numbers of pixels as WxH, such as 48x36, not \"48\"."},
        {base + main + photos + "--mode advanced --pages 10x1.5",
         "The option --pages takes two whole numbers of pixels as WxH, such as 48x36, not \"10x1.5\"."},
        {base + main + photos + "--mask 6", "The mask 6 does not exist; the mask library defines masks 1 to 5."},
        {base + main + photos + "--mask 4 --pattern 2", "The pattern 2 does not exist for mask 4; it has only pattern 1."},
        {base + main + photos + "--border-color red",
         "The option --border-color takes a colour as six hexadecimal digits RRGGBB, such as FF8000, not \"red\"."},
        {base + main + photos + "--enhance-preset 30",
         "The colour-enhance preset 30 is not offered; choose one of 0, 10, 25, 50."},
        {base + main + photos + "--mode advanced --enhance-curve none.ehc",
         "The curve file \"none.ehc\" does not exist."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Arguments);
        const CliRun run = Run(row.Arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, row.Message + "\n");
    }
    EXPECT_TRUE(ProjectFolders().empty());
}

TEST_F(CreateCommand, LibrariesAreCheckedByNameInListOrder)
{
    for (const auto& [name, kind] : {std::pair{"beta", 0}, std::pair{"alpha", 0}, std::pair{"tiles", TileLibraryKind}}) {
        const fs::path source = root_ / ("source-" + std::string(name));
        Picture(source / (std::string(name) + ".bmp"), 4, 4, 10);
        BuildPhotoLibrary(AppFolder() / PhotoLibsFolderName, {name, source, kind});
    }
    const std::string base = "create --no-render --main Lake.bmp --projects-dir projects ";

    const Created both = LoadPrinted(Run(base + "--library beta --library alpha --library beta --photos photos/p2.bmp"));
    EXPECT_EQ(both.Cells, (std::vector<std::string>{(root_ / "source-alpha/alpha.bmp").string(),
                                                    (root_ / "source-beta/beta.bmp").string(),
                                                    (PhotosDir() / "p2.bmp").string()}));
    fs::remove_all(both.Folder);

    const struct {
        std::string Arguments;
        std::string Message;
    } refusals[] = {
        {"--library gamma", "The photo library \"gamma\" does not exist in \"{app}/PhotoLibs\"; the known photo "
                            "libraries are alpha, beta, tiles."},
        {"--mode tile --library alpha",
         "The photo library \"alpha\" is not a tile library (kind 30); the known tile libraries are tiles."},
        {"--mode tile --library gamma",
         "The tile library \"gamma\" does not exist in \"{app}/PhotoLibs\"; the known tile libraries are tiles."},
    };
    for (const auto& row : refusals) {
        SCOPED_TRACE(row.Arguments);
        const CliRun run = Run(base + row.Arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, Expand(row.Message) + "\n");
    }
    const Created tile = LoadPrinted(Run(base + "--mode tile --library tiles"));
    EXPECT_EQ(tile.Cells, std::vector<std::string>{(root_ / "source-tiles/tiles.bmp").string()});
}

TEST_F(CreateCommand, OwnPhotosComeFromTheListThenFilesAndFolders)
{
    const fs::path folder = root_ / "mine";
    for (const char* name : {"b.bmp", "a.BMP", "m/e.bmp", "z.bmp", "skipped.jpeg"})
        Picture(folder / name, 4, 4, 200);
    WriteFileAtomically(folder / "anim.gif", std::string_view("GIF89a"));
    WriteFileAtomically(root_ / "list.txt", (PhotosDir() / "p1.bmp").string() + "\r\n" +
                                                (folder / "anim.gif").string() + "\n" +
                                                (PhotosDir() / "p0.bmp").string() + "\n");
    const std::string base = "create --no-render --main Lake.bmp --projects-dir projects --photo-list list.txt "
                             "--photos mine --photos photos/p2.bmp ";
    const std::vector<std::string> listed{(PhotosDir() / "p1.bmp").string(), (PhotosDir() / "p0.bmp").string()};
    const std::vector<std::string> flat{(folder / "a.BMP").string(), (folder / "b.bmp").string()};
    const std::vector<std::string> deep{(folder / "a.BMP").string(), (folder / "b.bmp").string(),
                                        (folder / "m/e.bmp").string()};
    const struct {
        const char* Extra;
        const std::vector<std::string>& Folder;
    } rows[] = {{"", flat}, {"--recursive", deep}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Extra);
        const Created created = LoadPrinted(Run(base + row.Extra));
        std::vector<std::string> expected = listed;
        expected.insert(expected.end(), row.Folder.begin(), row.Folder.end());
        expected.push_back((folder / "z.bmp").string());
        expected.push_back((PhotosDir() / "p2.bmp").string());
        EXPECT_EQ(created.Cells, expected);
        fs::remove_all(created.Folder);
    }
}

TEST_F(CreateCommand, RendersUnlessAskedNotTo)
{
    const CliRun run = Run("create --main Lake.bmp --photos photos --projects-dir projects --seed 7 --custom 2x2 "
                           "--ppi 72 --fit stretch --cell 48x48");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<fs::path> folders = ProjectFolders();
    ASSERT_EQ(folders.size(), 1u);
    const fs::path output = folders[0] / "output.bmp";
    EXPECT_TRUE(fs::is_regular_file(output));
    EXPECT_NE(run.Out.find("\nPhotoMosaic Saved to " + output.string() + "\n"), std::string::npos) << run.Out;
    EXPECT_TRUE(run.Out.ends_with("All Job Done\n")) << run.Out;
    EXPECT_EQ(run.Out.find(folders[0].string() + "\n"), std::string::npos) << run.Out;
}

} // namespace
} // namespace qx::test
