#include "panels/PatternChoice.h"

#include "PanelTestFolder.h"
#include "layout/MaskLibrary.h"
#include "project/TqxProject07.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qx {
namespace {

// One mask with a plain grid and the two interleaved layers of half-offset
// cells; the library reads it from <app folder>/masks.
MaskLibrary WriteLibrary(const std::filesystem::path& appFolder)
{
    std::filesystem::create_directories(appFolder / "masks");
    std::ofstream(appFolder / "masks" / MaskLibrary::DefinitionFileName)
        << "[brief]\r\nmaskcount=1\r\n"
           "[mask1]\r\nmaskname=hexagon\r\npatterncount=2\r\n"
           "[mask1,pat1]\r\npatternname=grid\r\nlayercount=1\r\n"
           "[mask1,pat1,layer1]\r\n"
           "[mask1,pat2]\r\npatternname=interleaved\r\nlayercount=2\r\n"
           "[mask1,pat2,layer1]\r\nHorzFactor=1.5\r\nVertFactor=1\r\n"
           "[mask1,pat2,layer2]\r\nHorzFactor=1.5\r\nVertFactor=1\r\nHorzOffset=0.75\r\nVertOffset=-0.5\r\n";
    return MaskLibrary::Open(appFolder);
}

TEST(PatternChoiceTest, ChosenPatternIsCountedOverTheProjectsSizes)
{
    const test::PanelTestFolder folder;
    const MaskLibrary library = WriteLibrary(folder.Path());
    TqxProject07 project;
    const struct {
        TPatternChoice Choice;
        int MosaicWidth;
        int MosaicHeight;
        int CellWidth;
        int CellHeight;
        std::int64_t Cells;
    } rows[] = {
        {{1, 1}, 1024, 1024, 48, 48, 441},
        {{1, 2}, 960, 480, 64, 64, 70 + 70},
        {{1, 3}, 1024, 1024, 48, 48, 0},
        {{2, 1}, 1024, 1024, 48, 48, 0},
        {{0, 0}, 1024, 1024, 48, 48, 0},
    };
    for (const auto& row : rows) {
        project.MosaicWidth = row.MosaicWidth;
        project.MosaicHeight = row.MosaicHeight;
        project.CellWidth = row.CellWidth;
        project.CellHeight = row.CellHeight;
        EXPECT_EQ(CountChosenCells(library, row.Choice, project), row.Cells)
            << "mask " << row.Choice.MaskNumber << " pattern " << row.Choice.PatternNumber;
    }
    EXPECT_EQ(ReadChosenPattern(library, {1, 2}).PatternName, "interleaved");
}

TEST(PatternChoiceTest, AnEmptyListKeepsTheProjectsChoice)
{
    const struct {
        TPatternChoice Choice;
        int Mask;
        int Pattern;
    } rows[] = {{{3, 2}, 3, 2}, {{0, 2}, 7, 8}, {{3, 0}, 7, 8}};
    for (const auto& row : rows) {
        TqxProject07 project;
        project.MaskIndex = 7;
        project.PatternIndex = 8;
        ApplyPatternChoice(row.Choice, project);
        EXPECT_EQ(project.MaskIndex, row.Mask);
        EXPECT_EQ(project.PatternIndex, row.Pattern);
    }
}

} // namespace
} // namespace qx
