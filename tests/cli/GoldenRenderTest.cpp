#include "CreateTestFixture.h"

#include "imaging/ImageFunctions.h"

#include <cmath>
#include <cstdlib>

// Renders small projects through quiltix-cli with a fixed seed and compares
// the mosaic with a checked-in picture and the tile plan with a checked-in
// text. A mismatch leaves the actual picture beside the expected one
// (name.actual.bmp) for a look; setting QX_UPDATE_GOLDEN=1 rewrites the
// expected files instead.

namespace qx::test {

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    const char* name;
    const char* options;
};

// Photos of distinct gradients, so the choice and the toning of every cell
// show in the picture.
void GradientPhoto(const fs::path& file, int index)
{
    TBitmap32 photo(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            photo.SetPixel(x, y,
                           Color32((index * 53 + x * 2) % 256, (index * 97 + y * 3) % 256, (index * 31 + x + y) % 256));
    SaveBmp32(file, photo);
}

void MainPicture(const fs::path& file)
{
    TBitmap32 main(320, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const int dx = x - 160;
            const int dy = y - 120;
            const bool disc = dx * dx + dy * dy < 80 * 80;
            main.SetPixel(x, y, disc ? Color32(230, 200, 40) : Color32(x * 255 / 320, 60, y * 255 / 240));
        }
    SaveBmp32(file, main);
}

// Mean and largest absolute channel difference over all pixels.
std::pair<double, unsigned> Difference(const TBitmap32& a, const TBitmap32& b)
{
    double sum = 0;
    unsigned largest = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const TColor32 p = a.Pixel(x, y);
            const TColor32 q = b.Pixel(x, y);
            for (unsigned d : {RedOf(p) > RedOf(q) ? RedOf(p) - RedOf(q) : RedOf(q) - RedOf(p),
                               GreenOf(p) > GreenOf(q) ? GreenOf(p) - GreenOf(q) : GreenOf(q) - GreenOf(p),
                               BlueOf(p) > BlueOf(q) ? BlueOf(p) - BlueOf(q) : BlueOf(q) - BlueOf(p)}) {
                sum += d;
                largest = std::max(largest, d);
            }
        }
    return {sum / (3.0 * a.Width() * a.Height()), largest};
}

// The tile plan with the test's own folder written as {root}, so it can be
// compared across runs.
std::string PortablePlan(const fs::path& projectFolder, const std::string& root)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(projectFolder / "TilePlan.txt");
    std::string plan(bytes.begin(), bytes.end());
    for (std::size_t at = plan.find(root); at != std::string::npos; at = plan.find(root, at))
        plan.replace(at, root.size(), "{root}");
    return plan;
}

class GoldenRender : public CreateTestFixture, public ::testing::WithParamInterface<GoldenCase> {};

} // namespace

TEST_P(GoldenRender, MosaicMatchesTheCheckedInPicture)
{
    const GoldenCase& c = GetParam();
    fs::create_directories(root_ / "gradients");
    for (int i = 0; i < 12; ++i)
        GradientPhoto(root_ / "gradients" / ("g" + std::to_string(i) + ".bmp"), i);
    MainPicture(root_ / "Target.bmp");
    const CliRun run = Run(std::string("create --main '{root}/Target.bmp' --photos '{root}/gradients' --projects-dir "
                                       "'{root}/projects' --seed 11 ") +
                           c.options);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    ASSERT_EQ(ProjectFolders().size(), 1u);
    const TBitmap32 actual = LoadBmpFile(ProjectFolders()[0] / "output.bmp");

    const fs::path expectedFile = fs::path(QX_FIXTURES_DIR) / "golden" / (std::string(c.name) + ".bmp");
    const fs::path actualFile = fs::path(QX_FIXTURES_DIR) / "golden" / (std::string(c.name) + ".actual.bmp");
    const fs::path planFile = fs::path(QX_FIXTURES_DIR) / "golden" / (std::string(c.name) + ".TilePlan.txt");
    const std::string plan = PortablePlan(ProjectFolders()[0], root_.string());
    const char* update = std::getenv("QX_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        SaveBmp32(expectedFile, actual);
        WriteFileAtomically(planFile, plan);
        GTEST_SKIP() << "rewrote " << expectedFile;
    }
    EXPECT_EQ(plan, FileText(planFile));
    ASSERT_TRUE(fs::exists(expectedFile)) << "no expected picture; run with QX_UPDATE_GOLDEN=1";
    const TBitmap32 expected = LoadBmpFile(expectedFile);
    ASSERT_EQ(actual.Width(), expected.Width());
    ASSERT_EQ(actual.Height(), expected.Height());
    // Rounding may differ by a step where a compiler vectorises differently;
    // a different photo choice or toning moves far more than this.
    const auto [mean, largest] = Difference(actual, expected);
    const bool close = mean <= 0.5 && largest <= 24;
    if (!close)
        SaveBmp32(actualFile, actual);
    EXPECT_TRUE(close) << "mean difference " << mean << ", largest " << largest << "; actual picture written to "
                       << actualFile;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GoldenRender,
    ::testing::Values(GoldenCase{"beginner_grid", "--paper custom --custom 4x3 --ppi 72 --cell 24x18"},
                      GoldenCase{"advanced_honeycomb_flips",
                                 "--mode advanced --paper custom --custom 4x3 --ppi 72 --cell 24x21 --mask 2 "
                                 "--pattern 1 --border 2 --border-color 202020 --hflip --vflip"},
                      GoldenCase{"tile_plan", "--mode tile --wall 4x3 --tile 0.5x0.5"}),
    [](const ::testing::TestParamInfo<GoldenCase>& param) { return std::string(param.param.name); });

} // namespace qx::test
