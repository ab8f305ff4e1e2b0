#include "layout/LayerBuilder.h"

#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "layout/CellFeature.h"
#include "library/ParallelInOrder.h"
#include "render/Canvas.h"
#include "render/RenderReporter.h"
#include "render/Session.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

namespace qx {

namespace {

constexpr std::int32_t kFreshDivisionLevel = 9;
constexpr std::int32_t kFreshPriority = 1;

// Trunc of a product of a cell side and a pattern factor. Factors come from
// an ini file, so the product may be huge or not a number; it saturates
// instead of overflowing.
int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    const double limited = std::clamp(std::trunc(v), static_cast<double>(std::numeric_limits<int>::min()),
                                      static_cast<double>(std::numeric_limits<int>::max()));
    return static_cast<int>(limited);
}

int SaturateToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Whole steps that fit into a mosaic side; none for a step below one pixel.
int StepsThatFit(int side, int step)
{
    return step >= 1 && side >= 1 ? side / step : 0;
}

TRect CellRectAt(const TQXLayer& layer, int index)
{
    const std::int64_t row = index / layer.Columns;
    const std::int64_t col = index % layer.Columns;
    const std::int64_t x = col * layer.StepX + layer.OffsetX;
    const std::int64_t y = row * layer.StepY + layer.OffsetY;
    return {SaturateToInt(x), SaturateToInt(y), SaturateToInt(x + layer.CellWidth),
            SaturateToInt(y + layer.CellHeight)};
}

void SetGeometry(TQXLayer& layer, const TLayerPattern& record, int mosaicWidth, int mosaicHeight, int cellWidth,
                 int cellHeight)
{
    layer.AreaWidth = mosaicWidth;
    layer.AreaHeight = mosaicHeight;
    layer.CellWidth = cellWidth;
    layer.CellHeight = cellHeight;
    layer.StepX = TruncToInt(cellWidth * record.HorzFactor);
    layer.StepY = TruncToInt(cellHeight * record.VertFactor);
    layer.OffsetX = TruncToInt(cellWidth * record.HorzOffset);
    layer.OffsetY = TruncToInt(cellHeight * record.VertOffset);
    layer.Columns = StepsThatFit(mosaicWidth, layer.StepX);
    layer.Rows = StepsThatFit(mosaicHeight, layer.StepY);
}

void CheckCellCount(const TQXLayer& layer, std::int64_t count)
{
    if (count <= kMaxLayerCells)
        return;
    throw QuiltixError("A pattern layer with steps of " + std::to_string(layer.StepX) + " x " +
                       std::to_string(layer.StepY) + " pixels over a mosaic of " + std::to_string(layer.AreaWidth) +
                       " x " + std::to_string(layer.AreaHeight) + " pixels would hold " + std::to_string(count) +
                       " cells, more than the " + std::to_string(kMaxLayerCells) + " one layer can hold.");
}

// Measuring is the slow part, so the cells are measured on all cores; the
// main image is prepared once beforehand and only read while they run.
// Results are taken in cell order, so progress and cells come out as a
// sequential build would give them.
void MeasureCells(TQXLayer& layer, TBitmap32& mainImage, RenderReporter* progress)
{
    const int count = layer.CellCount();
    if (count == 0)
        return;
    PrepareForMeasuring(mainImage);
    const TBitmap32& image = mainImage;
    int shownPercent = -1;
    RunParallelInOrder<TTileFeature>(
        count,
        [&](int i) {
            return MeasurePreparedCellFeature(image, CellRectAt(layer, i), layer.AreaWidth, layer.AreaHeight);
        },
        [&](int i, TTileFeature feature) {
            TMosaicCell& cell = layer.Cells[static_cast<std::size_t>(i)];
            cell.CellRect = CellRectAt(layer, i);
            cell.Feature = feature;
            cell.Priority = kFreshPriority;
            cell.DivisionLevel = kFreshDivisionLevel;
            const int percent = static_cast<int>(static_cast<std::int64_t>(i) * 100 / count);
            if (progress != nullptr && percent != shownPercent) {
                progress->SetProgress(percent);
                shownPercent = percent;
            }
        });
}

} // namespace

void BuildLayers(Session& session, RenderReporter* progress)
{
    EnlargeMainImage(session);
    TqxProject07& project = session.CurrentProject;
    for (int k = 1; k <= TQXPattern::MaxLayers; ++k)
        ClearLayer(project.Layers[static_cast<std::size_t>(k - 1)]);
    for (int k = 1; k <= TQXPattern::MaxLayers; ++k)
        BuildLayer(project.Layers[static_cast<std::size_t>(k - 1)], project.CurrentPattern.Layer(k),
                   project.MosaicWidth, project.MosaicHeight, project.CellWidth, project.CellHeight,
                   session.MainImageBitmap, progress);
}

void BuildLayer(TQXLayer& layer, const TLayerPattern& record, int mosaicWidth, int mosaicHeight, int cellWidth,
                int cellHeight, TBitmap32& mainImage, RenderReporter* progress)
{
    layer.Enabled = record.Enabled;
    if (!layer.Enabled)
        return;
    layer.LayerPattern = record;
    // Without a loadable mask the old picture stays; drawing ignores it
    // unless HasMaskImage is set.
    std::error_code ec;
    if (record.HasMaskImage && std::filesystem::is_regular_file(record.MaskImageFile, ec))
        LoadImageFile(layer.MaskBitmap, record.MaskImageFile);
    layer.Excluded = false;
    SetGeometry(layer, record, mosaicWidth, mosaicHeight, cellWidth, cellHeight);
    const std::int64_t count = static_cast<std::int64_t>(layer.Columns) * layer.Rows;
    CheckCellCount(layer, count);
    layer.Cells.assign(static_cast<std::size_t>(count), TMosaicCell{});
    MeasureCells(layer, mainImage, progress);
}

void ClearLayer(TQXLayer& layer)
{
    layer.Cells.clear();
}

void SetCellRect(Session& session, TQXLayer& layer, int index, const TRect& rect)
{
    TMosaicCell& cell = layer.Cells.at(static_cast<std::size_t>(index));
    cell.CellRect = rect;
    cell.Feature = MeasureCellFeature(session, rect);
    cell.Priority = kFreshPriority;
}

} // namespace qx
