#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/CurveFile.h"
#include "imaging/CurveStore.h"
#include "imaging/CurveTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using qx::TCurvePoint;
using qx::TCurvePoints;

namespace {

const TCurvePoints kDefaultEnhance{{{10, 255}, {50, 190}, {100, 150}, {150, 120}, {200, 100}}};
const TCurvePoints kDefaultAlpha{{{10, 0}, {15, 20}, {35, 40}, {50, 50}, {120, 75}}};

fs::path FreshFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("qx_curve_") + info->test_suite_name() + "_" + info->name() +
                       "_" + std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');
    const fs::path dir = fs::temp_directory_path() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void WriteInts(const fs::path& file, const std::vector<std::int32_t>& values, std::size_t extraBytes = 0)
{
    qx::ByteWriter w;
    for (std::int32_t v : values)
        w.I32(v);
    w.Zeros(extraBytes);
    qx::WriteFileAtomically(file, w.Data());
}

// Table entries [from..to] must all equal value.
struct Span {
    int from, to;
    std::int32_t value;
};

struct TableCase {
    const char* name;
    TCurvePoints points;
    std::vector<Span> expected;
};

const TableCase kTableCases[] = {
    {"DefaultEnhance", kDefaultEnhance,
     {{0, 10, 255}, {30, 30, 222}, {50, 50, 190}, {100, 100, 150}, {200, 255, 100}}},
    {"DefaultAlphaTruncates", kDefaultAlpha,
     {{0, 10, 0}, {12, 12, 8}, {25, 25, 30}, {85, 85, 62}, {120, 255, 75}}},
    {"HillAndValley", {{{0, 30}, {64, 30}, {128, 60}, {192, 30}, {255, 30}}},
     {{0, 64, 30}, {96, 96, 45}, {128, 128, 60}, {160, 160, 45}, {192, 255, 30}}},
    {"EqualXPairAddsNothing", {{{20, 40}, {100, 120}, {100, 200}, {180, 40}, {230, 0}}},
     {{0, 20, 40}, {60, 60, 80}, {99, 99, 119}, {100, 100, 200}, {140, 140, 120},
      {180, 180, 40}, {205, 205, 20}, {230, 255, 0}}},
    {"AllAtOriginGiveZero", {}, {{0, 255, 0}}},
    {"AllAtZeroFiveGiveFive", {{{0, 5}, {0, 5}, {0, 5}, {0, 5}, {0, 5}}}, {{0, 255, 5}}},
    {"AllAtTopEndFillFromBelow", {{{255, 7}, {255, 7}, {255, 7}, {255, 7}, {255, 7}}}, {{0, 255, 7}}},
    {"UnsortedEqualXKeepInputOrder", {{{128, 100}, {255, 0}, {0, 0}, {128, 200}, {255, 0}}},
     {{64, 64, 50}, {128, 128, 200}, {191, 191, 100}, {255, 255, 0}}},
    {"SeveralAtTopKeepSegmentEnd", {{{0, 0}, {255, 100}, {255, 200}, {255, 200}, {255, 200}}},
     {{128, 128, 50}, {255, 255, 100}}},
    {"OutOfRangeClamped", {{{-20, 300}, {100, -5}, {300, 128}, {400, 128}, {500, 128}}},
     {{0, 0, 255}, {50, 50, 127}, {100, 100, 0}, {178, 178, 64}, {255, 255, 128}}},
    {"ClampedAfterSorting", {{{0, 0}, {300, 20}, {256, 10}, {0, 0}, {0, 0}}},
     {{128, 128, 5}, {255, 255, 10}}},
};

void PrintTo(const TableCase& c, std::ostream* os)
{
    *os << c.name;
}

class CurveTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(CurveTableTest, EntriesMatch)
{
    const TableCase& c = GetParam();
    const qx::TCurveTable table = qx::BuildCurveTable(c.points);
    for (const Span& s : c.expected) {
        for (int i = s.from; i <= s.to; ++i)
            EXPECT_EQ(table[i], s.value) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Curves, CurveTableTest, ::testing::ValuesIn(kTableCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace

TEST(CurveTable, EveryOrderOfDistinctPointsGivesTheSortedTable)
{
    TCurvePoints p = kDefaultEnhance;
    const qx::TCurveTable sorted = qx::BuildCurveTable(p);
    auto byX = [](const TCurvePoint& a, const TCurvePoint& b) { return a.x < b.x; };
    int orders = 0;
    do {
        EXPECT_EQ(qx::BuildCurveTable(p), sorted);
        ++orders;
    } while (std::next_permutation(p.begin(), p.end(), byX));
    EXPECT_EQ(orders, 120);
}

TEST(CurveTable, AnyPointsGiveEntriesInByteRange)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-100, 400);
    for (int trial = 0; trial < 2000; ++trial) {
        TCurvePoints p;
        for (TCurvePoint& q : p)
            q = {coord(rng), coord(rng)};
        for (std::int32_t v : qx::BuildCurveTable(p))
            ASSERT_TRUE(v >= 0 && v <= 255) << "trial " << trial;
    }
}

TEST(CurveTable, ClampBoundsEveryCoordinate)
{
    TCurvePoints p{{{-1, 256}, {INT_MIN, INT_MAX}, {0, 255}, {300, -300}, {128, 7}}};
    qx::ClampCurvePoints(p);
    const TCurvePoints expected{{{0, 255}, {0, 255}, {0, 255}, {255, 0}, {128, 7}}};
    EXPECT_EQ(p, expected);
}

TEST(CurveFile, RoundTripIsFortyLittleEndianBytes)
{
    const fs::path file = FreshFolder() / "round.ehc";
    qx::WriteCurveFile(file, kDefaultAlpha);
    const auto bytes = qx::ReadWholeFile(file);
    ASSERT_EQ(bytes.size(), qx::kCurveFileSize);
    EXPECT_EQ(bytes[8], 15);
    EXPECT_EQ(bytes[12], 20);
    TCurvePoints back{};
    EXPECT_TRUE(qx::ReadCurveFile(file, back));
    EXPECT_EQ(back, kDefaultAlpha);
}

TEST(CurveFile, ShortFileFillsOnlyWholeValuesItHolds)
{
    const fs::path file = FreshFolder() / "short.amc";
    WriteInts(file, {3, 4, 5}, 2);
    TCurvePoints p = kDefaultEnhance;
    ASSERT_TRUE(qx::ReadCurveFile(file, p));
    TCurvePoints expected = kDefaultEnhance;
    expected[0] = {3, 4};
    expected[1].x = 5;
    EXPECT_EQ(p, expected);
}

TEST(CurveFile, LongerFileUsesFirstFortyBytesAndClamps)
{
    const fs::path file = FreshFolder() / "long.ehc";
    WriteInts(file, {-7, 300, 1, 2, 3, 4, 5, 6, 256, -1, 99, 99});
    TCurvePoints p{};
    ASSERT_TRUE(qx::ReadCurveFile(file, p));
    const TCurvePoints expected{{{0, 255}, {1, 2}, {3, 4}, {5, 6}, {255, 0}}};
    EXPECT_EQ(p, expected);
}

TEST(CurveFile, MissingFileLeavesPointsAndFolderIsRefused)
{
    const fs::path dir = FreshFolder();
    TCurvePoints p = kDefaultAlpha;
    EXPECT_FALSE(qx::ReadCurveFile(dir / "none.amc", p));
    EXPECT_EQ(p, kDefaultAlpha);

    fs::create_directory(dir / "folder.amc");
    try {
        qx::ReadCurveFile(dir / "folder.amc", p);
        FAIL() << "a folder was read as a curve file";
    } catch (const qx::QuiltixError& e) {
        EXPECT_NE(std::string(e.what()).find((dir / "folder.amc").string()), std::string::npos);
    }
    EXPECT_EQ(p, kDefaultAlpha);
}

TEST(CurveStore, MissingDefaultLeavesItsStoreAndCopyFillsProject)
{
    const fs::path app = FreshFolder();
    fs::create_directories(qx::CurveFolder(app));
    qx::WriteCurveFile(qx::DefaultEnhanceCurveFile(app), kDefaultEnhance);

    qx::CurveStore store;
    store.LoadDefaultCurves(app);
    EXPECT_EQ(store.EnhancePoints, kDefaultEnhance);
    EXPECT_EQ(store.AlphaPoints, TCurvePoints{});

    TCurvePoints enhance = kDefaultAlpha;
    TCurvePoints alpha = kDefaultAlpha;
    store.CopyInto(enhance, alpha);
    EXPECT_EQ(enhance, kDefaultEnhance);
    EXPECT_EQ(alpha, TCurvePoints{});
}

TEST(CurveStore, ShippedDefaultFilesHoldTheDefaultCurves)
{
    const fs::path app = QX_DATA_DIR;
    EXPECT_EQ(fs::file_size(qx::DefaultEnhanceCurveFile(app)), qx::kCurveFileSize);
    EXPECT_EQ(fs::file_size(qx::DefaultAlphaCurveFile(app)), qx::kCurveFileSize);
    qx::CurveStore store;
    store.LoadDefaultCurves(app);
    EXPECT_EQ(store.EnhancePoints, kDefaultEnhance);
    EXPECT_EQ(store.AlphaPoints, kDefaultAlpha);
}
