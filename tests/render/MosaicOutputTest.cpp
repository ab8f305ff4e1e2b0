#include "render/MosaicOutput.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace qx;

namespace {

constexpr TRgb kCellColour{30, 150, 60};
// 0x00BBGGRR: red 0x10, green 0x20, blue 0x30.
constexpr std::uint32_t kBorderValue = 0x00302010;
constexpr TRgb kBorder{0x10, 0x20, 0x30};

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::vector<std::string> PageFilesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("output", 0) == 0)
            names.push_back(name);
    }
    return names;
}

bool Shows(const TBitmap32& page, int x, int y, TRgb colour)
{
    return (page.Pixel(x, y) & 0xFFFFFF) == (colour.Pixel() & 0xFFFFFF);
}

TEST(DrawAndWriteMosaic, SeveralPagesInColumnOrderOnlyLastWithResolution)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 2244, 1584, 244, 584);
    TqxProject07& p = session->CurrentProject;
    p.PageWidth = 1000;
    p.PageHeight = 1000;
    p.CropCellImage = false;
    p.BorderColor = kBorderValue;
    const TRgb first{200, 100, 50};
    const TRgb last{40, 180, 220};
    AddCell(*session, 1, {100, 100, 344, 684}, AddPhoto(*session, dir, FlatBitmap(8, 8, first)), kCellColour);
    // Covers exactly what the mosaic leaves of the last page.
    AddCell(*session, 1, {2000, 1000, 2244, 1584}, AddPhoto(*session, dir, FlatBitmap(8, 8, last)), kCellColour);
    RecordingReporter reporter;
    std::vector<std::string> order;
    reporter.OnMosaicChanged = [&] {
        for (const std::string& name : PageFilesIn(dir))
            if (std::find(order.begin(), order.end(), name) == order.end())
                order.push_back(name);
    };

    DrawAndWriteMosaic(*session, reporter);

    const std::vector<std::string> expected = {"output_x0y0.bmp", "output_x0y1.bmp", "output_x1y0.bmp",
                                               "output_x1y1.bmp", "output_x2y0.bmp", "output_x2y1.bmp"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(reporter.Changes, 6);
    for (const std::string& name : expected) {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(dir / name);
        const std::int32_t ppm = name == expected.back() ? 3780 : 0;
        EXPECT_EQ(Int32At(bytes, 38), ppm) << name;
        EXPECT_EQ(Int32At(bytes, 42), ppm) << name;
        const TBitmap32 page = LoadBmpFile(dir / name);
        EXPECT_EQ(page.Width(), 1000) << name;
        EXPECT_EQ(page.Height(), 1000) << name;
    }
    const TBitmap32 topLeft = LoadBmpFile(dir / "output_x0y0.bmp");
    EXPECT_TRUE(Shows(topLeft, 100, 100, first));
    EXPECT_TRUE(Shows(topLeft, 343, 683, first));
    EXPECT_TRUE(Shows(topLeft, 99, 100, kBorder));
    EXPECT_TRUE(Shows(topLeft, 344, 683, kBorder));
    const TBitmap32 corner = LoadBmpFile(dir / "output_x2y1.bmp");
    EXPECT_TRUE(Shows(corner, 0, 0, last));
    EXPECT_TRUE(Shows(corner, 243, 583, last));
    EXPECT_TRUE(Shows(corner, 244, 0, kBorder));
    EXPECT_TRUE(Shows(corner, 0, 584, kBorder));
    EXPECT_TRUE(Shows(corner, 999, 999, kBorder));
    EXPECT_EQ(session->MosaicBitmap.Pixel(0, 0), corner.Pixel(0, 0));

    const std::vector<std::string> log = {"Draw Mosaics", "Clearning Main Mosaic Canvas", "drawing tiles",
                                          "Draw Mosaics.......................Done",
                                          "PhotoMosaic Saved to " + (dir / "output_x2y1.bmp").string()};
    EXPECT_EQ(reporter.Lines, log);
    EXPECT_EQ(p.ProjectStage, 2);
    EXPECT_TRUE(fs::exists(dir / "project.QX8"));
    EXPECT_TRUE(fs::exists(dir / "project.ini"));
    // Six pages of 4 MB each are not worth keeping after a run.
    fs::remove_all(dir);
}

struct TResolutionCase {
    int Ppi;
    std::int32_t PixelsPerMetre;
};

class OnePageResolution : public ::testing::TestWithParam<TResolutionCase> {};

TEST_P(OnePageResolution, MosaicOnOnePageIsOutputBmp)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 40, 30, 10, 10);
    session->CurrentProject.PPI = GetParam().Ppi;
    RecordingReporter reporter;

    DrawAndWriteMosaic(*session, reporter);

    EXPECT_EQ(PageFilesIn(dir), std::vector<std::string>{"output.bmp"});
    const std::vector<std::uint8_t> bytes = ReadWholeFile(dir / "output.bmp");
    EXPECT_EQ(Int32At(bytes, 38), GetParam().PixelsPerMetre);
    EXPECT_EQ(Int32At(bytes, 42), GetParam().PixelsPerMetre);
    const TBitmap32 page = LoadBmpFile(dir / "output.bmp");
    EXPECT_EQ(page.Width(), 40);
    EXPECT_EQ(page.Height(), 30);
    EXPECT_EQ(reporter.Lines.back(), "PhotoMosaic Saved to " + (dir / "output.bmp").string());
}

INSTANTIATE_TEST_SUITE_P(Ppi, OnePageResolution,
                         ::testing::Values(TResolutionCase{72, 2835}, TResolutionCase{96, 3780},
                                           TResolutionCase{300, 11811}),
                         [](const auto& row) { return std::to_string(row.param.Ppi); });

struct TRefusalCase {
    const char* Name;
    std::function<void(TqxProject07&)> Spoil;
};

const TRefusalCase kRefusals[] = {
    {"PageWidthZero", [](TqxProject07& p) { p.PageWidth = 0; }},
    {"PageHeightNegative", [](TqxProject07& p) { p.PageHeight = -4; }},
    {"MosaicWidthZero", [](TqxProject07& p) { p.MosaicWidth = 0; }},
    {"CellWidthZero", [](TqxProject07& p) { p.CellWidth = 0; }},
    {"NoProjectFolder", [](TqxProject07& p) { p.Projectpath.clear(); }},
};

class DrawAndWriteRefusal : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(DrawAndWriteRefusal, RefusedBeforeAnythingIsDrawnOrWritten)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 40, 30, 10, 10);
    GetParam().Spoil(session->CurrentProject);
    RecordingReporter reporter;

    EXPECT_THROW(DrawAndWriteMosaic(*session, reporter), QuiltixError);
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(reporter.Lines.empty());
    EXPECT_EQ(session->CurrentProject.ProjectStage, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawAndWriteRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& row) { return std::string(row.param.Name); });

} // namespace
