#include "common/IniFile.h"
#include "imaging/BmpCodec.h"
#include "imaging/ImageFunctions.h"
#include "layout/MaskLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// The mask library shipped in data/masks, as the build copies it beside the
// programs.

namespace qx {
namespace {

namespace fs = std::filesystem;

const fs::path kAppFolder = QX_DATA_DIR;

MaskLibrary Shipped() { return MaskLibrary::Open(kAppFolder); }

TQXPattern ReadShipped(const MaskLibrary& library, int m, int p)
{
    TQXPattern pattern;
    library.ReadPattern(m, p, pattern);
    return pattern;
}

TEST(ShippedMasks, FirstPatternOfFirstMaskIsThePlainGrid)
{
    const TQXPattern pattern = ReadShipped(Shipped(), 1, 1);
    ASSERT_EQ(pattern.LayerCount, 1);
    const TLayerPattern& layer = pattern.Layer(1);
    EXPECT_TRUE(layer.Enabled);
    EXPECT_FALSE(layer.HasMaskImage) << "the plain grid draws whole cells";
    EXPECT_DOUBLE_EQ(layer.HorzFactor, 1.0);
    EXPECT_DOUBLE_EQ(layer.VertFactor, 1.0);
    EXPECT_DOUBLE_EQ(layer.HorzOffset, 0.0);
    EXPECT_DOUBLE_EQ(layer.VertOffset, 0.0);
    for (int k = 2; k <= TQXPattern::MaxLayers; ++k)
        EXPECT_FALSE(pattern.Layer(k).Enabled) << "layer " << k;
}

void ExpectLoadablePicture(const fs::path& file, const std::string& what)
{
    ASSERT_FALSE(file.empty()) << what << " names no picture";
    ASSERT_TRUE(fs::is_regular_file(file)) << what << ": " << file;
    EXPECT_FALSE(LoadBmpFile(file).Empty()) << what << ": " << file;
}

TEST(ShippedMasks, EveryNamedPictureExistsAndLoads)
{
    const MaskLibrary library = Shipped();
    const IniFile definitions = IniFile::Load(kAppFolder / "masks" / "patterndefine.ini");
    ASSERT_GT(library.MaskCount(), 0);
    for (int m = 1; m <= library.MaskCount(); ++m) {
        const std::string mask = "mask " + std::to_string(m);
        EXPECT_FALSE(library.MaskName(m).empty()) << mask;
        ExpectLoadablePicture(library.MaskOverviewFile(m), mask);
        ASSERT_GT(library.PatternCount(m), 0) << mask;
        for (int p = 1; p <= library.PatternCount(m); ++p) {
            const std::string pattern = mask + " pattern " + std::to_string(p);
            EXPECT_FALSE(library.PatternName(m, p).empty()) << pattern;
            ExpectLoadablePicture(library.PatternOverviewFile(m, p), pattern);
            const TQXPattern record = ReadShipped(library, m, p);
            ASSERT_GE(record.LayerCount, 1) << pattern;
            ASSERT_LE(library.PatternLayerCount(m, p), TQXPattern::MaxLayers) << pattern;
            for (int k = 1; k <= record.LayerCount; ++k) {
                const std::string section = "mask" + std::to_string(m) + ",pat" + std::to_string(p) + ",layer" +
                                            std::to_string(k);
                if (definitions.ReadString(section, "maskimage", "").empty())
                    continue;
                EXPECT_TRUE(record.Layer(k).HasMaskImage) << section;
                ExpectLoadablePicture(record.Layer(k).MaskImageFile, section);
            }
        }
    }
}

std::set<fs::path> ShippedMaskPictures()
{
    const MaskLibrary library = Shipped();
    std::set<fs::path> pictures;
    for (int m = 1; m <= library.MaskCount(); ++m)
        for (int p = 1; p <= library.PatternCount(m); ++p) {
            const TQXPattern pattern = ReadShipped(library, m, p);
            for (int k = 1; k <= pattern.LayerCount; ++k)
                if (pattern.Layer(k).HasMaskImage)
                    pictures.insert(pattern.Layer(k).MaskImageFile);
        }
    return pictures;
}

TEST(ShippedMasks, MaskPicturesAreBlackAndWhiteOnly)
{
    const std::set<fs::path> pictures = ShippedMaskPictures();
    ASSERT_FALSE(pictures.empty());
    for (const fs::path& file : pictures) {
        const TBitmap32 mask = LoadBmpFile(file);
        int white = 0;
        int black = 0;
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x) {
                const TColor32 rgb = mask.Pixel(x, y) & 0x00FFFFFF;
                white += rgb == 0x00FFFFFF;
                black += rgb == 0;
            }
        EXPECT_EQ(white + black, mask.Width() * mask.Height()) << file;
        EXPECT_GT(white, 0) << file;
        EXPECT_GT(black, 0) << file;
    }
}

struct ShapePoints {
    const char* File;
    std::vector<std::pair<int, int>> Inside;
    std::vector<std::pair<int, int>> Outside;
};

class MaskPictureTest : public ::testing::TestWithParam<ShapePoints> {};

TEST_P(MaskPictureTest, IsWhiteInsideTheShapeAndBlackOutside)
{
    const TBitmap32 mask = LoadBmpFile(kAppFolder / "masks" / GetParam().File);
    ASSERT_EQ(mask.Width(), 128);
    ASSERT_EQ(mask.Height(), 128);
    for (const auto& [x, y] : GetParam().Inside)
        EXPECT_EQ(mask.Pixel(x, y) & 0x00FFFFFF, 0x00FFFFFFu) << "(" << x << ", " << y << ")";
    for (const auto& [x, y] : GetParam().Outside)
        EXPECT_EQ(mask.Pixel(x, y) & 0x00FFFFFF, 0u) << "(" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    ShippedMasks, MaskPictureTest,
    ::testing::Values(ShapePoints{"hexagon.bmp", {{64, 64}, {8, 64}, {119, 64}, {40, 4}}, {{4, 4}, {123, 123}, {4, 120}}},
                      ShapePoints{"hexagon_pointy.bmp", {{64, 64}, {64, 8}, {64, 119}, {4, 40}}, {{4, 4}, {123, 123}}},
                      ShapePoints{"circle.bmp", {{64, 64}, {64, 4}, {4, 64}}, {{8, 8}, {119, 119}, {119, 8}}},
                      ShapePoints{"diamond.bmp", {{64, 64}, {64, 8}, {8, 64}}, {{16, 16}, {111, 111}, {111, 16}}},
                      ShapePoints{"triangle_up.bmp", {{64, 16}, {8, 123}, {119, 123}}, {{16, 16}, {111, 64}}},
                      ShapePoints{"triangle_down.bmp", {{64, 111}, {8, 4}, {119, 4}}, {{16, 111}, {111, 64}}}));

} // namespace
} // namespace qx
