#include "matching/DifferenceMeasures.h"
#include "matching/DifferenceReference.h"

#include "MatchingFixture.h"

#include <gtest/gtest.h>

using qx::TMatchResult;
using qx::TTileFeature;

namespace {

struct FlagSet {
    bool mono;
    bool allowHorz;
    bool allowVert;
};

std::vector<FlagSet> AllFlagSets()
{
    std::vector<FlagSet> sets;
    for (int i = 0; i < 8; ++i)
        sets.push_back(FlagSet{(i & 1) != 0, (i & 2) != 0, (i & 4) != 0});
    return sets;
}

qx::TWeightVector Weights(float w)
{
    qx::TWeightVector v;
    v.fill(w);
    return v;
}

qx::TCurveTable Table(std::int32_t value)
{
    qx::TCurveTable t;
    t.fill(value);
    return t;
}

void SetBlock(TTileFeature& f, int r, int c, qx::TBlockColor colour)
{
    f.Words[static_cast<std::size_t>(qx::kFirstGridWord + 8 * r + c)] = colour;
}

TEST(LowestOfFour, EarliestOfTheSmallestWins)
{
    struct Row {
        std::array<std::int32_t, 4> values;
        int expected;
    };
    const Row rows[] = {
        {{5, 5, 5, 5}, 1}, {{7, 3, 3, 9}, 2}, {{7, 8, 3, 3}, 3}, {{9, 8, 7, 6}, 4},
        {{0, 1, 2, 3}, 1}, {{4, 4, 2, 2}, 3}, {{-1, 0, -2, -2}, 3},
    };
    for (const Row& r : rows)
        EXPECT_EQ(qx::LowestOfFour(r.values[0], r.values[1], r.values[2], r.values[3]), r.expected)
            << r.values[0] << " " << r.values[1] << " " << r.values[2] << " " << r.values[3];
}

TEST(ClampDiff, LimitsTheDifferenceToAByte)
{
    struct Row {
        int a, b, expected;
    };
    const Row rows[] = {{10, 3, 7}, {3, 10, 0}, {255, 0, 255}, {200, -100, 255}, {0, 0, 0}, {100, 99, 1}};
    for (const Row& r : rows)
        EXPECT_EQ(qx::ClampDiff(r.a, r.b), r.expected) << r.a << " - " << r.b;
}

TEST(DifferenceMeasures, IdenticalFeaturesGiveZeroWithoutFlip)
{
    std::mt19937 rng(11);
    const TMatchResult zero{0, false, false};
    const qx::TCurveTable curve = Table(200);
    const qx::TWeightVector weights = Weights(0.7f);
    for (int n = 0; n < 20; ++n) {
        const TTileFeature f = RandomFeature(rng, 255);
        for (const FlagSet& s : AllFlagSets()) {
            // Mono compares the luminance with the channels, so only the
            // colour measures can be exactly 0 on an arbitrary feature.
            if (s.mono)
                continue;
            for (int percent : {0, 40, 100})
                EXPECT_EQ(qx::MatchPercent(f, f, percent, false, s.allowHorz, s.allowVert), zero);
            EXPECT_EQ(qx::MatchCurve(f, f, s.allowVert, curve, weights, false, s.allowHorz), zero);
        }
        EXPECT_EQ(qx::GridDifference(f, f, false, false, false), zero);
    }
}

TEST(DifferenceMeasures, LeftRightMirroredPhotoMatchesOnlyWhenThatMirrorIsAllowed)
{
    std::mt19937 rng(12);
    const qx::TCurveTable curve = Table(0);
    const qx::TWeightVector weights = Weights(1.0f);
    for (int n = 0; n < 20; ++n) {
        const TTileFeature cell = RandomFeature(rng, 255);
        const TTileFeature photo = qx::MirroredFeature(cell, false, true);
        const std::int32_t d0 = qx::GridDifference(photo, cell, false, false, false).Difference;
        ASSERT_GT(d0, 0);
        EXPECT_EQ(qx::GridDifference(photo, cell, false, false, true).Difference, 0);
        for (bool allowVert : {false, true}) {
            EXPECT_EQ(qx::MatchPercent(photo, cell, 0, false, true, allowVert), (TMatchResult{0, false, true}));
            EXPECT_EQ(qx::MatchCurve(photo, cell, allowVert, curve, weights, false, true),
                      (TMatchResult{0, false, true}));
        }
        const TMatchResult withoutHorz = qx::MatchPercent(photo, cell, 0, false, false, false);
        EXPECT_EQ(withoutHorz, (TMatchResult{d0, false, false}));
    }
}

TEST(DifferenceMeasures, OnlyTopBottomAllowedTakesTheTopBottomMirrorWhenLower)
{
    std::mt19937 rng(13);
    for (int n = 0; n < 20; ++n) {
        const TTileFeature cell = RandomFeature(rng, 255);
        const TTileFeature upsideDown = qx::MirroredFeature(cell, true, false);
        EXPECT_EQ(qx::MatchPercent(upsideDown, cell, 0, false, false, true), (TMatchResult{0, true, false}));
        // A left-right mirror is never tried when only top-bottom is allowed.
        const TTileFeature sideways = qx::MirroredFeature(cell, false, true);
        const TMatchResult r = qx::MatchPercent(sideways, cell, 0, false, false, true);
        EXPECT_FALSE(r.FlipH);
        EXPECT_GT(r.Difference, 0);
    }
}

TEST(DifferenceMeasures, EqualDifferencesKeepTheUnmirroredPhoto)
{
    // Blue 5 in the top-left and bottom-left blocks of both, and in the four
    // centre blocks of the photo only: the photo is symmetric top to bottom,
    // so D0 = D2 = 4 * 25 and a left-right mirror adds 4 * 25 more.
    TTileFeature cell;
    TTileFeature photo;
    const qx::TBlockColor blue5 = qx::MakeBlockColor(0, 0, 0, 5);
    for (auto [r, c] : {std::pair{0, 0}, std::pair{7, 0}}) {
        SetBlock(cell, r, c, blue5);
        SetBlock(photo, r, c, blue5);
    }
    for (auto [r, c] : {std::pair{3, 3}, std::pair{3, 4}, std::pair{4, 3}, std::pair{4, 4}})
        SetBlock(photo, r, c, blue5);
    const std::array<std::int32_t, 4> expected = {100, 200, 100, 200};
    for (int a = 0; a < 4; ++a)
        ASSERT_EQ(qx::GridDifference(photo, cell, (a & 2) != 0, false, (a & 1) != 0).Difference,
                  expected[static_cast<std::size_t>(a)]);
    EXPECT_EQ(qx::MatchPercent(photo, cell, 0, false, true, true), (TMatchResult{100, false, false}));
    EXPECT_EQ(qx::MatchPercent(photo, cell, 0, false, false, true), (TMatchResult{100, false, false}));
}

TEST(DifferenceMeasures, PercentShiftsThePhotoByTheShareOfTheAverageDifference)
{
    std::mt19937 rng(14);
    for (int n = 0; n < 20; ++n) {
        const TTileFeature cell = RandomFeature(rng, 225);
        TTileFeature photo;
        for (std::size_t w = 0; w < photo.Words.size(); ++w) {
            const qx::TBlockColor c = cell.Words[w];
            photo.Words[w] = qx::MakeBlockColor(qx::LuminanceOf(c), qx::BlockRedOf(c) + 30, qx::BlockGreenOf(c) + 30,
                                                qx::BlockBlueOf(c) + 30);
        }
        EXPECT_EQ(qx::MatchPercent(photo, cell, 100, false, false, false).Difference, 0);
        // Half the shift leaves 15 in each of the 192 channel blocks.
        EXPECT_EQ(qx::MatchPercent(photo, cell, 50, false, false, false).Difference, 192 * 15 * 15);
        EXPECT_EQ(qx::MatchPercent(photo, cell, 0, false, false, false).Difference, 192 * 30 * 30);
    }
}

TEST(DifferenceMeasures, CurveShiftTruncatesTowardsZero)
{
    // Photo 10 below the cell in blue, 10 above in red; table 128: shifts
    // -1280/255 = -5 and 5 (flooring would give -6), leaving 5 in each.
    const TTileFeature cell = UniformFeature(100, 100, 100);
    const TTileFeature photo = UniformFeature(110, 100, 90);
    const std::int32_t expected = 64 * (5 * 5 + 5 * 5);
    EXPECT_EQ(qx::MatchCurve(photo, cell, false, Table(128), Weights(1.0f), false, false).Difference, expected);
}

TEST(DifferenceMeasures, CurveWithAZeroTableEqualsPercentZeroApartFromTheWeights)
{
    std::mt19937 rng(15);
    const qx::TCurveTable none = Table(0);
    for (int n = 0; n < 200; ++n) {
        const TTileFeature photo = RandomFeature(rng, 255);
        const TTileFeature cell = RandomFeature(rng, 255);
        for (const FlagSet& s : AllFlagSets())
            EXPECT_EQ(qx::MatchCurve(photo, cell, s.allowVert, none, Weights(1.0f), s.mono, s.allowHorz),
                      qx::MatchPercent(photo, cell, 0, s.mono, s.allowHorz, s.allowVert));
        // Half weights halve the unmirrored difference exactly.
        const std::int32_t plain = qx::GridDifference(photo, cell, false, false, false).Difference;
        EXPECT_EQ(qx::MatchCurve(photo, cell, false, none, Weights(0.5f), false, false).Difference, plain / 2);
        // No weights: the unmirrored arrangement costs nothing.
        EXPECT_EQ(qx::MatchCurve(photo, cell, true, none, Weights(0.0f), false, true), (TMatchResult{0, false, false}));
    }
}

TEST(DifferenceMeasures, MonoComparesThePhotosLuminanceWithTheCellsChannels)
{
    // Photo: luminance 100 with colour bytes that must play no part.
    TTileFeature photo;
    std::fill(photo.Words.begin() + 1, photo.Words.end(), qx::MakeBlockColor(100, 7, 250, 31));
    TTileFeature cell;
    std::fill(cell.Words.begin() + 1, cell.Words.end(), qx::MakeBlockColor(100, 100, 100, 100));
    SetBlock(cell, 2, 5, qx::MakeBlockColor(0, 100, 110, 90));
    EXPECT_EQ(qx::GridDifference(photo, cell, false, true, false).Difference, 200);
    EXPECT_EQ(qx::MatchPercent(photo, cell, 0, true, false, false).Difference, 200);
    EXPECT_EQ(qx::MatchCurve(photo, cell, false, Table(0), Weights(1.0f), true, false).Difference, 200);
}

} // namespace
