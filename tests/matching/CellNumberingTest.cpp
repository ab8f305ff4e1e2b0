#include "matching/TileAssignment.h"

#include "MatchingFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Layer 1: 3 cells; layer 2: enabled, no cells; layer 3: excluded, 4 cells;
// layer 4: disabled, 2 cells; layer 5: 2 cells, one with a photo; layers 6
// and 7: unused.
class CellNumbering : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto grey = [](int) { return GreyFeature(0); };
        AddGrid(*session_, 1, 3, 1, 10, grey);
        AddGrid(*session_, 2, 0, 0, 10, grey);
        AddGrid(*session_, 3, 2, 2, 10, grey);
        AddGrid(*session_, 4, 2, 1, 10, grey);
        AddGrid(*session_, 5, 2, 1, 10, grey);
        project().Layers[2].Excluded = true;
        project().Layers[3].Enabled = false;
        project().Layers[4].Cells[1].HasPhoto = true;
        project().Layers[0].Cells[2].Priority = 3;
        project().Layers[2].Cells[0].Priority = 3;
    }

    qx::TqxProject07& project() { return session_->CurrentProject; }

    std::unique_ptr<qx::Session> session_ = NeutralSession(1);
};

TEST_F(CellNumbering, NumbersRunOverTheLayersInUseOnly)
{
    const qx::TCellRef expected[] = {{1, 0}, {1, 1}, {1, 2}, {5, 0}, {5, 1}};
    ASSERT_EQ(qx::TotalCells(project(), 1, 7), 5);
    for (int g = 0; g < 5; ++g)
        EXPECT_EQ(qx::CellOfNumber(project(), g), expected[g]) << "g = " << g;
    EXPECT_THROW(qx::CellOfNumber(project(), 5), std::out_of_range);
    EXPECT_THROW(qx::CellOfNumber(project(), -1), std::out_of_range);
}

TEST_F(CellNumbering, CountsCoverTheLayerRangeGiven)
{
    struct Row {
        int first, last, total, assigned, freeOfPriority1, freeOfPriority3;
    };
    const Row rows[] = {
        {1, 7, 5, 1, 3, 1},
        {1, 4, 3, 0, 2, 1},
        {2, 4, 0, 0, 0, 0},
        {5, 5, 2, 1, 1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("layers " + std::to_string(r.first) + ".." + std::to_string(r.last));
        EXPECT_EQ(qx::TotalCells(project(), r.first, r.last), r.total);
        EXPECT_EQ(qx::AssignedCells(project(), r.first, r.last), r.assigned);
        EXPECT_EQ(qx::FreeCellsOfPriority(project(), r.first, r.last, 1), r.freeOfPriority1);
        EXPECT_EQ(qx::FreeCellsOfPriority(project(), r.first, r.last, 3), r.freeOfPriority3);
    }
}

} // namespace
