#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx {

// The difference an empty candidate entry starts from.
inline constexpr std::int32_t kEmptyDifference = 99'999'999;

// One ranked photo for a cell (24 bytes, the layout of the candidate records).
struct TCandidate {
    std::int32_t Difference = kEmptyDifference; // ranking difference (MatchCurve)
    bool FlipV = false;                         // draw mirrored top-bottom
    bool FlipH = false;                         // draw mirrored left-right
    std::int32_t Angle = 0;                     // degrees, a multiple of 15
    std::int32_t PhotoIndex = -1;               // -1: empty or rejected
    std::int32_t ColorDiffAvg = 0;              // 0..255, whole-picture averages
    std::int32_t ColorDiffSingle = 0;           // 0..255, largest channel
};
static_assert(sizeof(TCandidate) == 24 && offsetof(TCandidate, Angle) == 8 && offsetof(TCandidate, FlipH) == 5,
              "a candidate is 24 bytes");

// The best candidates of one cell. After a search the valid entries are
// Entries[0 .. Count - 1], in ascending order of Difference.
struct TCandidateList {
    static constexpr int kEntries = 100;
    std::int32_t Count = 0;
    std::array<TCandidate, kEntries> Entries{};
};
static_assert(sizeof(TCandidateList) == 2404, "a candidate list is 2,404 bytes");

} // namespace qx
