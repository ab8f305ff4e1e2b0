#include "matching/DifferenceMeasures.h"
#include "matching/TileAssignment.h"

#include "MatchingFixture.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

using Features = std::vector<qx::TTileFeature>;

// One cell (layer 1, index 0) of the given feature, searched over photos.
class CandidateSearch : public ::testing::Test {
protected:
    void Prepare(const qx::TTileFeature& cell, const Features& photos, std::uint64_t seed = 1)
    {
        session_ = NeutralSession(seed);
        AddGrid(*session_, 1, 1, 1, 48, [&](int) { return cell; });
        LoadPhotos(*session_, photos);
    }

    qx::TqxProject07& Project() { return session_->CurrentProject; }
    const qx::TMosaicCell& Cell() { return Project().Layers[0].Cells[0]; }

    std::vector<int> Ranking(const qx::TCandidateList& list)
    {
        std::vector<int> photos;
        for (int x = 0; x < list.Count; ++x)
            photos.push_back(list.Entries[static_cast<std::size_t>(x)].PhotoIndex);
        return photos;
    }

    std::unique_ptr<qx::Session> session_;
};

TEST_F(CandidateSearch, KeepsTheHundredBestInAscendingOrder)
{
    // Greys 0..149 under shuffled photo numbers against a black cell.
    std::vector<int> greyOf(150);
    std::iota(greyOf.begin(), greyOf.end(), 0);
    std::shuffle(greyOf.begin(), greyOf.end(), std::mt19937(5));
    Features photos;
    for (int g : greyOf)
        photos.push_back(GreyFeature(static_cast<unsigned>(g)));
    Prepare(GreyFeature(0), photos);

    const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
    ASSERT_EQ(list.Count, 100);
    for (int x = 0; x < 100; ++x) {
        const qx::TCandidate& e = list.Entries[static_cast<std::size_t>(x)];
        ASSERT_GE(e.PhotoIndex, 0);
        EXPECT_EQ(greyOf[static_cast<std::size_t>(e.PhotoIndex)], x);
        EXPECT_EQ(e.Difference, 192 * x * x);
        EXPECT_EQ(e.ColorDiffAvg, x);
        EXPECT_EQ(e.ColorDiffSingle, x);
    }
    EXPECT_EQ(Cell().AvailablePhotoCount, 150);
    EXPECT_EQ(Cell().QualifiedCandidateCount, 100);
}

TEST_F(CandidateSearch, EqualDifferencesRankTheOneMetFirstFromTheRandomStart)
{
    // Photos 0 and 2 tie; photo 1 is worse.
    const Features photos = {GreyFeature(10), GreyFeature(50), GreyFeature(10)};
    std::set<int> starts;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Prepare(GreyFeature(0), photos, seed);
        const int start = qx::TRandom(seed).Random(3);
        starts.insert(start);
        const std::vector<int> tied = start == 1 || start == 2 ? std::vector<int>{2, 0} : std::vector<int>{0, 2};
        EXPECT_EQ(Ranking(qx::FindCandidates(*session_, 1, 0)), (std::vector<int>{tied[0], tied[1], 1}))
            << "start " << start;
    }
    EXPECT_EQ(starts.size(), 3u);
}

TEST_F(CandidateSearch, RankingSwapsTheBestForwardAsASelectionSort)
{
    // Met in the order 0, 1, 2 with photo 2 the best: swapping it into
    // place moves photo 0 behind its equal, photo 1.
    std::uint64_t seed = 1;
    while (qx::TRandom(seed).Random(3) != 0)
        ++seed;
    Prepare(GreyFeature(0), {GreyFeature(2), GreyFeature(2), GreyFeature(1)}, seed);
    EXPECT_EQ(Ranking(qx::FindCandidates(*session_, 1, 0)), (std::vector<int>{2, 1, 0}));
}

TEST_F(CandidateSearch, ColourLimitsRejectAllButTheBest)
{
    // Photo 0 is the cell itself; photo 1 differs by 70 in blue only
    // (largest 70, mean 23).
    struct Row {
        int maxSingle, maxAvg, count;
    };
    const Row rows[] = {{60, 255, 1}, {69, 255, 1}, {70, 255, 2}, {255, 22, 1}, {255, 23, 2}, {70, 23, 2}};
    for (const Row& r : rows) {
        Prepare(GreyFeature(100), {GreyFeature(100), UniformFeature(100, 100, 170)});
        Project().MaxColorDiffSingle = r.maxSingle;
        Project().MaxColorDiffAvg = r.maxAvg;
        const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
        EXPECT_EQ(list.Count, r.count) << r.maxSingle << " " << r.maxAvg;
        EXPECT_EQ(Cell().QualifiedCandidateCount, r.count);
        EXPECT_EQ(list.Entries[0].PhotoIndex, 0);
    }
}

TEST_F(CandidateSearch, RejectedEntriesLeaveNoGaps)
{
    // Photo 1 ranks second but breaks the colour limit; photo 2 ranks third
    // (its blocks are far off) but its average matches the cell's.
    qx::TTileFeature far = GreyFeature(180);
    far.Words[1] = qx::BlockColorOf(100, 100, 100);
    Prepare(GreyFeature(100), {GreyFeature(100), UniformFeature(100, 100, 170), far});
    Project().MaxColorDiffSingle = 60;
    const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
    EXPECT_EQ(Ranking(list), (std::vector<int>{0, 2}));
    EXPECT_EQ(Cell().QualifiedCandidateCount, 2);
    EXPECT_EQ(list.Entries[1].Difference, 192 * 80 * 80);
}

TEST_F(CandidateSearch, TheBestCandidateIsExemptFromTheColourLimits)
{
    Prepare(GreyFeature(100), {GreyFeature(220), GreyFeature(200), GreyFeature(210)});
    Project().MaxColorDiffSingle = 60;
    const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
    EXPECT_EQ(Ranking(list), std::vector<int>{1});
    EXPECT_EQ(list.Entries[0].ColorDiffSingle, 100);
    EXPECT_EQ(qx::AssignCell(*session_, 1, 0), 1);
    EXPECT_EQ(Cell().PhotoIndex, 1);
    EXPECT_TRUE(Cell().HasPhoto);
}

TEST_F(CandidateSearch, MonoColourStatisticsSetTheCellsLuminanceAgainstThePhotosChannels)
{
    // Cell luminance 90 in red (200, 50, 50); photo grey 90 with luminance 10.
    qx::TTileFeature cell;
    std::fill(cell.Words.begin() + 1, cell.Words.end(), qx::MakeBlockColor(90, 200, 50, 50));
    qx::TTileFeature photo;
    std::fill(photo.Words.begin() + 1, photo.Words.end(), qx::MakeBlockColor(10, 90, 90, 90));
    struct Row {
        bool mono;
        int single, avg;
    };
    for (const Row& r : {Row{false, 110, 63}, Row{true, 0, 0}}) {
        Prepare(cell, {photo});
        Project().MonoCellImage = r.mono;
        const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
        ASSERT_EQ(list.Count, 1);
        EXPECT_EQ(list.Entries[0].ColorDiffSingle, r.single) << "mono " << r.mono;
        EXPECT_EQ(list.Entries[0].ColorDiffAvg, r.avg) << "mono " << r.mono;
    }
}

TEST_F(CandidateSearch, ShapeLimitCutsAtMaxShapeDiffSquaredTimes192)
{
    // Against a grey-100 cell: every block 40 off gives 40² x 192 = 307,200;
    // one block off by (69, 6, 2) instead adds exactly 1.
    const qx::TTileFeature cell = GreyFeature(100);
    const qx::TTileFeature atLimit = [&] {
        qx::TTileFeature f = GreyFeature(140);
        f.Words[1] = cell.Words[1];
        return f;
    }();
    qx::TTileFeature overLimit = atLimit;
    overLimit.Words[qx::kFirstGridWord + 9] = qx::MakeBlockColor(0, 102, 106, 169);
    struct Row {
        Features photos;
        std::vector<int> ranking;
        std::vector<int> differences;
    };
    const Row rows[] = {
        {{cell, atLimit, overLimit}, {0, 1}, {0, 307'200}},
        {{overLimit, cell}, {1}, {0}},
        {{overLimit}, {0}, {307'201}},
    };
    for (const Row& r : rows) {
        Prepare(cell, r.photos);
        Project().MaxShapeDiff = 40;
        const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
        EXPECT_EQ(Ranking(list), r.ranking);
        std::vector<int> differences;
        for (int x = 0; x < list.Count; ++x)
            differences.push_back(list.Entries[static_cast<std::size_t>(x)].Difference);
        EXPECT_EQ(differences, r.differences);
    }
}

TEST_F(CandidateSearch, RepeatLimitSkipsPhotosUsedUpToMaxRepeat)
{
    struct Row {
        bool limit;
        int used;
        bool allowed;
    };
    const Row rows[] = {{false, 9, true}, {true, 1, true}, {true, 2, false}, {true, 3, false}};
    for (const Row& r : rows) {
        Prepare(GreyFeature(0), {GreyFeature(0), GreyFeature(90)});
        Project().LimitRepeat = r.limit;
        Project().MaxRepeat = 2;
        session_->PhotoIndex.TileInfo(0).UsedCount = r.used;
        EXPECT_EQ(qx::RepeatAllowed(*session_, 0), r.allowed);
        const std::vector<int> expected = r.allowed ? std::vector<int>{0, 1} : std::vector<int>{1};
        EXPECT_EQ(Ranking(qx::FindCandidates(*session_, 1, 0)), expected);
    }
}

TEST_F(CandidateSearch, RepeatRadiusExcludesPhotosOfNearbyCells)
{
    // Row of 48-pixel cells: cell 1 (next door) shows photo 0, cell 2 (two
    // away) photo 1; layer 2 has a cell on cell 0's very spot showing photo
    // 2. Photo 3 is used nowhere.
    struct Row {
        int radius;
        std::vector<std::uint8_t> available;
    };
    const Row rows[] = {
        {-1, {1, 1, 1, 1}}, {0, {1, 1, 0, 1}}, {1, {0, 1, 0, 1}}, {2, {0, 0, 0, 1}},
    };
    for (const Row& r : rows) {
        session_ = NeutralSession(1);
        AddGrid(*session_, 1, 5, 1, 48, [](int) { return GreyFeature(0); });
        AddGrid(*session_, 2, 1, 1, 48, [](int) { return GreyFeature(0); });
        LoadPhotos(*session_, {GreyFeature(0), GreyFeature(1), GreyFeature(2), GreyFeature(3)});
        auto show = [&](int layer, int index, int photo) {
            qx::TMosaicCell& c = qx::CellAt(Project(), qx::TCellRef{layer, index});
            c.PhotoIndex = photo;
            c.HasPhoto = true;
        };
        show(1, 1, 0);
        show(1, 2, 1);
        show(2, 0, 2);
        Project().RepeatRadius = r.radius;
        std::vector<std::uint8_t> available;
        qx::MarkRadius(*session_, Cell(), available);
        EXPECT_EQ(available, r.available) << "radius " << r.radius;

        const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
        EXPECT_EQ(Cell().AvailablePhotoCount, std::count(r.available.begin(), r.available.end(), 1));
        for (int x = 0; x < list.Count; ++x)
            EXPECT_EQ(r.available[static_cast<std::size_t>(list.Entries[static_cast<std::size_t>(x)].PhotoIndex)], 1);
    }
}

TEST_F(CandidateSearch, RotationTakesTheBestSwitchedOnStep)
{
    // Photo 0 turned matches the black cell only at the steps listed.
    struct Row {
        std::vector<int> matchingSteps;
        std::vector<int> stepsOn;
        int angle;
        int difference;
    };
    const int far = 192 * 200 * 200;
    const Row rows[] = {
        {{3}, {3}, 45, 0},
        {{3}, {}, 0, far},
        {{3, 5}, {3, 5}, 45, 0},
        {{5, 3}, {5}, 75, 0},
        {{0}, {7}, 0, 0},
    };
    for (const Row& r : rows) {
        qx::TTileInfoRotated turned;
        turned.Rotated.fill(GreyFeature(200));
        for (int s : r.matchingSteps)
            turned.Rotated[static_cast<std::size_t>(s)] = GreyFeature(0);
        session_ = NeutralSession(1);
        AddGrid(*session_, 1, 1, 1, 48, [](int) { return GreyFeature(0); });
        LoadPhotos(*session_, {GreyFeature(200)}, {turned});
        Project().RotateTiles = true;
        Project().RotationSteps.fill(false);
        for (int s : r.stepsOn)
            Project().RotationSteps[static_cast<std::size_t>(s)] = true;
        const qx::TCandidateList list = qx::FindCandidates(*session_, 1, 0);
        ASSERT_EQ(list.Count, 1);
        EXPECT_EQ(list.Entries[0].Angle, r.angle);
        EXPECT_EQ(list.Entries[0].Difference, r.difference);
        EXPECT_EQ(list.Entries[0].ColorDiffSingle, r.difference == 0 ? 0 : 200);
    }
}

TEST_F(CandidateSearch, NoPhotosGiveAnEmptyListAndAnEmptyCell)
{
    Prepare(GreyFeature(0), {});
    EXPECT_EQ(qx::FindCandidates(*session_, 1, 0).Count, 0);
    qx::TMosaicCell& cell = Project().Layers[0].Cells[0];
    cell.HasPhoto = true;
    cell.PhotoIndex = 4;
    EXPECT_EQ(qx::AssignCell(*session_, 1, 0), -1);
    EXPECT_EQ(cell.PhotoIndex, -1);
    EXPECT_FALSE(cell.HasPhoto);
}

} // namespace
