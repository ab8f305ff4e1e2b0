#include "render/TileDrawing.h"

#include "common/QuiltixError.h"
#include "library/ParallelInOrder.h"
#include "render/RenderReporter.h"
#include "render/Session.h"
#include "render/TilePhoto.h"
#include "render/TilePhotoCache.h"
#include "render/TilePreparation.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

namespace {

// Photos decoded at their cells' size are small; the bound matters only for
// very large cells or BMP photos, which are read whole.
constexpr std::size_t kPhotoCacheBudget = std::size_t{256} << 20;

TQXLayer& LayerAt(TqxProject07& project, int layerNumber)
{
    if (layerNumber < 1 || layerNumber > static_cast<int>(project.Layers.size()))
        throw QuiltixError("There is no layer " + std::to_string(layerNumber) + "; layers are numbered 1 to 7.");
    return project.Layers[static_cast<std::size_t>(layerNumber - 1)];
}

// A cell is drawn on every page it shares pixels with, also on a page it
// covers exactly or spans from edge to edge.
bool OverlapsWithArea(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

// A photo number outside the cell image list names no file, which draws
// like an unreadable photo.
TTilePhotoKey PhotoKeyOf(const Session& session, const TMosaicCell& cell)
{
    const bool listed = cell.PhotoIndex >= 0 && cell.PhotoIndex < static_cast<int>(session.RenderCellImgList.size());
    return {listed ? cell.PhotoIndex : -1, PhotoDecodeSize(session.CurrentProject, cell.CellRect)};
}

TBitmap32 LoadPhotoOf(const Session& session, const TTilePhotoKey& key)
{
    const std::filesystem::path file =
        key.Photo < 0 ? std::filesystem::path() : std::filesystem::path(session.RenderCellImgList[static_cast<std::size_t>(key.Photo)]);
    return LoadTilePhoto(session.CurrentProject, file, key.Size);
}

// The cells of one layer that a page shows, with the progress (percent of
// the layer's cells with a photo) reached at each.
struct TLayerPlan {
    TQXLayer* Layer = nullptr;
    int PhotoCells = 0;
    std::vector<int> Cells;
    std::vector<int> Progress;
};

TLayerPlan PlanLayer(TQXLayer& layer, const TRect& page)
{
    TLayerPlan plan;
    plan.Layer = &layer;
    plan.PhotoCells = static_cast<int>(std::count_if(layer.Cells.begin(), layer.Cells.end(),
                                                     [](const TMosaicCell& c) { return c.HasPhoto; }));
    int seen = 0;
    for (int i = 0; i < static_cast<int>(layer.Cells.size()); ++i) {
        const TMosaicCell& cell = layer.Cells[static_cast<std::size_t>(i)];
        if (!cell.HasPhoto)
            continue;
        ++seen;
        if (!OverlapsWithArea(cell.CellRect, page))
            continue;
        plan.Cells.push_back(i);
        plan.Progress.push_back(seen * 100 / plan.PhotoCells);
    }
    return plan;
}

void ExpectPhotos(const Session& session, const TLayerPlan& plan, TilePhotoCache& cache)
{
    for (int i : plan.Cells)
        cache.Expect(PhotoKeyOf(session, plan.Layer->Cells[static_cast<std::size_t>(i)]));
}

// Workers only read the project, the main image and their own cell; the
// figures and the page are written here, on the calling thread.
void DrawPlannedCells(Session& session, const TLayerPlan& plan, const TRect& page, TilePhotoCache& cache,
                      RenderReporter& reporter)
{
    const TqxProject07& project = session.CurrentProject;
    const TQXLayer& layer = *plan.Layer;
    int shown = -1;
    RunParallelInOrder<TPreparedTile>(
        static_cast<int>(plan.Cells.size()),
        [&](int i) {
            const TMosaicCell& cell = layer.Cells[static_cast<std::size_t>(plan.Cells[static_cast<std::size_t>(i)])];
            const TTilePhotoKey key = PhotoKeyOf(session, cell);
            const auto photo = cache.Acquire(key, [&] { return LoadPhotoOf(session, key); });
            TPreparedTile tile = PrepareTile(project, layer, cell, session.MainImageBitmap, *photo);
            cache.Release(key);
            return tile;
        },
        [&](int i, TPreparedTile tile) {
            const auto k = static_cast<std::size_t>(i);
            LayTile(tile, plan.Layer->Cells[static_cast<std::size_t>(plan.Cells[k])], session.MosaicBitmap, page);
            if (plan.Progress[k] != shown) {
                shown = plan.Progress[k];
                reporter.SetProgress(shown);
            }
        });
    // The layer's last photo cells may lie off the page.
    if (plan.PhotoCells > 0 && shown != 100)
        reporter.SetProgress(100);
}

} // namespace

void DrawLayers(Session& session, const TRect& page, RenderReporter& reporter)
{
    CheckDrawingSettings(session.CurrentProject);
    std::vector<TLayerPlan> plans;
    for (TQXLayer& layer : session.CurrentProject.Layers)
        if (layer.InUse())
            plans.push_back(PlanLayer(layer, page));
    TilePhotoCache cache(kPhotoCacheBudget);
    for (const TLayerPlan& plan : plans)
        ExpectPhotos(session, plan, cache);
    for (const TLayerPlan& plan : plans)
        DrawPlannedCells(session, plan, page, cache, reporter);
}

void DrawLayerCells(Session& session, int layerNumber, const TRect& page, RenderReporter& reporter)
{
    TQXLayer& layer = LayerAt(session.CurrentProject, layerNumber);
    CheckDrawingSettings(session.CurrentProject);
    const TLayerPlan plan = PlanLayer(layer, page);
    TilePhotoCache cache(kPhotoCacheBudget);
    ExpectPhotos(session, plan, cache);
    DrawPlannedCells(session, plan, page, cache, reporter);
}

void DrawCell(Session& session, int layerNumber, int cellIndex, TBitmap32& target, const TRect& page)
{
    TQXLayer& layer = LayerAt(session.CurrentProject, layerNumber);
    if (cellIndex < 0 || cellIndex >= static_cast<int>(layer.Cells.size()))
        throw QuiltixError("Layer " + std::to_string(layerNumber) + " has no cell " + std::to_string(cellIndex) + ".");
    TMosaicCell& cell = layer.Cells[static_cast<std::size_t>(cellIndex)];
    if (!cell.HasPhoto)
        return;
    CheckDrawingSettings(session.CurrentProject);
    const TBitmap32 photo = LoadPhotoOf(session, PhotoKeyOf(session, cell));
    LayTile(PrepareTile(session.CurrentProject, layer, cell, session.MainImageBitmap, photo), cell, target, page);
}

} // namespace qx
