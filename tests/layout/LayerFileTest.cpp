#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "layout/LayerBuilder.h"
#include "layout/LayoutTestFolder.h"
#include "layout/MosaicCellCodec.h"
#include "project/LayerFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qx {
namespace {

namespace fs = std::filesystem;

// The plain grid of a 1024 x 1024 mosaic with 48 x 48 cells: 441 cells in
// layer 1, measured on a generated main image, in a project folder of the
// test's own.
class LayerFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_.WritePatterns({{{1, 1, 0, 0}}});
        fs::create_directories(ProjectFolder());
    }

    fs::path ProjectFolder() const { return folder_.Path() / "project"; }
    fs::path LayerFile() const { return ProjectFolder() / kLayerFileName; }

    // A session on the test's folder with the project set up at `stage`.
    std::unique_ptr<Session> MakeSession(int stage) const
    {
        auto session = std::make_unique<Session>(folder_.Path(), 1);
        test::UsePattern(*session, 1, 1024, 1024, 48, 48);
        session->CurrentProject.ProjectStage = stage;
        session->CurrentProject.Projectpath = ProjectFolder().string();
        session->MainImageBitmap = test::GradientPicture(200, 200);
        return session;
    }

    // A built layout whose cells carry what an assignment and a drawing
    // would have left in them, saved to the layer file.
    std::unique_ptr<Session> SavedSession() const
    {
        auto session = MakeSession(1);
        BuildLayers(*session);
        int i = 0;
        for (TMosaicCell& cell : session->CurrentProject.Layers[0].Cells) {
            cell.PhotoIndex = i % 17;
            cell.HasPhoto = true;
            cell.FlipH = i % 2 == 0;
            cell.CorrRed = -i;
            cell.FinalDifference = i % 256;
            ++i;
        }
        SaveLayerFile(session->CurrentProject);
        return session;
    }

    test::LayoutTestFolder folder_;
};

std::vector<std::uint8_t> CellBytes(const TQXLayer& layer)
{
    ByteWriter out;
    for (const TMosaicCell& cell : layer.Cells)
        WriteMosaicCell(out, cell);
    return out.Data();
}

TEST_F(LayerFileTest, StageZeroNeitherWritesNorReads)
{
    auto session = MakeSession(0);
    BuildLayers(*session);
    SaveLayerFile(session->CurrentProject);
    EXPECT_FALSE(fs::exists(LayerFile()));

    SavedSession();
    auto fresh = MakeSession(0);
    EXPECT_FALSE(LoadLayerFile(*fresh));
    EXPECT_EQ(fresh->CurrentProject.Layers[0].CellCount(), 0);
}

TEST_F(LayerFileTest, HoldsSevenBlockSizesAndThenEveryCell)
{
    const auto session = SavedSession();
    const std::vector<std::uint8_t> bytes = ReadWholeFile(LayerFile());
    ASSERT_EQ(bytes.size(), 254'044u);
    ByteReader reader(bytes);
    EXPECT_EQ(reader.I32(), 441 * 576);
    for (int k = 2; k <= 7; ++k)
        EXPECT_EQ(reader.I32(), 0) << "layer " << k;
    const std::vector<std::uint8_t> cells(bytes.begin() + 28, bytes.end());
    EXPECT_EQ(cells, CellBytes(session->CurrentProject.Layers[0]));
}

TEST_F(LayerFileTest, LoadRebuildsThePatternAndRestoresTheCells)
{
    const auto saved = SavedSession();
    auto loaded = MakeSession(1);
    loaded->CurrentProject.CurrentPattern = TQXPattern{};
    ASSERT_TRUE(LoadLayerFile(*loaded));
    EXPECT_EQ(loaded->CurrentProject.CurrentPattern, saved->CurrentProject.CurrentPattern);
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_EQ(CellBytes(loaded->CurrentProject.Layers[k]), CellBytes(saved->CurrentProject.Layers[k]))
            << "layer " << k + 1;
}

TEST_F(LayerFileTest, MissingFileChangesNothing)
{
    auto session = MakeSession(2);
    session->CurrentProject.Layers[0].Cells.resize(3);
    EXPECT_FALSE(LoadLayerFile(*session));
    EXPECT_EQ(session->CurrentProject.Layers[0].CellCount(), 3);
}

// A damaged or foreign layer file, made from a good one.
struct TBadFile {
    const char* Name;
    std::function<void(std::vector<std::uint8_t>&)> Damage;
    std::string Fault; // the sentence after the file's name
    bool LayoutRebuilt;
};

void PutI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

TEST_F(LayerFileTest, RefusesAFileThatDoesNotFitItselfOrTheLayout)
{
    const TBadFile rows[] = {
        {"truncated",
         [](auto& b) { b.pop_back(); },
         " is 254043 bytes long, but its block sizes announce 254044.",
         false},
        {"longer than announced",
         [](auto& b) { b.push_back(0); },
         " is 254045 bytes long, but its block sizes announce 254044.",
         false},
        {"header cut short",
         [](auto& b) { b.resize(10); },
         " is 10 bytes long, too short for its 28-byte header.",
         false},
        {"block of part of a cell",
         [](auto& b) { PutI32(b, 0, 100); },
         " gives layer 1 a block of 100 bytes, which is not a whole number of 576-byte cells.",
         false},
        {"negative block",
         [](auto& b) { PutI32(b, 8, -576); },
         " gives layer 3 a block of -576 bytes, which is not a whole number of 576-byte cells.",
         false},
        {"one cell fewer than the layout",
         [](auto& b) {
             b.resize(b.size() - 576);
             PutI32(b, 0, 440 * 576);
         },
         " does not match the project: layer 1 holds 440 cells in the file but 441 in the layout.",
         true},
        {"cells moved to layer 7",
         [](auto& b) {
             PutI32(b, 0, 0);
             PutI32(b, 24, 441 * 576);
         },
         " does not match the project: layer 1 holds 0 cells in the file but 441 in the layout.",
         true},
    };
    SavedSession();
    const std::vector<std::uint8_t> good = ReadWholeFile(LayerFile());
    for (const TBadFile& row : rows) {
        std::vector<std::uint8_t> bytes = good;
        row.Damage(bytes);
        WriteFileAtomically(LayerFile(), bytes);
        auto session = MakeSession(1);
        session->CurrentProject.Layers[0].Cells.resize(3);
        try {
            LoadLayerFile(*session);
            ADD_FAILURE() << row.Name << ": accepted";
        } catch (const QuiltixError& e) {
            EXPECT_EQ(e.what(), "The layer file " + QuotedPath(LayerFile()) + row.Fault) << row.Name;
        }
        EXPECT_EQ(session->CurrentProject.Layers[0].CellCount(), row.LayoutRebuilt ? 441 : 3) << row.Name;
    }
}

TEST_F(LayerFileTest, SavingWithoutAProjectFolderIsRefused)
{
    auto session = MakeSession(1);
    session->CurrentProject.Projectpath.clear();
    EXPECT_THROW(SaveLayerFile(session->CurrentProject), QuiltixError);
}

} // namespace
} // namespace qx
