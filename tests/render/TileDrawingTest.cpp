#include "render/TileDrawing.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "render/TilePhoto.h"
#include "render/TilePhotoCache.h"
#include "render/TilePreparation.h"
#include "imaging/ImageFunctions.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace qx;

namespace {

constexpr TRgb kCellColour{30, 150, 60};
constexpr TRgb kMainColour{72, 20, 30};
constexpr TRgb kGround{1, 2, 3};
constexpr TRgb kMagenta{255, 0, 255};

// The figures of a flat tile against a flat cell, from their definitions:
// the grid difference sums 64 equal blocks.
int FlatFigure(TRgb t, TRgb c)
{
    const int dR = static_cast<int>(t.R) - static_cast<int>(c.R);
    const int dG = static_cast<int>(t.G) - static_cast<int>(c.G);
    const int dB = static_cast<int>(t.B) - static_cast<int>(c.B);
    return static_cast<int>(std::sqrt(static_cast<double>(64 * (dR * dR + dG * dG + dB * dB) / 192)));
}

int FlatColorDiffAvg(TRgb t, TRgb c)
{
    return (std::abs(static_cast<int>(t.R) - static_cast<int>(c.R)) +
            std::abs(static_cast<int>(t.G) - static_cast<int>(c.G)) +
            std::abs(static_cast<int>(t.B) - static_cast<int>(c.B))) /
           3;
}

int FlatColorDiffSingle(TRgb t, TRgb c)
{
    return std::max({std::abs(static_cast<int>(t.R) - static_cast<int>(c.R)),
                     std::abs(static_cast<int>(t.G) - static_cast<int>(c.G)),
                     std::abs(static_cast<int>(t.B) - static_cast<int>(c.B))});
}

// Counts the pixels of the rectangle of `bitmap` that differ from `colour`.
int Mismatches(const TBitmap32& bitmap, const TRect& r, TRgb colour)
{
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            count += (bitmap.Pixel(x, y) & 0x00FFFFFF) != (colour.Pixel() & 0x00FFFFFF);
    return count;
}

struct TDrawCase {
    const char* Name;
    TRgb Photo;
    bool MissingPhoto;
    int CorrRed, CorrGreen, CorrBlue;
    bool Mono;
    int Alpha; // the alpha table's entry at the cell's ColorDiffAvg, all others 0
    int Pen;
    TRgb Tile;  // the corrected tile, before the main image is blended in
    TRgb Final; // the tile after the blend
    TRgb Pixel; // what the page shows in the cell
};

const TDrawCase kDrawCases[] = {
    {"CroppedPhotoItself", {200, 100, 50}, false, 0, 0, 0, false, 0, 255, {200, 100, 50}, {200, 100, 50}, {200, 100, 50}},
    {"CorrectionsMoveTowardsCell", {200, 100, 50}, false, 170, -50, -10, false, 0, 255, kCellColour, kCellColour, kCellColour},
    {"FullAlphaShowsMainImage", {200, 100, 50}, false, 0, 0, 0, false, 255, 255, {200, 100, 50}, kMainColour, kMainColour},
    {"HalfAlphaMixes", {200, 100, 50}, false, 0, 0, 0, false, 128, 255, {200, 100, 50}, {136, 60, 40}, {136, 60, 40}},
    {"GreyPhotoStillTinted", {100, 100, 100}, false, -50, 0, 30, true, 0, 255, {148, 98, 68}, {148, 98, 68}, {148, 98, 68}},
    {"PenZeroLeavesGround", {200, 100, 50}, false, 0, 0, 0, false, 0, 0, {200, 100, 50}, {200, 100, 50}, kGround},
    {"UnreadablePhotoDrawsNothing", {}, true, 0, 0, 0, false, 0, 255, {0, 0, 0}, {0, 0, 0}, kGround},
};

class DrawCellSteps : public ::testing::TestWithParam<TDrawCase> {};

// A 2:1 photo whose outer quarters are magenta, so a missing crop shows.
TBitmap32 BandedPhoto(TRgb middle)
{
    TBitmap32 photo = FlatBitmap(32, 16, kMagenta);
    photo.FillRect({8, 0, 24, 16}, middle.Pixel());
    return photo;
}

TEST_P(DrawCellSteps, TileFiguresAndPixels)
{
    const TDrawCase& c = GetParam();
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 32, 16, 16, 16);
    TqxProject07& p = session->CurrentProject;
    p.MonoCellImage = c.Mono;
    p.AlphaBlendPen = c.Pen;
    p.BorderColor = 0x00C0B0A0;
    p.AlphaTable[static_cast<std::size_t>(FlatColorDiffAvg(c.Tile, kCellColour))] = c.Alpha;
    session->MainImageBitmap = FlatBitmap(32, 16, kMainColour);
    const int photo = c.MissingPhoto ? 0 : AddPhoto(*session, dir, BandedPhoto(c.Photo));
    if (c.MissingPhoto)
        session->RenderCellImgList.push_back((dir / "absent.jpg").string());
    const int index = AddCell(*session, 1, {0, 0, 16, 16}, photo, kCellColour);
    TMosaicCell& cell = CellAt(*session, 1, index);
    cell.CorrRed = c.CorrRed;
    cell.CorrGreen = c.CorrGreen;
    cell.CorrBlue = c.CorrBlue;
    TBitmap32 target = FlatBitmap(32, 16, kGround);

    DrawCell(*session, 1, index, target, {0, 0, 32, 16});

    EXPECT_EQ(Mismatches(target, {0, 0, 16, 16}, c.Pixel), 0);
    EXPECT_EQ(Mismatches(target, {16, 0, 32, 16}, kGround), 0);
    EXPECT_EQ(cell.ColorDiffAvg, FlatColorDiffAvg(c.Tile, kCellColour));
    EXPECT_EQ(cell.ColorDiffSingle, FlatColorDiffSingle(c.Tile, kCellColour));
    EXPECT_EQ(cell.BlendAlpha, c.Alpha);
    EXPECT_EQ(cell.RawDifference, FlatFigure(c.Tile, kCellColour));
    EXPECT_EQ(cell.FinalDifference, FlatFigure(c.Final, kCellColour));
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawCellSteps, ::testing::ValuesIn(kDrawCases),
                         [](const auto& row) { return std::string(row.param.Name); });

struct TTurnCase {
    const char* Name;
    bool FlipH;
    bool FlipV;
    int Angle;
    const char* Quadrants; // top-left, top-right, bottom-left, bottom-right as drawn
};

const TTurnCase kTurnCases[] = {
    {"Unchanged", false, false, 0, "ABCD"},     {"LeftRight", true, false, 0, "BADC"},
    {"TopBottom", false, true, 0, "CDAB"},      {"Both", true, true, 0, "DCBA"},
    {"QuarterTurn", false, false, 90, "BDAC"},  {"MirrorThenTurn", true, false, 90, "ACBD"},
};

class DrawCellTurns : public ::testing::TestWithParam<TTurnCase> {};

TRgb QuadrantColour(char q)
{
    switch (q) {
    case 'A': return {250, 0, 0};
    case 'B': return {0, 250, 0};
    case 'C': return {0, 0, 250};
    default: return {250, 250, 0};
    }
}

TEST_P(DrawCellTurns, MirrorsComeBeforeTheTurn)
{
    const TTurnCase& c = GetParam();
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 16, 16, 16, 16);
    TBitmap32 photo(16, 16);
    photo.FillRect({0, 0, 8, 8}, QuadrantColour('A').Pixel());
    photo.FillRect({8, 0, 16, 8}, QuadrantColour('B').Pixel());
    photo.FillRect({0, 8, 8, 16}, QuadrantColour('C').Pixel());
    photo.FillRect({8, 8, 16, 16}, QuadrantColour('D').Pixel());
    const int index = AddCell(*session, 1, {0, 0, 16, 16}, AddPhoto(*session, dir, photo), kCellColour);
    CellAt(*session, 1, index).FlipH = c.FlipH;
    CellAt(*session, 1, index).FlipV = c.FlipV;
    CellAt(*session, 1, index).RotationAngle = c.Angle;
    TBitmap32 target = FlatBitmap(16, 16, kGround);

    DrawCell(*session, 1, index, target, {0, 0, 16, 16});

    const TRect quadrants[] = {{1, 1, 7, 7}, {9, 1, 15, 7}, {1, 9, 7, 15}, {9, 9, 15, 15}};
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(Mismatches(target, quadrants[q], QuadrantColour(c.Quadrants[q])), 0) << "quadrant " << q;
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawCellTurns, ::testing::ValuesIn(kTurnCases),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(DrawCell, MaskWithBorderLeavesTransparentBandAndOutsideShape)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 20, 20, 20, 20);
    session->CurrentProject.BorderSize = 5;
    TQXLayer& layer = session->CurrentProject.Layers[0];
    layer.LayerPattern.HasMaskImage = true;
    // 15 x 15 is the tile less the border, so the shape is not resampled:
    // its left 7 columns are inside.
    layer.MaskBitmap = FlatBitmap(15, 15, {0, 0, 0});
    layer.MaskBitmap.FillRect({0, 0, 7, 15}, Color32(255, 255, 255));
    const TRgb colour{200, 100, 50};
    const int index = AddCell(*session, 1, {0, 0, 20, 20}, AddPhoto(*session, dir, FlatBitmap(20, 20, colour)), kCellColour);
    TBitmap32 target = FlatBitmap(20, 20, kGround);

    DrawCell(*session, 1, index, target, {0, 0, 20, 20});

    EXPECT_EQ(Mismatches(target, {2, 2, 9, 17}, colour), 0);
    EXPECT_EQ(Mismatches(target, {0, 0, 20, 2}, kGround), 0);   // top band of 2
    EXPECT_EQ(Mismatches(target, {0, 17, 20, 20}, kGround), 0); // bottom band of 3
    EXPECT_EQ(Mismatches(target, {0, 0, 2, 20}, kGround), 0);   // left band of 2
    EXPECT_EQ(Mismatches(target, {9, 0, 20, 20}, kGround), 0);  // outside the shape and the right band
}

TEST(DrawCell, CellHalfOutsideMosaicBlendsOnlyItsInsideHalf)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 32, 16, 32, 16);
    session->CurrentProject.AlphaTable.fill(255);
    session->MainImageBitmap = FlatBitmap(32, 16, {10, 10, 10});
    session->MainImageBitmap.FillRect({16, 0, 32, 16}, kMainColour.Pixel());
    const TRgb colour{200, 100, 50};
    const int index = AddCell(*session, 1, {16, 0, 48, 16}, AddPhoto(*session, dir, FlatBitmap(32, 16, colour)), kCellColour);
    // A page bitmap reaching past the mosaic's right edge, as the last page
    // column has.
    TBitmap32 target = FlatBitmap(32, 16, kGround);

    DrawCell(*session, 1, index, target, {16, 0, 48, 16});

    EXPECT_EQ(Mismatches(target, {0, 0, 16, 16}, kMainColour), 0);
    EXPECT_EQ(Mismatches(target, {16, 0, 32, 16}, colour), 0);
}

TEST(DrawCell, RefusesCellsThatDoNotExistAndSizesOfZero)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 16, 16, 16, 16);
    const int index = AddCell(*session, 1, {0, 0, 16, 16}, AddPhoto(*session, dir, FlatBitmap(16, 16, {1, 1, 1})), kCellColour);
    TBitmap32 target(16, 16);
    EXPECT_THROW(DrawCell(*session, 8, 0, target, {0, 0, 16, 16}), QuiltixError);
    EXPECT_THROW(DrawCell(*session, 1, 1, target, {0, 0, 16, 16}), QuiltixError);
    session->CurrentProject.CellHeight = 0;
    EXPECT_THROW(DrawCell(*session, 1, index, target, {0, 0, 16, 16}), QuiltixError);
}

struct TOverlapCase {
    const char* Name;
    TRect Cell;
    bool Drawn;
};

// The page is (8, 8)-(24, 24).
const TOverlapCase kOverlapCases[] = {
    {"EqualsPage", {8, 8, 24, 24}, true},
    {"SpansFullWidth", {0, 12, 32, 20}, true},
    {"SameColumnsAbove", {8, 0, 24, 12}, true},
    {"CornerInside", {20, 20, 36, 36}, true},
    {"SharesEdge", {24, 8, 40, 24}, false},
    {"SharesCorner", {24, 24, 40, 40}, false},
    {"Apart", {40, 40, 50, 50}, false},
};

class PageOverlap : public ::testing::TestWithParam<TOverlapCase> {};

TEST_P(PageOverlap, CellIsDrawnWhenItSharesPixelsWithPage)
{
    const TOverlapCase& c = GetParam();
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 32, 32, 16, 16);
    const TRgb colour{200, 100, 50};
    const int index = AddCell(*session, 1, c.Cell, AddPhoto(*session, dir, FlatBitmap(16, 16, colour)), kCellColour);
    CellAt(*session, 1, index).FinalDifference = -1;
    session->MosaicBitmap = FlatBitmap(16, 16, kGround);
    RecordingReporter reporter;

    DrawLayers(*session, {8, 8, 24, 24}, reporter);

    EXPECT_EQ(CellAt(*session, 1, index).FinalDifference != -1, c.Drawn);
    if (c.Drawn) {
        EXPECT_EQ(session->MosaicBitmap.Pixel(std::max(c.Cell.Left, 8) - 8, std::max(c.Cell.Top, 8) - 8) & 0xFFFFFF,
                  colour.Pixel() & 0xFFFFFF);
    }
    EXPECT_EQ(reporter.Progress.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageOverlap, ::testing::ValuesIn(kOverlapCases),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(DrawLayers, OneCellMosaicIsDrawn)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 24, 16, 24, 16);
    const TRgb colour{40, 180, 220};
    AddCell(*session, 1, {0, 0, 24, 16}, AddPhoto(*session, dir, FlatBitmap(48, 32, colour)), kCellColour);
    session->MosaicBitmap = FlatBitmap(24, 16, kGround);
    RecordingReporter reporter;

    DrawLayers(*session, {0, 0, 24, 16}, reporter);

    EXPECT_EQ(Mismatches(session->MosaicBitmap, {0, 0, 24, 16}, colour), 0);
}

TEST(DrawLayers, SkipsLayersNotInUse)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 16, 16, 16, 16);
    const int photo = AddPhoto(*session, dir, FlatBitmap(16, 16, {200, 100, 50}));
    AddCell(*session, 2, {0, 0, 16, 16}, photo, kCellColour);
    AddCell(*session, 3, {0, 0, 16, 16}, photo, kCellColour);
    session->CurrentProject.Layers[1].Excluded = true;
    session->CurrentProject.Layers[2].Enabled = false;
    session->MosaicBitmap = FlatBitmap(16, 16, kGround);
    RecordingReporter reporter;

    DrawLayers(*session, {0, 0, 16, 16}, reporter);

    EXPECT_EQ(Mismatches(session->MosaicBitmap, {0, 0, 16, 16}, kGround), 0);
}

TEST(DrawLayers, DecoderErrorStopsAfterTheCellsBeforeIt)
{
    const fs::path dir = RenderScratchFolder();
    auto session = DrawingSession(dir, 32, 16, 16, 16);
    const TRgb colour{200, 100, 50};
    AddCell(*session, 1, {0, 0, 16, 16}, AddPhoto(*session, dir, FlatBitmap(16, 16, colour)), kCellColour);
    const fs::path bad = dir / "bad.bmp";
    WriteFileAtomically(bad, std::string("BM this is no bitmap"));
    session->RenderCellImgList.push_back(bad.string());
    AddCell(*session, 1, {16, 0, 32, 16}, 1, kCellColour);
    session->MosaicBitmap = FlatBitmap(32, 16, kGround);
    RecordingReporter reporter;

    EXPECT_THROW(DrawLayers(*session, {0, 0, 32, 16}, reporter), QuiltixError);
    EXPECT_EQ(Mismatches(session->MosaicBitmap, {0, 0, 16, 16}, colour), 0);
    EXPECT_EQ(Mismatches(session->MosaicBitmap, {16, 0, 32, 16}, kGround), 0);
}

// A picture with detail in every block, so filters, turns and blends show.
TBitmap32 PatternedPhoto(int width, int height, int seed)
{
    TBitmap32 b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y,
                       Color32(static_cast<unsigned>((x * 7 + seed * 40) % 256), static_cast<unsigned>((y * 5 + seed * 90) % 256),
                               static_cast<unsigned>(((x + y) * 3 + seed * 20) % 256)));
    return b;
}

// Two layers, the second offset and cut to a shape; JPEG photos decoded
// at reduced scale, each shared by several cells; varied corrections,
// mirrors, turns and blend strengths; a cell without photo, one whose photo
// number lies beyond the list and one whose file is missing.
std::unique_ptr<Session> BusySession(const fs::path& dir)
{
    auto session = DrawingSession(dir, 96, 64, 12, 12);
    TqxProject07& p = session->CurrentProject;
    p.StretchFilter = static_cast<std::uint8_t>(TResampler::Spline);
    p.AlphaBlendPen = 230;
    p.BorderSize = 2;
    p.BorderColor = 0x00336699;
    for (int i = 0; i < 256; ++i)
        p.AlphaTable[static_cast<std::size_t>(i)] = i;
    session->MainImageBitmap = PatternedPhoto(48, 32, 9);
    for (int k = 0; k < 4; ++k)
        AddJpegPhoto(*session, dir, PatternedPhoto(240 + 16 * k, 180, k));
    session->RenderCellImgList.push_back((dir / "absent.jpg").string());
    for (int i = 0; i < 8 * 5; ++i) {
        const int x = (i % 8) * 12;
        const int y = (i / 8) * 12;
        const int photo = i == 7 ? -1 : (i == 11 ? 99 : i % 5);
        const int index = AddCell(*session, 1, {x, y, x + 12, y + 12}, photo,
                                  {static_cast<unsigned>(i * 6), static_cast<unsigned>(255 - i * 5), 90});
        TMosaicCell& cell = CellAt(*session, 1, index);
        cell.HasPhoto = i != 7;
        cell.CorrRed = (i % 7) * 9 - 27;
        cell.CorrBlue = 20 - (i % 3) * 15;
        cell.FlipH = i % 2 == 1;
        cell.FlipV = i % 3 == 1;
        cell.RotationAngle = (i % 4) * 15;
    }
    TQXLayer& second = p.Layers[1];
    second.LayerPattern.HasMaskImage = true;
    second.MaskBitmap = FlatBitmap(10, 10, {0, 0, 0});
    second.MaskBitmap.FillRect({2, 2, 8, 8}, Color32(255, 255, 255));
    for (int i = 0; i < 12; ++i) {
        const int x = (i % 4) * 24 + 6;
        const int y = (i / 4) * 24 - 6;
        AddCell(*session, 2, {x, y, x + 12, y + 12}, (i * 3) % 4, {200, 40, static_cast<unsigned>(i * 20)});
    }
    return session;
}

TEST(DrawLayers, ParallelPageEqualsCellByCellDrawing)
{
    const fs::path dir = RenderScratchFolder();
    const TRect page{10, 4, 96, 64};
    auto parallel = BusySession(dir);
    parallel->MosaicBitmap = FlatBitmap(page.Width(), page.Height(), kGround);
    RecordingReporter reporter;
    DrawLayers(*parallel, page, reporter);

    auto sequential = BusySession(dir);
    TBitmap32 target = FlatBitmap(page.Width(), page.Height(), kGround);
    for (int layer = 1; layer <= 2; ++layer)
        for (int i = 0; i < static_cast<int>(sequential->CurrentProject.Layers[layer - 1].Cells.size()); ++i) {
            const TRect& r = CellAt(*sequential, layer, i).CellRect;
            if (std::max(r.Left, page.Left) < std::min(r.Right, page.Right) &&
                std::max(r.Top, page.Top) < std::min(r.Bottom, page.Bottom))
                DrawCell(*sequential, layer, i, target, page);
        }

    int differing = 0;
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            differing += target.Pixel(x, y) != parallel->MosaicBitmap.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(Mismatches(target, {0, 0, page.Width(), page.Height()}, kGround), page.Width() * page.Height() / 2);
    for (int layer = 1; layer <= 2; ++layer)
        for (int i = 0; i < static_cast<int>(sequential->CurrentProject.Layers[layer - 1].Cells.size()); ++i) {
            const TMosaicCell& a = CellAt(*parallel, layer, i);
            const TMosaicCell& b = CellAt(*sequential, layer, i);
            EXPECT_EQ(a.RawDifference, b.RawDifference) << layer << "/" << i;
            EXPECT_EQ(a.ColorDiffAvg, b.ColorDiffAvg) << layer << "/" << i;
            EXPECT_EQ(a.ColorDiffSingle, b.ColorDiffSingle) << layer << "/" << i;
            EXPECT_EQ(a.BlendAlpha, b.BlendAlpha) << layer << "/" << i;
            EXPECT_EQ(a.FinalDifference, b.FinalDifference) << layer << "/" << i;
        }
}

struct TDecodeCase {
    const char* Name;
    bool Crop;
    int CellWidth, CellHeight;
    TRect Cell;
    TPixelSize Expected;
};

const TDecodeCase kDecodeCases[] = {
    {"CellOfProjectSize", true, 46, 44, {0, 0, 46, 44}, {46, 44}},
    {"WideCellSquareAspect", true, 40, 40, {0, 0, 80, 40}, {80, 80}},
    {"TallCellSquareAspect", true, 40, 40, {0, 0, 30, 60}, {60, 60}},
    {"RoundsUp", true, 3, 2, {0, 0, 4, 4}, {6, 4}},
    {"NoCropTakesCell", false, 40, 40, {0, 0, 80, 40}, {80, 40}},
    {"EmptyCellNeedsOnePixel", false, 40, 40, {5, 5, 5, 5}, {1, 1}},
};

class PhotoDecodeSizes : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(PhotoDecodeSizes, CroppedPhotoStillCoversCell)
{
    const TDecodeCase& c = GetParam();
    TqxProject07 project;
    project.CropCellImage = c.Crop;
    project.CellWidth = c.CellWidth;
    project.CellHeight = c.CellHeight;
    EXPECT_EQ(PhotoDecodeSize(project, c.Cell), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PhotoDecodeSizes, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(LoadTilePhoto, JpegDecodedJustLargeEnoughThenCropped)
{
    const fs::path dir = RenderScratchFolder();
    const fs::path file = dir / "photo.jpg";
    const std::vector<std::uint8_t> bytes = EncodeJpeg(FlatBitmap(800, 400, {90, 90, 90}));
    WriteFileAtomically(file, std::span<const std::uint8_t>(bytes));
    TqxProject07 project;
    project.CropCellImage = true;
    project.CellWidth = 40;
    project.CellHeight = 40;
    // A 40 x 40 cell needs the photo at least 40 high: one eighth of it is
    // 100 x 50, cropped to 50 x 50.
    const TBitmap32 photo = LoadTilePhoto(project, file, PhotoDecodeSize(project, {0, 0, 40, 40}));
    EXPECT_EQ(photo.Width(), 50);
    EXPECT_EQ(photo.Height(), 50);
}

TEST(TilePhotoCache, DecodesSharedPhotoOnceAndFreesItAfterLastUse)
{
    const TTilePhotoKey key{3, {10, 10}};
    for (const std::size_t budget : {std::size_t{1} << 20, std::size_t{0}}) {
        TilePhotoCache cache(budget);
        cache.Expect(key);
        cache.Expect(key);
        int loads = 0;
        const auto load = [&] {
            ++loads;
            return FlatBitmap(10, 10, {1, 2, 3});
        };
        for (int use = 0; use < 2; ++use) {
            const auto photo = cache.Acquire(key, load);
            EXPECT_EQ(photo->Width(), 10);
            cache.Release(key);
        }
        EXPECT_EQ(loads, budget == 0 ? 2 : 1) << "budget " << budget;
        EXPECT_EQ(cache.HeldBytes(), 0u);
    }
}

TEST(TurnOverGround, EqualsRotateBitmapForEveryAngleAndMode)
{
    for (const TDrawMode mode : {TDrawMode::Blend, TDrawMode::Opaque})
        for (const int angle : {0, 360, -720, 15, 90}) {
            TBitmap32 tile = PatternedPhoto(13, 9, 2);
            for (int y = 0; y < tile.Height(); ++y)
                for (int x = 0; x < tile.Width(); ++x)
                    tile.SetPixel(x, y, (tile.Pixel(x, y) & 0xFFFFFF) | static_cast<TColor32>((x * 20 + y * 7) % 256) << 24);
            tile.DrawMode = mode;
            tile.Resampler = TResampler::Spline;
            tile.MasterAlpha = 200;
            TBitmap32 expected;
            RotateBitmap(tile, expected, angle, 0x00336699);

            TurnOverGround(tile, angle, 0x00336699);

            EXPECT_TRUE(std::equal(tile.Bits(), tile.Bits() + 13 * 9, expected.Bits())) << angle;
        }
}

} // namespace
