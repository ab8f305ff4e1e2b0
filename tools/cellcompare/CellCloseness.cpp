#include "CellCloseness.h"

#include "common/QuiltixError.h"

#include <array>
#include <cmath>
#include <string>

namespace qx::cellcompare {

namespace {

constexpr int kDivisions = 4;
constexpr int kBlocks = kDivisions * kDivisions;

// Channel sums of one region of both pictures.
struct TRegionSums {
    std::array<double, 3> Reference{};
    std::array<double, 3> Mosaic{};
    double Pixels = 0;

    void Add(const TRegionSums& other)
    {
        for (int c = 0; c < 3; ++c) {
            Reference[c] += other.Reference[c];
            Mosaic[c] += other.Mosaic[c];
        }
        Pixels += other.Pixels;
    }

    double MeanDistance() const
    {
        double squares = 0;
        for (int c = 0; c < 3; ++c) {
            const double d = (Reference[c] - Mosaic[c]) / Pixels;
            squares += d * d;
        }
        return std::sqrt(squares);
    }
};

void AddPixel(std::array<double, 3>& sums, TColor32 pixel)
{
    sums[0] += RedOf(pixel);
    sums[1] += GreenOf(pixel);
    sums[2] += BlueOf(pixel);
}

// Sub-blocks split the cell at i * size / 4, so a cell whose size is not a
// multiple of 4 still has every pixel in exactly one block.
std::array<TRegionSums, kBlocks> SumCellBlocks(const TBitmap32& reference, const TBitmap32& mosaic,
                                               const TCellGrid& grid, int column, int row)
{
    std::array<TRegionSums, kBlocks> blocks{};
    const int left = column * grid.CellWidth;
    const int top = row * grid.CellHeight;
    for (int dy = 0; dy < grid.CellHeight; ++dy) {
        const TColor32* referenceRow = reference.ScanLine(top + dy) + left;
        const TColor32* mosaicRow = mosaic.ScanLine(top + dy) + left;
        const int blockRow = dy * kDivisions / grid.CellHeight;
        for (int dx = 0; dx < grid.CellWidth; ++dx) {
            TRegionSums& block = blocks[blockRow * kDivisions + dx * kDivisions / grid.CellWidth];
            AddPixel(block.Reference, referenceRow[dx]);
            AddPixel(block.Mosaic, mosaicRow[dx]);
            block.Pixels += 1;
        }
    }
    return blocks;
}

void CheckGrid(const TBitmap32& reference, const TBitmap32& mosaic, const TCellGrid& grid)
{
    if (reference.Width() != mosaic.Width() || reference.Height() != mosaic.Height())
        throw QuiltixError("The reference picture and the mosaic differ in size.");
    if (grid.Columns < 1 || grid.Rows < 1)
        throw QuiltixError("The cell grid needs at least one column and one row.");
    if (grid.CellWidth < kDivisions || grid.CellHeight < kDivisions)
        throw QuiltixError("A cell must be at least 4 x 4 pixels to be split into sub-blocks.");
    if (grid.Columns * grid.CellWidth > mosaic.Width() || grid.Rows * grid.CellHeight > mosaic.Height())
        throw QuiltixError("The cell grid of " + std::to_string(grid.Columns * grid.CellWidth) + " x " +
                           std::to_string(grid.Rows * grid.CellHeight) + " pixels does not fit the mosaic of " +
                           std::to_string(mosaic.Width()) + " x " + std::to_string(mosaic.Height()) + " pixels.");
}

} // namespace

TCellCloseness MeasureCellCloseness(const TBitmap32& reference, const TBitmap32& mosaic, const TCellGrid& grid)
{
    CheckGrid(reference, mosaic, grid);
    double cellSum = 0;
    double blockSum = 0;
    for (int row = 0; row < grid.Rows; ++row) {
        for (int column = 0; column < grid.Columns; ++column) {
            TRegionSums cell;
            for (const TRegionSums& block : SumCellBlocks(reference, mosaic, grid, column, row)) {
                blockSum += block.MeanDistance();
                cell.Add(block);
            }
            cellSum += cell.MeanDistance();
        }
    }
    TCellCloseness result;
    result.CellCount = grid.Columns * grid.Rows;
    result.MeanDistance = cellSum / result.CellCount;
    result.DetailDistance = blockSum / (static_cast<double>(result.CellCount) * kBlocks);
    return result;
}

} // namespace qx::cellcompare
