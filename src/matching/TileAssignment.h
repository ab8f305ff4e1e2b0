#pragma once

#include "matching/Candidates.h"
#include "render/RenderReporter.h"
#include "render/Session.h"

#include <cstdint>
#include <optional>
#include <vector>

// Gives the cells of the current project's layers their photos. Cells take
// part when their layer is in use (enabled, not excluded) and has cells;
// they are numbered globally in layer order, then in cell order. Random
// numbers come only from the session's generator, in a fixed order, so a
// seed reproduces an assignment. Not thread-safe: one caller at a time.
namespace qx {

// A cell of the project: layer 1..7 and its position in that layer's Cells.
struct TCellRef {
    int Layer = 1;
    int Index = 0;
    bool operator==(const TCellRef&) const = default;
};

// Layer k's cell i; throws std::out_of_range for a cell that does not exist.
TMosaicCell& CellAt(TqxProject07& project, TCellRef cell);
const TMosaicCell& CellAt(const TqxProject07& project, TCellRef cell);

// Cell counts over the in-use layers firstLayer..lastLayer (1..7): all
// cells, those with HasPhoto set, and those of Priority `priority` without
// a photo.
int TotalCells(const TqxProject07& project, int firstLayer, int lastLayer);
int AssignedCells(const TqxProject07& project, int firstLayer, int lastLayer);
int FreeCellsOfPriority(const TqxProject07& project, int firstLayer, int lastLayer, int priority);

// The cell of global number g, 0 <= g < TotalCells(project, 1, 7); any other
// number throws std::out_of_range.
TCellRef CellOfNumber(const TqxProject07& project, int g);

// The photos both passes walk: TileInfoCount, or with RotateTiles the
// photos that have turned features as well as a plain record.
int MatchablePhotoCount(const Session& session);

// Whether photo p may be used once more under the repeat limit.
bool RepeatAllowed(const Session& session, int p);

// One flag per photo of the index (TileInfoCount): cleared for the photos
// shown by cells whose centre lies within RepeatRadius squared cell
// diagonals of this cell's centre, set for all others.
void MarkRadius(const Session& session, const TMosaicCell& cell, std::vector<std::uint8_t>& photoAvailable);

// The best photos for layer k's cell i under the repeat rules and the
// difference limits, best first. Draws one random start. Writes the cell's
// AvailablePhotoCount and QualifiedCandidateCount. No photo passing the
// rules gives Count 0; otherwise Count is at least 1.
TCandidateList FindCandidates(Session& session, int layer, int index);

struct TCandidatePick {
    int PhotoIndex = -1;     // -1 when the search found nothing
    int RotationStep = 0;    // the angle in 15-degree steps
    int CandidateCount = -1; // the search's Count, -1 when it found nothing
};

// One of the best min(Count, RandomLevel) candidates of the cell, each
// equally likely.
TCandidatePick PickCandidate(Session& session, int layer, int index);

// Chooses and stores a photo for layer k's cell i as a render does, and
// counts the photo as used. Without a candidate the cell is left empty
// (PhotoIndex -1, HasPhoto clear). Returns the number of candidates, -1 for
// none.
int AssignCell(Session& session, int layer, int index);

// The free cell that photo a (a photo of the index) matches best, the first
// met from a random start among equals; none when every cell has a photo.
std::optional<TCellRef> FindBestFreeCell(Session& session, int photo);

// Puts photo a into its best free cell and counts it as used; nothing when
// no cell is free.
void PlacePhoto(Session& session, int photo);

// The first pass: with LimitRepeat, every photo is placed MinRepeat times
// (fewer rounds when the cells would not hold them).
void CycleLibPass(Session& session, RenderReporter& reporter);

// The second pass: every empty cell, priority class by class in random
// order, gets one of its best candidates.
void CycleTilePass(Session& session, RenderReporter& reporter);

// Both passes over freshly laid-out cells, with their log lines. The use
// counts are first recounted from the cells as they are.
void AssignTiles(Session& session, RenderReporter& reporter);

// Sets every photo's UsedCount to the number of cells of the in-use layers
// that show it, so counts describe the cells as they are and never carry
// over from an earlier render.
void RecountUsedPhotos(Session& session);

} // namespace qx
