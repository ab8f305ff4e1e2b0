#include "matching/DifferenceReference.h"
#include "matching/TileAssignment.h"

#include "MatchingFixture.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

using Features = std::vector<qx::TTileFeature>;

using qx::test::RecordingReporter;

Features Greys(int count, int step)
{
    Features f;
    for (int i = 0; i < count; ++i)
        f.push_back(GreyFeature(static_cast<unsigned>(i * step)));
    return f;
}

class AssignmentPasses : public ::testing::Test {
protected:
    qx::TqxProject07& Project() { return session_->CurrentProject; }
    std::vector<qx::TMosaicCell>& Cells(int layer = 1)
    {
        return Project().Layers[static_cast<std::size_t>(layer - 1)].Cells;
    }
    int UsedTotal()
    {
        int n = 0;
        for (int p = 0; p < session_->PhotoIndex.TileInfoCount(); ++p)
            n += session_->PhotoIndex.TileInfo(p).UsedCount;
        return n;
    }

    std::unique_ptr<qx::Session> session_ = NeutralSession(3);
    RecordingReporter reporter_;
};

TEST_F(AssignmentPasses, WithoutRepeatLimitTheFirstPassPlacesNothing)
{
    AddGrid(*session_, 1, 4, 3, 48, [](int i) { return GreyFeature(static_cast<unsigned>(10 * i)); });
    LoadPhotos(*session_, Greys(5, 30));
    Project().MinRepeat = 3;
    qx::CycleLibPass(*session_, reporter_);
    EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 0);
    qx::CycleTilePass(*session_, reporter_);
    EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 12);
    EXPECT_EQ(UsedTotal(), 12);
    EXPECT_EQ(reporter_.Progress.back(), 100);
}

TEST_F(AssignmentPasses, FirstPassRoundsAreLimitedByTheCells)
{
    // 10 photos and 15 cells: MinRepeat 2 shrinks to 15 div 10 = 1 round.
    // Cell i (i < 10) has the grey of photo (7 i) mod 10, the rest white.
    AddGrid(*session_, 1, 5, 3, 48,
            [](int i) { return GreyFeature(i < 10 ? static_cast<unsigned>(20 * (7 * i % 10)) : 255u); });
    LoadPhotos(*session_, Greys(10, 20));
    Project().LimitRepeat = true;
    Project().MinRepeat = 2;
    qx::CycleLibPass(*session_, reporter_);
    EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Cells()[static_cast<std::size_t>(i)].PhotoIndex, 7 * i % 10) << "cell " << i;
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(session_->PhotoIndex.TileInfo(p).UsedCount, 1);
    qx::CycleTilePass(*session_, reporter_);
    EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 15);
}

TEST_F(AssignmentPasses, RandomLevelChoosesAmongTheBest)
{
    struct Row {
        int randomLevel;
        int highestPhoto;
        std::size_t fewestDistinct;
    };
    const Row rows[] = {{1, 0, 1}, {0, 0, 1}, {20, 19, 10}};
    for (const Row& r : rows) {
        session_ = NeutralSession(3);
        AddGrid(*session_, 1, 10, 10, 48, [](int) { return GreyFeature(0); });
        LoadPhotos(*session_, Greys(40, 5));
        Project().RandomLevel = r.randomLevel;
        qx::AssignTiles(*session_, reporter_);
        std::set<int> chosen;
        for (const qx::TMosaicCell& c : Cells())
            chosen.insert(c.PhotoIndex);
        EXPECT_GE(*chosen.begin(), 0);
        EXPECT_EQ(*chosen.rbegin(), r.highestPhoto) << "RandomLevel " << r.randomLevel;
        EXPECT_GE(chosen.size(), r.fewestDistinct);
    }
}

TEST_F(AssignmentPasses, MaxRepeatOneLeavesTheSurplusCellsEmpty)
{
    for (int minRepeat : {0, 1}) {
        session_ = NeutralSession(3);
        AddGrid(*session_, 1, 4, 3, 48, [](int i) { return GreyFeature(static_cast<unsigned>(i)); });
        LoadPhotos(*session_, Greys(5, 40));
        Project().LimitRepeat = true;
        Project().MinRepeat = minRepeat;
        Project().MaxRepeat = 1;
        qx::AssignTiles(*session_, reporter_);
        EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 5) << "MinRepeat " << minRepeat;
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(session_->PhotoIndex.TileInfo(p).UsedCount, 1);
        for (const qx::TMosaicCell& c : Cells())
            EXPECT_EQ(c.HasPhoto, c.PhotoIndex >= 0);
    }
}

TEST_F(AssignmentPasses, PriorityClassesAreServedFromOneToNineThenZero)
{
    // One photo that may be used once: the cell served first gets it. A
    // priority outside 0..9 is never served.
    struct Row {
        std::array<int, 3> priorities;
        std::array<bool, 3> hasPhoto;
    };
    const Row rows[] = {
        {{2, 1, 3}, {false, true, false}},
        {{0, 9, 0}, {false, true, false}},
        {{5, 0, 4}, {false, false, true}},
        {{11, 11, 11}, {false, false, false}},
    };
    for (const Row& r : rows) {
        session_ = NeutralSession(3);
        AddGrid(*session_, 1, 3, 1, 48, [](int) { return GreyFeature(0); });
        LoadPhotos(*session_, {GreyFeature(0)});
        Project().LimitRepeat = true;
        Project().MaxRepeat = 1;
        for (std::size_t i = 0; i < 3; ++i)
            Cells()[i].Priority = r.priorities[i];
        qx::CycleTilePass(*session_, reporter_);
        EXPECT_EQ((std::array<bool, 3>{Cells()[0].HasPhoto, Cells()[1].HasPhoto, Cells()[2].HasPhoto}), r.hasPhoto)
            << r.priorities[0] << " " << r.priorities[1] << " " << r.priorities[2];
    }
}

TEST_F(AssignmentPasses, LogNamesTheLayersInUse)
{
    AddGrid(*session_, 1, 2, 2, 48, [](int) { return GreyFeature(0); });
    AddGrid(*session_, 2, 1, 2, 48, [](int) { return GreyFeature(9); });
    AddGrid(*session_, 3, 2, 1, 48, [](int) { return GreyFeature(9); });
    Project().Layers[2].Excluded = true;
    LoadPhotos(*session_, Greys(3, 9));
    qx::AssignTiles(*session_, reporter_);
    const std::vector<std::string> expected = {
        "Active Layers count:2", "Init Layers .............Done", "1st Render Procedure. (CycleLib) ",
        "2nd Render Procedure. (CycleTile) ", "Render Layers .............Done"};
    EXPECT_EQ(reporter_.Lines, expected);
    EXPECT_EQ(qx::AssignedCells(Project(), 1, 7), 6);
    EXPECT_FALSE(Cells(3)[0].HasPhoto);
}

TEST_F(AssignmentPasses, UseCountsAreRecountedFromTheCells)
{
    AddGrid(*session_, 1, 2, 1, 48, [](int) { return GreyFeature(0); });
    LoadPhotos(*session_, Greys(2, 50));
    session_->PhotoIndex.TileInfo(0).UsedCount = 7;
    session_->PhotoIndex.TileInfo(1).UsedCount = 3;
    qx::AssignTiles(*session_, reporter_);
    EXPECT_EQ(session_->PhotoIndex.TileInfo(0).UsedCount, 2);
    EXPECT_EQ(session_->PhotoIndex.TileInfo(1).UsedCount, 0);
}

TEST_F(AssignmentPasses, AFixedSeedGivesTheSameAssignment)
{
    auto run = [](std::uint64_t seed) {
        auto session = NeutralSession(seed);
        std::mt19937 rng(99);
        Features cells;
        for (int i = 0; i < 48; ++i)
            cells.push_back(RandomFeature(rng, 255));
        Features photos;
        for (int i = 0; i < 30; ++i)
            photos.push_back(RandomFeature(rng, 255));
        AddGrid(*session, 1, 8, 6, 48, [&](int i) { return cells[static_cast<std::size_t>(i)]; });
        LoadPhotos(*session, photos);
        qx::TqxProject07& p = session->CurrentProject;
        p.LimitRepeat = true;
        p.MinRepeat = 1;
        p.MaxRepeat = 3;
        p.RandomLevel = 5;
        p.RepeatRadius = 1;
        p.AllowHorzFlip = true;
        p.AllowVertFlip = true;
        p.EnhanceTable.fill(128);
        RecordingReporter quiet;
        qx::AssignTiles(*session, quiet);
        std::vector<std::array<int, 5>> result;
        for (const qx::TMosaicCell& c : p.Layers[0].Cells)
            result.push_back({c.PhotoIndex, c.FlipH, c.FlipV, c.MatchDifference, c.CorrBlue});
        return result;
    };
    const auto first = run(77);
    EXPECT_EQ(run(77), first);
    EXPECT_NE(run(78), first);
    for (const auto& cell : first)
        EXPECT_GE(cell[0], 0);
}

TEST_F(AssignmentPasses, AssignCellStoresCorrectionsAndDifferences)
{
    // Cell grey 100; photo luminance 90, (R, G, B) = (100, 60, 150); enhance
    // 128 everywhere, so a delta d gives the correction d * 128 / 255.
    struct Row {
        bool mono;
        std::array<int, 3> deltaBgr;
        std::array<int, 3> corrBgr;
        int match;
        int detail;
    };
    const Row rows[] = {
        {false, {50, -40, 0}, {25, -20, 0}, 64 * (25 * 25 + 20 * 20), 64 * (50 * 50 + 40 * 40)},
        {true, {-10, -10, -10}, {-5, -5, -5}, 64 * 3 * 5 * 5, 64 * 3 * 10 * 10},
    };
    qx::TTileFeature photo;
    std::fill(photo.Words.begin() + 1, photo.Words.end(), qx::MakeBlockColor(90, 100, 60, 150));
    for (const Row& r : rows) {
        session_ = NeutralSession(3);
        AddGrid(*session_, 1, 1, 1, 48, [](int) { return GreyFeature(100); });
        LoadPhotos(*session_, {photo});
        Project().MonoCellImage = r.mono;
        Project().EnhanceTable.fill(128);
        EXPECT_EQ(qx::AssignCell(*session_, 1, 0), 1);
        const qx::TMosaicCell& c = Cells()[0];
        EXPECT_EQ(c.PhotoIndex, 0);
        EXPECT_EQ((std::array<int, 3>{c.DeltaBlue, c.DeltaGreen, c.DeltaRed}), r.deltaBgr);
        EXPECT_EQ((std::array<int, 3>{c.CorrBlue, c.CorrGreen, c.CorrRed}), r.corrBgr);
        EXPECT_EQ(c.MatchDifference, r.match);
        EXPECT_EQ(c.DetailDifference, r.detail);
        EXPECT_EQ(c.CandidateCount, 1);
        EXPECT_EQ(c.RotationAngle, 0);
        EXPECT_EQ(session_->PhotoIndex.TileInfo(0).UsedCount, 1);
    }
}

TEST_F(AssignmentPasses, PlacePhotoStoresTheWholeDifferencesAndTheMirror)
{
    std::mt19937 rng(8);
    qx::TTileFeature cell = RandomFeature(rng, 255);
    cell.Words[1] = qx::BlockColorOf(100, 100, 100);
    qx::TTileFeature photo = qx::MirroredFeature(cell, false, true);
    photo.Words[1] = qx::BlockColorOf(120, 90, 60);
    AddGrid(*session_, 1, 1, 1, 48, [&](int) { return cell; });
    LoadPhotos(*session_, {photo});
    Project().AllowHorzFlip = true;
    Project().EnhanceLevel = 0;
    Project().EnhanceTable.fill(255);
    qx::PlacePhoto(*session_, 0);
    const qx::TMosaicCell& c = Cells()[0];
    EXPECT_TRUE(c.HasPhoto);
    EXPECT_EQ((std::array<int, 3>{c.CorrRed, c.CorrGreen, c.CorrBlue}), (std::array<int, 3>{20, -10, -40}));
    EXPECT_TRUE(c.FlipH);
    EXPECT_FALSE(c.FlipV);
    EXPECT_EQ(c.DeltaRed, 0);
    EXPECT_EQ(c.MatchDifference, 0);
    EXPECT_EQ(session_->PhotoIndex.TileInfo(0).UsedCount, 1);
}

TEST_F(AssignmentPasses, BestFreeCellTiesGoToTheFirstMetFromTheRandomStart)
{
    std::set<int> starts;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        session_ = NeutralSession(seed);
        AddGrid(*session_, 1, 5, 1, 48, [](int i) { return GreyFeature(i == 3 ? 200u : 0u); });
        LoadPhotos(*session_, {GreyFeature(0)});
        Cells()[1].HasPhoto = true;
        int start = qx::TRandom(seed).Random(5);
        starts.insert(start);
        // Cell 1 is taken and cell 3 is worse: the walk from the start meets
        // one of cells 0, 2 and 4 first.
        while (start == 1 || start == 3)
            start = (start + 1) % 5;
        EXPECT_EQ(qx::FindBestFreeCell(*session_, 0), (qx::TCellRef{1, start})) << "seed " << seed;
    }
    EXPECT_EQ(starts.size(), 5u);
    for (qx::TMosaicCell& c : Cells())
        c.HasPhoto = true;
    EXPECT_FALSE(qx::FindBestFreeCell(*session_, 0).has_value());
}

} // namespace
