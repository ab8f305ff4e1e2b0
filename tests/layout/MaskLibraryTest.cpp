#include "common/FileIO.h"
#include "layout/MaskLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace qx {
namespace {

namespace fs = std::filesystem;

// A fresh application folder per test, with an empty masks/ below it.
class MaskLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '-');
        app_ = fs::temp_directory_path() / ("qx-masklib-" + name + "-" + std::to_string(getpid()));
        fs::remove_all(app_);
        fs::create_directories(app_ / "masks");
    }
    void TearDown() override { fs::remove_all(app_); }

    MaskLibrary OpenWith(const std::string& definitions)
    {
        WriteFileAtomically(app_ / "masks" / "patterndefine.ini", definitions);
        return MaskLibrary::Open(app_);
    }
    void Touch(const fs::path& relative)
    {
        fs::create_directories((app_ / "masks" / relative).parent_path());
        WriteFileAtomically(app_ / "masks" / relative, std::string("BM"));
    }

    fs::path app_;
};

// A target that already holds a different pattern, to show what a read
// leaves alone.
TQXPattern FilledPattern()
{
    TQXPattern pattern;
    pattern.MaskName = "old mask";
    pattern.PatternName = "old pattern";
    pattern.LayerCount = 3;
    for (int k = 1; k <= 3; ++k) {
        TLayerPattern& layer = pattern.Layer(k);
        layer.Enabled = true;
        layer.HasMaskImage = true;
        layer.MaskImageFile = "/elsewhere/old" + std::to_string(k) + ".bmp";
        layer.HorzFactor = 2.5 + k;
        layer.VertFactor = 3.5 + k;
        layer.HorzOffset = -0.25 * k;
        layer.VertOffset = 0.125 * k;
    }
    return pattern;
}

TEST_F(MaskLibraryTest, TwoLayersWithOneExistingMaskPicture)
{
    Touch("hex.bmp");
    const MaskLibrary library = OpenWith("[brief]\nmaskcount=1\n"
                                         "[mask1]\nmaskname=hexagon\npatterncount=1\n"
                                         "[mask1,pat1]\npatternname=honeycomb\nlayercount=2\n"
                                         "[mask1,pat1,layer1]\nmaskimage=hex.bmp\nHorzFactor=1.5\n"
                                         "[mask1,pat1,layer2]\nmaskimage=gone.bmp\nHorzOffset=0.75\nVertOffset=-0.5\n");
    TQXPattern pattern;
    library.ReadPattern(1, 1, pattern);

    EXPECT_EQ(pattern.MaskName, "hexagon");
    EXPECT_EQ(pattern.PatternName, "honeycomb");
    EXPECT_EQ(pattern.LayerCount, 2);
    EXPECT_TRUE(pattern.Layer(1).Enabled);
    EXPECT_TRUE(pattern.Layer(1).HasMaskImage);
    EXPECT_EQ(pattern.Layer(1).MaskImageFile, app_ / "masks" / "hex.bmp");
    EXPECT_DOUBLE_EQ(pattern.Layer(1).HorzFactor, 1.5);
    EXPECT_TRUE(pattern.Layer(2).Enabled);
    EXPECT_FALSE(pattern.Layer(2).HasMaskImage);
    EXPECT_TRUE(pattern.Layer(2).MaskImageFile.empty());
    EXPECT_DOUBLE_EQ(pattern.Layer(2).HorzOffset, 0.75);
    EXPECT_DOUBLE_EQ(pattern.Layer(2).VertOffset, -0.5);
    for (int k = 3; k <= TQXPattern::MaxLayers; ++k)
        EXPECT_EQ(pattern.Layer(k), TLayerPattern{}) << "layer " << k;
}

TEST_F(MaskLibraryTest, LayerWithMissingPictureKeepsTheTargetsMaskFields)
{
    const MaskLibrary library = OpenWith("[mask1,pat1]\nlayercount=1\n[mask1,pat1,layer1]\nmaskimage=gone.bmp\n");
    TQXPattern pattern = FilledPattern();
    library.ReadPattern(1, 1, pattern);

    EXPECT_EQ(pattern.LayerCount, 1);
    EXPECT_TRUE(pattern.Layer(1).HasMaskImage);
    EXPECT_EQ(pattern.Layer(1).MaskImageFile, "/elsewhere/old1.bmp");
    EXPECT_DOUBLE_EQ(pattern.Layer(1).HorzFactor, 1.0);
    // Layers beyond the pattern's count are not touched.
    EXPECT_EQ(pattern.Layer(2), FilledPattern().Layer(2));
}

TEST_F(MaskLibraryTest, PictureNamesResolveToFilesInTheMasksFolder)
{
    Touch("shapes/star.bmp");
    fs::create_directories(app_ / "masks" / "folder.bmp");
    const MaskLibrary library = OpenWith("[mask1]\nmaskov=square.bmp\n"
                                         "[mask1,pat1]\npatov=grid.bmp\nlayercount=2\n"
                                         "[mask1,pat1,layer1]\nmaskimage=shapes\\star.bmp\n"
                                         "[mask1,pat1,layer2]\nmaskimage=folder.bmp\n");
    EXPECT_EQ(library.MaskOverviewFile(1), app_ / "masks" / "square.bmp");
    EXPECT_EQ(library.PatternOverviewFile(1, 1), app_ / "masks" / "grid.bmp");
    EXPECT_TRUE(library.MaskOverviewFile(2).empty());
    EXPECT_TRUE(library.PatternOverviewFile(1, 2).empty());

    TQXPattern pattern;
    library.ReadPattern(1, 1, pattern);
    EXPECT_TRUE(pattern.Layer(1).HasMaskImage);
    EXPECT_EQ(pattern.Layer(1).MaskImageFile, app_ / "masks" / "shapes" / "star.bmp");
    EXPECT_FALSE(pattern.Layer(2).HasMaskImage) << "a folder is not a mask picture";
}

TEST_F(MaskLibraryTest, LayerCountAboveSixReadsSixLayers)
{
    std::string definitions = "[mask1,pat1]\nlayercount=7\n";
    for (int k = 1; k <= 7; ++k)
        definitions += "[mask1,pat1,layer" + std::to_string(k) + "]\nHorzFactor=" + std::to_string(k) + "\n";
    const MaskLibrary library = OpenWith(definitions);
    TQXPattern pattern;
    library.ReadPattern(1, 1, pattern);

    EXPECT_EQ(library.PatternLayerCount(1, 1), 7);
    EXPECT_EQ(pattern.LayerCount, TQXPattern::MaxLayers);
    for (int k = 1; k <= TQXPattern::MaxLayers; ++k) {
        EXPECT_TRUE(pattern.Layer(k).Enabled) << "layer " << k;
        EXPECT_DOUBLE_EQ(pattern.Layer(k).HorzFactor, k);
    }
}

TEST_F(MaskLibraryTest, SectionAndKeyNamesMatchInAnyCase)
{
    const MaskLibrary library = OpenWith("[BRIEF]\nMaskCount=2\n"
                                         "[Mask2]\nMASKNAME=circle\nPatternCount=1\n"
                                         "[MASK2,Pat1]\nPatternName=grid\nLAYERCOUNT=1\n"
                                         "[mask2,PAT1,Layer1]\nhorzfactor=0.5\nVERTOFFSET=0.25\n");
    EXPECT_EQ(library.MaskCount(), 2);
    EXPECT_EQ(library.MaskName(2), "circle");
    EXPECT_EQ(library.PatternCount(2), 1);
    EXPECT_EQ(library.PatternName(2, 1), "grid");
    TQXPattern pattern;
    library.ReadPattern(2, 1, pattern);
    EXPECT_EQ(pattern.LayerCount, 1);
    EXPECT_DOUBLE_EQ(pattern.Layer(1).HorzFactor, 0.5);
    EXPECT_DOUBLE_EQ(pattern.Layer(1).VertOffset, 0.25);
}

TEST(MaskLibraryMissing, MissingDefinitionsGiveAnEmptyLibrary)
{
    const fs::path app = fs::temp_directory_path() / ("qx-masklib-missing-" + std::to_string(getpid()));
    fs::remove_all(app);
    for (const MaskLibrary& library : {MaskLibrary::Open(app), MaskLibrary{}}) {
        EXPECT_EQ(library.MaskCount(), 0);
        EXPECT_EQ(library.PatternCount(1), 0);
        EXPECT_EQ(library.PatternLayerCount(1, 1), 0);
        EXPECT_EQ(library.MaskName(1), "");
        EXPECT_EQ(library.PatternName(1, 1), "");
        EXPECT_TRUE(library.MaskOverviewFile(1).empty());
        EXPECT_TRUE(library.PatternOverviewFile(1, 1).empty());
        TQXPattern pattern = FilledPattern();
        library.ReadPattern(1, 1, pattern);
        EXPECT_EQ(pattern, FilledPattern());
    }
}

// Patterns that give no layers, in a library that does define mask 1
// pattern 1.
struct AbsentPattern {
    int Mask;
    int Pattern;
    const char* Why;
};

class AbsentPatternTest : public MaskLibraryTest, public ::testing::WithParamInterface<AbsentPattern> {};

TEST_P(AbsentPatternTest, LeavesTheTargetUnchanged)
{
    const MaskLibrary library = OpenWith("[brief]\nmaskcount=1\n[mask1]\nmaskname=square\npatterncount=3\n"
                                         "[mask1,pat1]\npatternname=grid\nlayercount=1\n"
                                         "[mask1,pat2]\npatternname=none\nlayercount=0\n"
                                         "[mask1,pat2,layer1]\nHorzFactor=4\n"
                                         "[mask1,pat3]\npatternname=negative\nlayercount=-2\n");
    TQXPattern pattern = FilledPattern();
    library.ReadPattern(GetParam().Mask, GetParam().Pattern, pattern);
    EXPECT_EQ(pattern, FilledPattern()) << GetParam().Why;

    library.ReadPattern(1, 1, pattern);
    EXPECT_EQ(pattern.PatternName, "grid") << "the library itself was readable";
}

INSTANTIATE_TEST_SUITE_P(MaskLibrary, AbsentPatternTest,
                         ::testing::Values(AbsentPattern{1, 4, "pattern beyond patterncount"},
                                           AbsentPattern{2, 1, "mask beyond maskcount"},
                                           AbsentPattern{1, 2, "layercount 0"},
                                           AbsentPattern{1, 3, "negative layercount"},
                                           AbsentPattern{0, 0, "numbers start at 1"}));

// One value of a layer section, as written, and what the layer gets.
struct LayerValue {
    const char* Key;
    const char* Text; // nullptr: the key is absent
    double HorzFactor;
    double VertFactor;
    double HorzOffset;
    double VertOffset;
};

class LayerValueTest : public MaskLibraryTest, public ::testing::WithParamInterface<LayerValue> {};

TEST_P(LayerValueTest, ReadsDecimalsWithAPointAndDefaultsTheRest)
{
    const LayerValue& row = GetParam();
    std::string definitions = "[mask1,pat1]\nlayercount=1\n[mask1,pat1,layer1]\n";
    if (row.Text)
        definitions += std::string(row.Key) + "=" + row.Text + "\n";
    const MaskLibrary library = OpenWith(definitions);
    TQXPattern pattern;
    library.ReadPattern(1, 1, pattern);

    const TLayerPattern& layer = pattern.Layer(1);
    EXPECT_TRUE(layer.Enabled);
    EXPECT_DOUBLE_EQ(layer.HorzFactor, row.HorzFactor);
    EXPECT_DOUBLE_EQ(layer.VertFactor, row.VertFactor);
    EXPECT_DOUBLE_EQ(layer.HorzOffset, row.HorzOffset);
    EXPECT_DOUBLE_EQ(layer.VertOffset, row.VertOffset);
}

INSTANTIATE_TEST_SUITE_P(MaskLibrary, LayerValueTest,
                         ::testing::Values(LayerValue{"HorzFactor", nullptr, 1, 1, 0, 0},
                                           LayerValue{"HorzFactor", "1.5", 1.5, 1, 0, 0},
                                           LayerValue{"VertFactor", "2", 1, 2, 0, 0},
                                           LayerValue{"HorzOffset", "0.75", 1, 1, 0.75, 0},
                                           LayerValue{"VertOffset", "-0.5", 1, 1, 0, -0.5},
                                           LayerValue{"HorzFactor", "1,5", 1, 1, 0, 0},
                                           LayerValue{"VertFactor", "wide", 1, 1, 0, 0},
                                           LayerValue{"HorzOffset", "", 1, 1, 0, 0},
                                           LayerValue{"VertOffset", "0.5cm", 1, 1, 0, 0}));

} // namespace
} // namespace qx
