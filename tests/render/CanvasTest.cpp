#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "layout/LayoutTestFolder.h"
#include "render/Canvas.h"
#include "render/RenderTestSupport.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qx {
namespace {

// A session on a folder of the test's own whose project has the default
// settings, a 1024 x 1024 mosaic of 48 x 48 cells and the main image file
// written by Use().
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_.WritePatterns({{{1, 1, 0, 0}}});
        session_ = std::make_unique<Session>(folder_.Path(), 1);
        test::UsePattern(*session_, 1, 1024, 1024, 48, 48);
    }

    void Use(const TBitmap32& mainImage)
    {
        session_->CurrentProject.MainimageFilename = folder_.WriteBmp("project/mainimage.bmp", mainImage).string();
    }

    void UseJpeg(const TBitmap32& mainImage)
    {
        const std::filesystem::path file = folder_.Path() / "mainimage.jpg";
        const std::vector<std::uint8_t> bytes = EncodeJpeg(mainImage);
        WriteFileAtomically(file, std::span<const std::uint8_t>(bytes));
        session_->CurrentProject.MainimageFilename = file.string();
    }

    // Every pixel of the canvas equals `expected`.
    void ExpectCanvasFilledWith(TColor32 expected) const
    {
        const TBitmap32& canvas = session_->MosaicBitmap;
        ASSERT_EQ(canvas.Width(), project().MosaicWidth);
        ASSERT_EQ(canvas.Height(), project().MosaicHeight);
        int wrong = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                wrong += canvas.Pixel(x, y) != expected ? 1 : 0;
        EXPECT_EQ(wrong, 0) << std::hex << "first pixel " << canvas.Pixel(0, 0) << ", expected " << expected;
    }

    TqxProject07& project() const { return session_->CurrentProject; }

    test::LayoutTestFolder folder_;
    std::unique_ptr<Session> session_;
    test::RecordingReporter reporter_;
};

// Watches nothing; tells the step whether the canvas is shown.
class CanvasWatcher final : public RenderReporter {
public:
    explicit CanvasWatcher(bool shows) : shows_(shows) {}
    void AddLogLine(const std::string&) override {}
    void SetProgress(int) override {}
    void ShowJobLabel(const std::string&) override {}
    void HideJobLabel() override {}
    bool ShowsCanvas() const override { return shows_; }

private:
    bool shows_;
};

// Red grows with the column, so a crop shows which columns it kept.
TBitmap32 ColumnCodedPicture(int width, int height)
{
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, Color32(x % 256, x / 256 * 60, y % 256));
    return picture;
}

TEST_F(CanvasTest, LogsItsFourLinesInOrder)
{
    Use(test::GradientPicture(64, 64));
    PrepareCanvas(*session_, reporter_);
    const std::vector<std::string> expected = {"Init render.............Done", "Init MainImage.............Done",
                                               "Step1 -- Init Canvas.............Done",
                                               "Step2 -- Background............Done"};
    EXPECT_EQ(reporter_.Lines, expected);
    ASSERT_FALSE(reporter_.Progress.empty());
    EXPECT_EQ(reporter_.Progress.front(), 0);
}

TEST_F(CanvasTest, PaintsTheMainImageOrTheBackgroundColour)
{
    struct TRow {
        const char* Name;
        bool MainImageAsBackground;
        std::uint32_t BackgroundColor; // 0x00BBGGRR
        TColor32 Expected;
    };
    const TRow rows[] = {
        {"default background colour", false, 0, Color32(0, 0, 0)},
        {"colour value with red in its low byte", false, 0x00FF8040, Color32(0x40, 0x80, 0xFF)},
        {"main image, though stored transparent", true, 0x00FF8040, Color32(10, 200, 30)},
    };
    Use(test::PlainPicture(40, 30, Color32(10, 200, 30, 0)));
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        project().MosaicWidth = 200;
        project().MosaicHeight = 150;
        project().MainImageAsBackground = row.MainImageAsBackground;
        project().BackgroundColor = row.BackgroundColor;
        project().StretchFilter = static_cast<std::uint8_t>(TResampler::Linear);
        PrepareCanvas(*session_, reporter_);
        ExpectCanvasFilledWith(row.Expected);
    }
    EXPECT_EQ(session_->MainImageBitmap.DrawMode, TDrawMode::Blend);
    EXPECT_EQ(session_->MainImageBitmap.Resampler, TResampler::Linear);
}

TEST_F(CanvasTest, StretchesTheMainImageOnlyOverACanvasThatIsShown)
{
    struct TRow {
        const char* Name;
        bool Shown, MainImageAsBackground;
        TColor32 Expected;
    };
    const TRow rows[] = {
        {"shown main image", true, true, Color32(10, 200, 30)},
        {"unseen main image leaves the first fill, colour 0", false, true, 0},
        {"unseen background colour", false, false, Color32(0x40, 0x80, 0xFF)},
    };
    Use(test::PlainPicture(40, 30, Color32(10, 200, 30, 0)));
    project().MosaicWidth = 200;
    project().MosaicHeight = 150;
    project().BackgroundColor = 0x00FF8040;
    project().StretchFilter = static_cast<std::uint8_t>(TResampler::Linear);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        project().MainImageAsBackground = row.MainImageAsBackground;
        TBitmap32& image = session_->MainImageBitmap;
        image.DrawMode = TDrawMode::Opaque;
        image.Resampler = TResampler::Nearest;
        CanvasWatcher watcher(row.Shown);
        PrepareCanvas(*session_, watcher);
        ExpectCanvasFilledWith(row.Expected);
        if (!row.MainImageAsBackground)
            continue;
        // Later steps draw and measure the main image with these settings.
        EXPECT_EQ(image.DrawMode, TDrawMode::Blend);
        EXPECT_EQ(image.Resampler, TResampler::Linear);
        int transparent = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                transparent += AlphaOf(image.Pixel(x, y)) != 255 ? 1 : 0;
        EXPECT_EQ(transparent, 0);
    }
}

// An 800 x 600 JPEG decodes at eighths of its size: 200 x 150 at 2/8,
// 300 x 225 at 3/8.
TEST_F(CanvasTest, DecodesAJpegMainImageAtTheSmallestScaleCoveringTheMosaic)
{
    struct TRow {
        const char* Name;
        int MosaicWidth, MosaicHeight;
        bool Crop;
        int Width, Height;
    };
    const TRow rows[] = {
        {"a quarter covers exactly", 200, 150, false, 200, 150},
        {"one column more needs three eighths", 201, 150, false, 300, 225},
        {"the crop to a square keeps the mosaic covered", 150, 150, true, 150, 150},
        {"a mosaic larger than the file takes it whole", 1000, 600, false, 800, 600},
    };
    UseJpeg(ColumnCodedPicture(800, 600));
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        project().MosaicWidth = row.MosaicWidth;
        project().MosaicHeight = row.MosaicHeight;
        project().CropMainImage = row.Crop;
        PrepareCanvas(*session_, reporter_);
        EXPECT_EQ(session_->MainImageBitmap.Width(), row.Width);
        EXPECT_EQ(session_->MainImageBitmap.Height(), row.Height);
    }
}

TEST_F(CanvasTest, CropsAndGreysTheMainImageAsTheProjectAsks)
{
    struct TRow {
        const char* Name;
        bool Crop, Mono;
        int Width, Height;
        int FirstColumn; // the column of the file that becomes column 0
    };
    const TRow rows[] = {
        {"as loaded", false, false, 400, 300, 0},
        {"cropped to the square mosaic, centred", true, false, 300, 300, 50},
        {"grey", false, true, 400, 300, 0},
        {"cropped and grey", true, true, 300, 300, 50},
    };
    const TBitmap32 original = ColumnCodedPicture(400, 300);
    Use(original);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        project().CropMainImage = row.Crop;
        project().MonoMainImage = row.Mono;
        PrepareCanvas(*session_, reporter_);
        const TBitmap32& image = session_->MainImageBitmap;
        ASSERT_EQ(image.Width(), row.Width);
        ASSERT_EQ(image.Height(), row.Height);
        for (const int x : {0, row.Width - 1}) {
            const TColor32 got = image.Pixel(x, 7);
            const TColor32 source = original.Pixel(row.FirstColumn + x, 7);
            if (row.Mono) {
                EXPECT_EQ(RedOf(got), GreenOf(got)) << "column " << x;
                EXPECT_EQ(RedOf(got), BlueOf(got)) << "column " << x;
            } else {
                EXPECT_EQ(got & 0xFFFFFFu, source & 0xFFFFFFu) << "column " << x;
            }
        }
    }
}

TEST_F(CanvasTest, MissingMainImageLeavesTheBitmapAsItWas)
{
    project().MainimageFilename = (folder_.Path() / "project" / "gone.jpg").string();
    session_->MainImageBitmap = test::PlainPicture(5, 6, Color32(1, 2, 3));
    PrepareCanvas(*session_, reporter_);
    EXPECT_EQ(session_->MainImageBitmap.Width(), 5);
    EXPECT_EQ(session_->MainImageBitmap.Height(), 6);
    EXPECT_EQ(reporter_.Lines.size(), 4u);
    EXPECT_EQ(session_->MosaicBitmap.Width(), 1024);
}

TEST_F(CanvasTest, RefusesAMosaicWithoutArea)
{
    Use(test::GradientPicture(64, 64));
    for (const auto& [w, h] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{-5, 100}}) {
        project().MosaicWidth = w;
        project().MosaicHeight = h;
        EXPECT_THROW(PrepareCanvas(*session_, reporter_), QuiltixError) << w << " x " << h;
    }
    EXPECT_TRUE(reporter_.Lines.empty());
}

// Cells are counted on a plain grid: mosaic / cell size per side.
struct TEnlargeCase {
    const char* Name;
    int ImageWidth, ImageHeight;
    int MosaicWidth, MosaicHeight, CellSide;
    int PatternIndex; // 2 names no pattern, so no layer is enabled
    int ExpectedWidth, ExpectedHeight;
};

class EnlargeMainImageTest : public ::testing::TestWithParam<TEnlargeCase> {};

TEST_P(EnlargeMainImageTest, GrowsEachSideByTheShortfallFactor)
{
    const TEnlargeCase& c = GetParam();
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, c.PatternIndex, c.MosaicWidth, c.MosaicHeight, c.CellSide, c.CellSide);
    const TColor32 colour = Color32(90, 140, 220);
    session.MainImageBitmap = test::PlainPicture(c.ImageWidth, c.ImageHeight, colour);
    EnlargeMainImage(session);
    const TBitmap32& image = session.MainImageBitmap;
    ASSERT_EQ(image.Width(), c.ExpectedWidth);
    ASSERT_EQ(image.Height(), c.ExpectedHeight);
    if (!image.Empty()) {
        EXPECT_EQ(image.Pixel(image.Width() / 2, image.Height() / 2) & 0xFFFFFFu, colour & 0xFFFFFFu);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, EnlargeMainImageTest,
    ::testing::Values(TEnlargeCase{"ThousandCellsOnAHundredSquare", 100, 100, 400, 250, 10, 1, 640, 640},
                      TEnlargeCase{"ExactlySixtyFourPixelsPerCell", 320, 200, 400, 250, 10, 1, 320, 200},
                      TEnlargeCase{"OnePixelShort", 1, 639, 100, 10, 10, 1, 1, 640},
                      TEnlargeCase{"NoCells", 10, 10, 400, 250, 10, 2, 10, 10},
                      TEnlargeCase{"EmptyImage", 0, 0, 400, 250, 10, 1, 0, 0}),
    [](const auto& row) { return std::string(row.param.Name); });

} // namespace
} // namespace qx
