#include "matching/TileAssignment.h"

#include "imaging/TBlockColor.h"
#include "matching/CellMatcher.h"
#include "matching/DifferenceMeasures.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace qx {

namespace {

// The priority classes in the order the second pass serves them.
constexpr std::array<int, 10> kPriorityOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};

int Percent(std::int64_t part, std::int64_t whole)
{
    return static_cast<int>(part * 100 / whole);
}

struct TAverages {
    int B;
    int G;
    int R;
};

// The whole-picture averages of a photo as the corrections read them: in
// mono its luminance stands for every channel.
TAverages PhotoAverages(const TTileFeature& photo, bool mono)
{
    const TBlockColor p = photo.Words[1];
    const int l = static_cast<int>(LuminanceOf(p));
    if (mono)
        return TAverages{l, l, l};
    return TAverages{static_cast<int>(BlockBlueOf(p)), static_cast<int>(BlockGreenOf(p)),
                     static_cast<int>(BlockRedOf(p))};
}

TAverages CellAverages(const TTileFeature& cell)
{
    const TBlockColor c = cell.Words[1];
    return TAverages{static_cast<int>(BlockBlueOf(c)), static_cast<int>(BlockGreenOf(c)),
                     static_cast<int>(BlockRedOf(c))};
}

// The r-th (from 0) empty cell of priority q in global order: layer by
// layer, then in cell order.
std::optional<TCellRef> NthFreeCell(const TqxProject07& project, int priority, int r)
{
    for (int k = 1; k <= 7; ++k) {
        const TQXLayer& layer = project.Layers[static_cast<std::size_t>(k - 1)];
        if (!layer.InUse())
            continue;
        for (std::size_t i = 0; i < layer.Cells.size(); ++i) {
            const TMosaicCell& cell = layer.Cells[i];
            if (cell.Priority == priority && !cell.HasPhoto && r-- == 0)
                return TCellRef{k, static_cast<int>(i)};
        }
    }
    return std::nullopt;
}

void StorePlacement(Session& session, TMosaicCell& cell, const TCandidatePick& pick, int layer)
{
    const TqxProject07& project = session.CurrentProject;
    TTileInfo& info = session.PhotoIndex.TileInfo(pick.PhotoIndex);
    cell.RotationAngle = pick.RotationStep * 15;
    cell.CandidateCount = pick.CandidateCount;
    ++info.UsedCount;

    const TAverages p = PhotoAverages(info.Feature, project.MonoCellImage);
    const TAverages c = CellAverages(cell.Feature);
    cell.DeltaBlue = p.B - c.B;
    cell.DeltaGreen = p.G - c.G;
    cell.DeltaRed = p.R - c.R;
    const TCurveTable& e = project.EnhanceTable;
    auto corrected = [&e](int delta) { return delta * e[static_cast<std::size_t>(std::abs(delta))] / 255; };
    cell.CorrBlue = corrected(cell.DeltaBlue);
    cell.CorrGreen = corrected(cell.DeltaGreen);
    cell.CorrRed = corrected(cell.DeltaRed);

    const TMatchResult m = MatchCurve(info.Feature, cell.Feature, project.AllowVertFlip, e,
                                      session.LayerWeights.at(static_cast<std::size_t>(layer)),
                                      project.MonoCellImage, project.AllowHorzFlip);
    cell.MatchDifference = m.Difference;
    cell.FlipV = m.FlipV;
    cell.FlipH = m.FlipH;
    cell.DetailDifference =
        GridDifference(info.Feature, cell.Feature, cell.FlipV, project.MonoCellImage, cell.FlipH).Difference;
}

} // namespace

TCandidatePick PickCandidate(Session& session, int layer, int index)
{
    const TCandidateList list = FindCandidates(session, layer, index);
    if (list.Count <= 0)
        return TCandidatePick{};
    const int j = session.Random.Random(std::min(list.Count, session.CurrentProject.RandomLevel));
    const TCandidate& chosen = list.Entries[static_cast<std::size_t>(j)];
    return TCandidatePick{chosen.PhotoIndex, chosen.Angle / 15, list.Count};
}

int AssignCell(Session& session, int layer, int index)
{
    const TCandidatePick pick = PickCandidate(session, layer, index);
    TMosaicCell& cell = CellAt(session.CurrentProject, TCellRef{layer, index});
    cell.PhotoIndex = pick.PhotoIndex;
    // A cell that finds no photo is empty even if it showed one before;
    // otherwise it would claim a photo numbered -1.
    cell.HasPhoto = pick.PhotoIndex >= 0;
    if (cell.HasPhoto)
        StorePlacement(session, cell, pick, layer);
    return pick.CandidateCount;
}

std::optional<TCellRef> FindBestFreeCell(Session& session, int photo)
{
    const TqxProject07& project = session.CurrentProject;
    const int total = TotalCells(project, 1, 7);
    const int start = session.Random.Random(total);
    const TCellMatcher matcher = TCellMatcher::ForOnePhoto(session.PhotoIndex.TileInfo(photo).Feature,
                                                           project.MonoCellImage, project.AllowHorzFlip,
                                                           project.AllowVertFlip);
    std::int32_t best = kEmptyDifference;
    std::optional<TCellRef> chosen;
    for (int t = 0; t < total; ++t) {
        const TCellRef ref = CellOfNumber(project, start + t < total ? start + t : start + t - total);
        const TMosaicCell& cell = CellAt(project, ref);
        if (cell.HasPhoto)
            continue;
        const std::int32_t d = matcher.Unshifted(cell.Feature).Difference;
        if (d < best) {
            best = d;
            chosen = ref;
        }
    }
    return chosen;
}

void PlacePhoto(Session& session, int photo)
{
    const std::optional<TCellRef> where = FindBestFreeCell(session, photo);
    if (!where)
        return;
    const TqxProject07& project = session.CurrentProject;
    TMosaicCell& cell = CellAt(session.CurrentProject, *where);
    TTileInfo& info = session.PhotoIndex.TileInfo(photo);
    cell.PhotoIndex = photo;
    cell.HasPhoto = true;
    // The whole differences: this pass does not apply the enhance curve.
    const TAverages p = PhotoAverages(info.Feature, project.MonoCellImage);
    const TAverages c = CellAverages(cell.Feature);
    cell.CorrRed = p.R - c.R;
    cell.CorrGreen = p.G - c.G;
    cell.CorrBlue = p.B - c.B;
    const TMatchResult m = MatchPercent(info.Feature, cell.Feature, project.EnhanceLevel, project.MonoCellImage,
                                        project.AllowHorzFlip, project.AllowVertFlip);
    cell.FlipV = m.FlipV;
    cell.FlipH = m.FlipH;
    ++info.UsedCount;
}

void CycleLibPass(Session& session, RenderReporter& reporter)
{
    const TqxProject07& project = session.CurrentProject;
    const int photos = MatchablePhotoCount(session);
    const int total = TotalCells(project, 1, 7);
    int rounds = project.LimitRepeat && project.MinRepeat > 0 ? project.MinRepeat : 0;
    if (static_cast<std::int64_t>(total) < static_cast<std::int64_t>(rounds) * photos)
        rounds = total / photos;
    std::int64_t placed = 0;
    for (int r = 0; r < rounds; ++r)
        for (int a = 0; a < photos; ++a) {
            PlacePhoto(session, a);
            reporter.SetProgress(Percent(++placed, total));
        }
}

void CycleTilePass(Session& session, RenderReporter& reporter)
{
    const TqxProject07& project = session.CurrentProject;
    const int empty = TotalCells(project, 1, 7) - AssignedCells(project, 1, 7);
    std::int64_t done = 0;
    for (int q : kPriorityOrder) {
        const int attempts = FreeCellsOfPriority(project, 1, 7, q);
        for (int n = 0; n < attempts; ++n) {
            const int r = session.Random.Random(FreeCellsOfPriority(project, 1, 7, q));
            const std::optional<TCellRef> cell = NthFreeCell(project, q, r);
            if (!cell)
                break;
            AssignCell(session, cell->Layer, cell->Index);
            reporter.SetProgress(Percent(++done, empty));
        }
    }
}

void AssignTiles(Session& session, RenderReporter& reporter)
{
    const auto& layers = session.CurrentProject.Layers;
    const auto inUse = std::count_if(layers.begin(), layers.end(), [](const TQXLayer& l) { return l.InUse(); });
    reporter.AddLogLine("Active Layers count:" + std::to_string(inUse));
    RecountUsedPhotos(session);
    reporter.AddLogLine("Init Layers .............Done");
    reporter.AddLogLine("1st Render Procedure. (CycleLib) ");
    CycleLibPass(session, reporter);
    reporter.AddLogLine("2nd Render Procedure. (CycleTile) ");
    CycleTilePass(session, reporter);
    reporter.AddLogLine("Render Layers .............Done");
}

void RecountUsedPhotos(Session& session)
{
    TileIndex& index = session.PhotoIndex;
    index.ResetUsedCounts();
    for (const TQXLayer& layer : session.CurrentProject.Layers) {
        if (!layer.InUse())
            continue;
        for (const TMosaicCell& cell : layer.Cells)
            if (cell.HasPhoto && cell.PhotoIndex >= 0 && cell.PhotoIndex < index.TileInfoCount())
                ++index.TileInfo(cell.PhotoIndex).UsedCount;
    }
}

} // namespace qx
