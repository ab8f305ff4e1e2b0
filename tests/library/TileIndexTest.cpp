#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "library/TileIndex.h"
#include "support/RecordingReporter.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class TileIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = qx::test::FreshTestFolder("qx_tileindex_");
    }

    std::string FlatPhoto(const std::string& name, qx::TColor32 colour)
    {
        qx::TBitmap32 b(40, 30);
        b.Clear(colour);
        const fs::path file = dir_ / name;
        qx::SaveBmp32(file, b);
        return file.string();
    }

    std::string TextFile(const std::string& name)
    {
        const fs::path file = dir_ / name;
        qx::WriteFileAtomically(file, std::string_view("not a picture"));
        return file.string();
    }

    fs::path dir_;
    qx::SilentReporter quiet_;
};

using qx::test::RecordingReporter;

std::uint32_t BlockWord(unsigned l, unsigned r, unsigned g, unsigned b)
{
    return l | (r << 8) | (g << 16) | (b << 24);
}

} // namespace

TEST_F(TileIndexTest, FlatPhotosGiveFlatFeaturesInListOrderAndReportProgress)
{
    const std::vector<std::string> photos = {FlatPhoto("r.bmp", qx::Color32(255, 0, 0)),
                                             FlatPhoto("g.bmp", qx::Color32(0, 255, 0)),
                                             FlatPhoto("b.bmp", qx::Color32(0, 0, 255))};
    qx::TileIndex index;
    RecordingReporter reporter;
    index.BuildTileIndex(photos, reporter);
    ASSERT_EQ(index.TileInfoCount(), 3);
    const std::uint32_t expected[] = {BlockWord(76, 255, 0, 0), BlockWord(149, 0, 255, 0), BlockWord(29, 0, 0, 255)};
    const std::uint32_t cubes[] = {5, 30, 180};
    for (int i = 0; i < 3; ++i) {
        const auto& words = index.TileInfo(i).Feature.Words;
        EXPECT_EQ(words[0], cubes[i]) << i;
        for (int w = 1; w < 86; ++w)
            ASSERT_EQ(words[static_cast<std::size_t>(w)], expected[i]) << i << " word " << w;
    }
    EXPECT_EQ(reporter.Labels, (std::vector<std::string>{" Done Images:0/3", " Done Images:1/3", " Done Images:2/3"}));
    EXPECT_EQ(reporter.Progress, (std::vector<int>{0, 50, 100}));
}

TEST_F(TileIndexTest, UnreadablePhotoRepeatsThePreviousFeatureAndAFirstOneIsBlack)
{
    const std::string red = FlatPhoto("r.bmp", qx::Color32(255, 0, 0));
    const std::string green = FlatPhoto("g.bmp", qx::Color32(0, 255, 0));
    const std::string junk = TextFile("junk.jpg");
    qx::TileIndex index;
    index.BuildTileIndex({junk, red, green, junk}, quiet_);
    EXPECT_EQ(index.TileInfo(0).Feature, qx::TTileFeature{});
    EXPECT_NE(index.TileInfo(1).Feature, qx::TTileFeature{});
    EXPECT_EQ(index.TileInfo(3).Feature, index.TileInfo(2).Feature);
}

TEST_F(TileIndexTest, EmptyListLeavesTheIndexAndBuildsKeepUseCounts)
{
    qx::TileIndex index;
    index.BuildTileIndex({FlatPhoto("r.bmp", qx::Color32(255, 0, 0))}, quiet_);
    index.TileInfo(0).UsedCount = 7;
    index.BuildTileIndex({}, quiet_);
    ASSERT_EQ(index.TileInfoCount(), 1);
    index.BuildTileIndex({FlatPhoto("g.bmp", qx::Color32(0, 255, 0))}, quiet_);
    EXPECT_EQ(index.TileInfo(0).UsedCount, 7);
    EXPECT_EQ(index.UsedPhotoCount(), 1);
    index.ResetUsedCounts();
    EXPECT_EQ(index.UsedPhotoCount(), 0);
}

TEST_F(TileIndexTest, SavedIndexHasTheStatedSizesAndLoadsBackWithUseCounts)
{
    const std::string red = FlatPhoto("r.bmp", qx::Color32(255, 0, 0));
    qx::TileIndex index;
    index.BuildTileIndex({red, red, red}, quiet_);
    index.TileInfo(0).UsedCount = 4;
    index.TileInfo(2).UsedCount = 9;
    index.SaveTileIndex(dir_);
    EXPECT_EQ(fs::file_size(dir_ / "LibInfo.cls"), 4u + 3 * 356);
    EXPECT_EQ(fs::file_size(dir_ / "LibInfo_R.cls"), 4u);
    const auto bytes = qx::ReadWholeFile(dir_ / "LibInfo.cls");
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[4 + 356 * 2 + 8], 9); // UsedCount of the third record

    qx::TileIndex loaded;
    loaded.LoadTileIndex(dir_);
    ASSERT_EQ(loaded.TileInfoCount(), 3);
    EXPECT_EQ(loaded.TileInfo(0).UsedCount, 4);
    EXPECT_EQ(loaded.TileInfo(2).UsedCount, 9);
    EXPECT_EQ(loaded.TileInfo(1).Feature, index.TileInfo(1).Feature);
}

TEST_F(TileIndexTest, RotatedBuildIndexesOnlyTheFirst200Photos)
{
    const std::string red = FlatPhoto("r.bmp", qx::Color32(255, 0, 0));
    const std::vector<std::string> photos(250, red);
    qx::TileIndex index;
    index.BuildRotatedTileIndex(photos, 0x00FFFFFF, quiet_);
    EXPECT_EQ(index.TileInfoCount(), 250);
    EXPECT_EQ(index.RotatedCount(), 200);
    // Step 0 is the photo itself; turned steps take the ground into the corners.
    EXPECT_EQ(index.TileInfoRotated(0).Rotated[0], index.TileInfo(0).Feature);
    EXPECT_NE(index.TileInfoRotated(0).Rotated[3], index.TileInfo(0).Feature);
    index.SaveTileIndex(dir_);
    EXPECT_EQ(fs::file_size(dir_ / "LibInfo_R.cls"), 1653604u);
    qx::TileIndex loaded;
    loaded.LoadTileIndex(dir_);
    EXPECT_EQ(loaded.RotatedCount(), 200);
    EXPECT_EQ(loaded.TileInfoRotated(199).Rotated[5], index.TileInfoRotated(199).Rotated[5]);
}

TEST_F(TileIndexTest, TooManyPhotosAndBadIndexFilesAreRefused)
{
    qx::TileIndex index;
    const std::vector<std::string> tooMany(1002, TextFile("x.txt"));
    try {
        index.BuildTileIndex(tooMany, quiet_);
        FAIL();
    } catch (const qx::QuiltixError& e) {
        EXPECT_STREQ(e.what(), "The photo list holds 1002 photos, but a project can use at most 1001.");
    }
    EXPECT_EQ(index.TileInfoCount(), 0);

    struct Case {
        std::vector<std::uint8_t> plain;
        std::string sentence;
    };
    const std::string name = "The photo index file \"" + (dir_ / "LibInfo.cls").string() + "\" ";
    const Case cases[] = {
        {{1, 0}, name + "is too short to hold its photo count."},
        {{0xEA, 0x03, 0, 0}, name + "claims 1002 photos; it can hold 0 to 1001."},
        {{0xFF, 0xFF, 0xFF, 0xFF}, name + "claims -1 photos; it can hold 0 to 1001."},
        {{2, 0, 0, 0, 1, 2, 3}, name + "is truncated: 2 photos need 716 bytes but the file has 7."},
    };
    qx::WriteFileAtomically(dir_ / "LibInfo_R.cls", std::vector<std::uint8_t>{0, 0, 0, 0});
    for (const Case& c : cases) {
        qx::WriteFileAtomically(dir_ / "LibInfo.cls", c.plain);
        try {
            index.LoadTileIndex(dir_);
            ADD_FAILURE() << c.sentence;
        } catch (const qx::QuiltixError& e) {
            EXPECT_EQ(e.what(), c.sentence);
        }
    }
    fs::remove(dir_ / "LibInfo_R.cls");
    EXPECT_THROW(index.LoadTileIndex(dir_), qx::QuiltixError);
}
