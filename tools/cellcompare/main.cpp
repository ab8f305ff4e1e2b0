// Measures how closely a mosaic's cells follow its main image: the main
// image is scaled to the mosaic's size and both are compared cell by cell.

#include "CellCloseness.h"

#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

qx::TBitmap32 LoadPicture(const std::filesystem::path& file)
{
    qx::TBitmap32 bitmap;
    qx::LoadImageFile(bitmap, file);
    if (bitmap.Empty())
        throw qx::QuiltixError("The file " + file.string() + " is not a readable JPEG or BMP picture.");
    return bitmap;
}

void Compare(const std::filesystem::path& mainFile, const std::filesystem::path& mosaicFile,
             qx::cellcompare::TCellGrid grid)
{
    const qx::TBitmap32 mosaic = LoadPicture(mosaicFile);
    qx::TBitmap32 reference;
    qx::StretchBitmap32(LoadPicture(mainFile), reference, mosaic.Width(), mosaic.Height());
    if (grid.CellWidth == 0)
        grid.CellWidth = mosaic.Width() / grid.Columns;
    if (grid.CellHeight == 0)
        grid.CellHeight = mosaic.Height() / grid.Rows;
    const qx::cellcompare::TCellCloseness closeness = qx::cellcompare::MeasureCellCloseness(reference, mosaic, grid);
    std::printf("Mosaic: %d x %d pixels, %d x %d cells of %d x %d pixels\n", mosaic.Width(), mosaic.Height(),
                grid.Columns, grid.Rows, grid.CellWidth, grid.CellHeight);
    std::printf("Cell mean distance: %.2f\n", closeness.MeanDistance);
    std::printf("Sub-block mean distance: %.2f\n", closeness.DetailDistance);
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Prints the mean RGB distance between the cell means of a mosaic and of its main image "
                 "scaled to the mosaic's size, and the same for the 4 x 4 sub-blocks of every cell "
                 "(lower is closer)."};
    std::filesystem::path mainFile;
    std::filesystem::path mosaicFile;
    qx::cellcompare::TCellGrid grid;
    app.add_option("MAIN", mainFile, "Main image (JPEG or BMP).")->required();
    app.add_option("MOSAIC", mosaicFile, "Mosaic (JPEG or BMP).")->required();
    app.add_option("COLUMNS", grid.Columns, "Cell columns.")->required()->check(CLI::PositiveNumber);
    app.add_option("ROWS", grid.Rows, "Cell rows.")->required()->check(CLI::PositiveNumber);
    app.add_option("--cell-width", grid.CellWidth, "Cell width in pixels (default: mosaic width / COLUMNS).")
        ->check(CLI::PositiveNumber);
    app.add_option("--cell-height", grid.CellHeight, "Cell height in pixels (default: mosaic height / ROWS).")
        ->check(CLI::PositiveNumber);
    CLI11_PARSE(app, argc, argv);
    try {
        Compare(mainFile, mosaicFile, grid);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
