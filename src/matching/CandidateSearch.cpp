#include "matching/TileAssignment.h"

#include "imaging/ImageFunctions.h"
#include "imaging/TBlockColor.h"
#include "matching/CellMatcher.h"

#include <algorithm>
#include <cstdlib>

namespace qx {

namespace {

// What a rotation step that is switched off scores, so it never wins.
constexpr std::int32_t kRotationOff = 268'435'455;
constexpr int kDegreesPerStep = 15;

struct TPoint64 {
    std::int64_t X;
    std::int64_t Y;
};

TPoint64 CentreOf(const TRect& r)
{
    return TPoint64{(static_cast<std::int64_t>(r.Left) + r.Right) / 2,
                    (static_cast<std::int64_t>(r.Top) + r.Bottom) / 2};
}

// The best evaluation of photo p for the cell, and the feature it was made
// on (the turned one that won, with rotation).
struct TEvaluation {
    TMatchResult Match;
    int Angle = 0;
    const TTileFeature* Feature = nullptr;
};

TEvaluation EvaluatePhoto(const Session& session, const TCellMatcher& matcher, int p)
{
    const TqxProject07& project = session.CurrentProject;
    if (!project.RotateTiles) {
        const TTileFeature& plain = session.PhotoIndex.TileInfo(p).Feature;
        return TEvaluation{matcher.Curve(plain, project.EnhanceTable), 0, &plain};
    }
    const TTileInfoRotated& turned = session.PhotoIndex.TileInfoRotated(p);
    TEvaluation best{matcher.Curve(turned.Rotated[0], project.EnhanceTable), 0, &turned.Rotated[0]};
    for (int s = 1; s < TTileInfoRotated::kSteps; ++s) {
        const TTileFeature& f = turned.Rotated[static_cast<std::size_t>(s)];
        const TMatchResult r = project.RotationSteps[static_cast<std::size_t>(s)]
                                   ? matcher.Curve(f, project.EnhanceTable)
                                   : TMatchResult{kRotationOff, false, false};
        if (best.Match.Difference > r.Difference)
            best = TEvaluation{r, kDegreesPerStep * s, &f};
    }
    return best;
}

// The colour statistics compare the cell's averages with the photo's; in
// mono the cell's luminance stands against each of the photo's channels.
void FillColourStatistics(TCandidate& entry, const TTileFeature& cell, const TTileFeature& photo, bool mono)
{
    const TBlockColor c = cell.Words[1];
    const TBlockColor p = photo.Words[1];
    const int l = static_cast<int>(LuminanceOf(c));
    const int dB = std::abs((mono ? l : static_cast<int>(BlockBlueOf(c))) - static_cast<int>(BlockBlueOf(p)));
    const int dG = std::abs((mono ? l : static_cast<int>(BlockGreenOf(c))) - static_cast<int>(BlockGreenOf(p)));
    const int dR = std::abs((mono ? l : static_cast<int>(BlockRedOf(c))) - static_cast<int>(BlockRedOf(p)));
    entry.ColorDiffSingle = ClampByte(std::max({dB, dG, dR}));
    entry.ColorDiffAvg = ClampByte((dB + dG + dR) / 3);
}

// The first entry with the largest difference: the one a better photo
// replaces.
int WorstEntry(const TCandidateList& list)
{
    int worst = 0;
    for (int x = 1; x < TCandidateList::kEntries; ++x)
        if (list.Entries[static_cast<std::size_t>(x)].Difference >
            list.Entries[static_cast<std::size_t>(worst)].Difference)
            worst = x;
    return worst;
}

// A selection sort that swaps (not a stable one), so equal differences
// end up exactly where the ranking rule puts them.
void SortByDifference(TCandidateList& list)
{
    auto& e = list.Entries;
    for (auto x = e.begin(); x != e.end(); ++x)
        std::iter_swap(x, std::min_element(x, e.end(), [](const TCandidate& a, const TCandidate& b) {
                           return a.Difference < b.Difference;
                       }));
}

void RejectOverColourLimits(TCandidateList& list, const TqxProject07& project)
{
    for (auto e = list.Entries.begin() + 1; e != list.Entries.end(); ++e) {
        if (e->ColorDiffSingle > project.MaxColorDiffSingle)
            e->PhotoIndex = -1;
        if (e->ColorDiffAvg > project.MaxColorDiffAvg)
            e->PhotoIndex = -1;
    }
}

// Moves the valid entries forward, keeping their order.
void CloseGaps(TCandidateList& list)
{
    auto valid = [](const TCandidate& c) { return c.PhotoIndex >= 0; };
    for (auto x = list.Entries.begin() + 1; x != list.Entries.end(); ++x)
        if (!valid(*x)) {
            const auto next = std::find_if(x + 1, list.Entries.end(), valid);
            if (next != list.Entries.end())
                std::iter_swap(x, next);
        }
}

void RejectOverShapeLimit(TCandidateList& list, std::int32_t maxShapeDiff)
{
    const std::int64_t limit = static_cast<std::int64_t>(maxShapeDiff) * maxShapeDiff * 192;
    for (auto e = list.Entries.begin() + 1; e != list.Entries.end(); ++e)
        if (e->Difference > limit)
            e->PhotoIndex = -1;
}

int ValidEntries(const TCandidateList& list)
{
    return static_cast<int>(std::count_if(list.Entries.begin(), list.Entries.end(),
                                          [](const TCandidate& c) { return c.PhotoIndex >= 0; }));
}

// Fills the list with the best photos, each better one replacing the worst.
void CollectCandidates(Session& session, const TMosaicCell& cell, int layer,
                       const std::vector<std::uint8_t>& available, TCandidateList& list)
{
    const TqxProject07& project = session.CurrentProject;
    const TCellMatcher matcher(cell.Feature, project.MonoCellImage, project.AllowHorzFlip, project.AllowVertFlip,
                               session.LayerWeights.at(static_cast<std::size_t>(layer)));
    const int n = MatchablePhotoCount(session);
    const int start = session.Random.Random(n);
    int worst = 0;
    for (int t = 0; t < n; ++t) {
        const int p = start + t < n ? start + t : start + t - n;
        if (!available[static_cast<std::size_t>(p)] || !RepeatAllowed(session, p))
            continue;
        const TEvaluation e = EvaluatePhoto(session, matcher, p);
        TCandidate& w = list.Entries[static_cast<std::size_t>(worst)];
        if (w.Difference <= e.Match.Difference)
            continue;
        w = TCandidate{e.Match.Difference, e.Match.FlipV, e.Match.FlipH, e.Angle, p, 0, 0};
        FillColourStatistics(w, cell.Feature, *e.Feature, project.MonoCellImage);
        worst = WorstEntry(list);
    }
}

} // namespace

int MatchablePhotoCount(const Session& session)
{
    const TileIndex& index = session.PhotoIndex;
    return session.CurrentProject.RotateTiles ? std::min(index.RotatedCount(), index.TileInfoCount())
                                              : index.TileInfoCount();
}

bool RepeatAllowed(const Session& session, int p)
{
    const TqxProject07& project = session.CurrentProject;
    return !project.LimitRepeat || session.PhotoIndex.TileInfo(p).UsedCount < project.MaxRepeat;
}

void MarkRadius(const Session& session, const TMosaicCell& cell, std::vector<std::uint8_t>& photoAvailable)
{
    photoAvailable.assign(static_cast<std::size_t>(session.PhotoIndex.TileInfoCount()), 1);
    const TRect& r = cell.CellRect;
    const std::int64_t w = static_cast<std::int64_t>(r.Left) - r.Right;
    const std::int64_t h = static_cast<std::int64_t>(r.Top) - r.Bottom;
    const std::int64_t limit = (w * w + h * h) * session.CurrentProject.RepeatRadius;
    const TPoint64 c = CentreOf(r);
    for (const TQXLayer& layer : session.CurrentProject.Layers) {
        if (!layer.InUse())
            continue;
        for (const TMosaicCell& other : layer.Cells) {
            if (!other.HasPhoto || other.PhotoIndex < 0 ||
                static_cast<std::size_t>(other.PhotoIndex) >= photoAvailable.size())
                continue;
            const TPoint64 o = CentreOf(other.CellRect);
            if ((c.X - o.X) * (c.X - o.X) + (c.Y - o.Y) * (c.Y - o.Y) <= limit)
                photoAvailable[static_cast<std::size_t>(other.PhotoIndex)] = 0;
        }
    }
}

TCandidateList FindCandidates(Session& session, int layer, int index)
{
    TqxProject07& project = session.CurrentProject;
    TMosaicCell& cell = CellAt(project, TCellRef{layer, index});
    std::vector<std::uint8_t> available;
    MarkRadius(session, cell, available);
    cell.AvailablePhotoCount = static_cast<std::int32_t>(std::count(available.begin(), available.end(), 1));

    TCandidateList list;
    CollectCandidates(session, cell, layer, available, list);
    SortByDifference(list);
    RejectOverColourLimits(list, project);
    cell.QualifiedCandidateCount = ValidEntries(list);
    CloseGaps(list);
    RejectOverShapeLimit(list, project.MaxShapeDiff);
    list.Count = ValidEntries(list);
    return list;
}

} // namespace qx
