#include "render/Reports.h"

#include "common/FileIO.h"
#include "imaging/BmpCodec.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace qx;

namespace {

struct TPlanNumberCase {
    int N;
    const char* Text;
};

class PlanNumber : public ::testing::TestWithParam<TPlanNumberCase> {};

TEST_P(PlanNumber, FourCharactersOrNotAvailable)
{
    EXPECT_EQ(FormatPlanNumber(GetParam().N), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanNumber,
                         ::testing::Values(TPlanNumberCase{0, "0   "}, TPlanNumberCase{9, "9   "},
                                           TPlanNumberCase{10, "10  "}, TPlanNumberCase{99, "99  "},
                                           TPlanNumberCase{100, "100 "}, TPlanNumberCase{999, "999 "},
                                           TPlanNumberCase{1000, "1000"}, TPlanNumberCase{9999, "9999"},
                                           TPlanNumberCase{10000, " N/A "}, TPlanNumberCase{-1, " N/A "}),
                         [](const auto& row) { return "n" + std::to_string(row.index); });

std::string FileText(const fs::path& file)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file);
    return std::string(bytes.begin(), bytes.end());
}

// Three indexed photos used 2, 0 and 3 times. Layer 1 has two rows of three
// cells; layer 2 one column; layer 3 is disabled; layer 4 is enabled but
// empty.
class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = RenderScratchFolder();
        session_ = DrawingSession(dir_, 30, 30, 10, 10);
        for (int i = 0; i < 3; ++i)
            AddPhoto(*session_, dir_, FlatBitmap(8, 8, {static_cast<unsigned>(60 * i), 90, 90}));
        SilentReporter quiet;
        session_->PhotoIndex.BuildTileIndex(session_->RenderCellImgList, quiet);
        const int uses[] = {2, 0, 3};
        for (int i = 0; i < 3; ++i)
            session_->PhotoIndex.TileInfo(i).UsedCount = uses[i];
        const int firstLayer[] = {0, 2, -1, 1, 0, 2};
        for (int i = 0; i < 6; ++i) {
            const int x = (i % 3) * 10;
            const int y = (i / 3) * 10;
            AddCell(*session_, 1, {x, y, x + 10, y + 10}, firstLayer[i], {1, 1, 1});
        }
        const int column[] = {2, 2, 0};
        for (int i = 0; i < 3; ++i)
            AddCell(*session_, 2, {5, i * 10, 15, i * 10 + 10}, column[i], {1, 1, 1});
        AddCell(*session_, 3, {0, 0, 10, 10}, 0, {1, 1, 1});
        session_->CurrentProject.Layers[2].Enabled = false;
        session_->CurrentProject.Layers[3].Enabled = true;
    }

    std::string Photo(int i) const { return session_->RenderCellImgList[static_cast<std::size_t>(i)]; }

    fs::path dir_;
    std::unique_ptr<Session> session_;
};

TEST_F(ReportsTest, TilePlanListsUsedPhotosAndRowsOfEnabledLayers)
{
    WriteTilePlan(*session_);

    const std::string expected = "Total Used Tile count: 2 from 3 Tiles\r\n"
                                 "--------------\r\n"
                                 "Plan ID to File Name \r\n"
                                 " ID 0 use count:2  filename: " + Photo(0) + "\r\n"
                                 " ID 1 use count:3  filename: " + Photo(2) + "\r\n"
                                 "--------------\r\n"
                                 "Mosaic Construction Plan\r\n"
                                 "  Layer: 1\r\n"
                                 "Line1     0   1    N/A \r\n"
                                 "Line2      N/A 0   1   \r\n"
                                 "  Layer: 2\r\n"
                                 "Line1     1   1   0   \r\n"
                                 "  Layer: 4\r\n";
    EXPECT_EQ(FileText(dir_ / "TilePlan.txt"), expected);
}

TEST_F(ReportsTest, UsageCounterListsEveryIndexedPhoto)
{
    WriteReports(*session_);

    const std::string expected = "Use time: 2   filename: " + Photo(0) + "\r\n" +
                                 "Use time: 0   filename: " + Photo(1) + "\r\n" +
                                 "Use time: 3   filename: " + Photo(2) + "\r\n" + "total use time 5\r\n";
    EXPECT_EQ(FileText(dir_ / "FileUsageCounter.txt"), expected);
    ASSERT_EQ(session_->ReportBuffer.size(), 4u);
}

TEST_F(ReportsTest, EmptyIndexMakesEveryCellNotAvailable)
{
    session_->PhotoIndex = TileIndex{};

    WriteReports(*session_);
    WriteTilePlan(*session_);

    EXPECT_EQ(FileText(dir_ / "FileUsageCounter.txt"), "total use time 0\r\n");
    const std::string plan = FileText(dir_ / "TilePlan.txt");
    EXPECT_EQ(plan.rfind("Total Used Tile count: 0 from 0 Tiles\r\n--------------\r\nPlan ID to File Name \r\n"
                         "--------------\r\n",
                         0),
              0u);
    EXPECT_NE(plan.find("Line1      N/A  N/A  N/A \r\nLine2      N/A  N/A  N/A \r\n"), std::string::npos);
}

TEST_F(ReportsTest, DifferenceChartShowsSortedFinalDifferencesOfEnabledLayers)
{
    // Layer 1 holds the values; the rest are 0, and the disabled layer's 255
    // must not count. Sorted descending, the 9 enabled cells put 195 in the
    // first 200 / 9 columns.
    for (TQXLayer& layer : session_->CurrentProject.Layers)
        for (TMosaicCell& cell : layer.Cells)
            cell.FinalDifference = 0;
    CellAt(*session_, 1, 4).FinalDifference = 195;
    CellAt(*session_, 3, 0).FinalDifference = 255;

    WriteReports(*session_);

    const TBitmap32 chart = LoadBmpFile(dir_ / "stat.bmp");
    ASSERT_EQ(chart.Width(), 250);
    ASSERT_EQ(chart.Height(), 300);
    const TColor32 grey = Color32(0x80, 0x80, 0x80);
    const TColor32 white = Color32(255, 255, 255);
    const TColor32 black = Color32(0, 0, 0);
    const TColor32 lime = Color32(0, 255, 0);
    struct {
        int X, Y;
        TColor32 Colour;
    } const probes[] = {
        {210, 5, grey},    {5, 280, grey},     {199, 0, white},  {20, 10, black},  // caption's first pixel
        {5, 256, lime},    {5, 62, lime},      {5, 61, white},   {5, 246, black},  // a bar: its start, its top
        {22, 256, lime},   {23, 256, grey},    {23, 200, white},                   // the bars end at 200 / 9
        {199, 6, black},   {200, 6, grey},     {0, 236, black},                    // grid lines end before 200
    };
    for (const auto& probe : probes)
        EXPECT_EQ(chart.Pixel(probe.X, probe.Y), probe.Colour) << probe.X << "," << probe.Y;
}

} // namespace
