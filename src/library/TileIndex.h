#pragma once

#include "library/TTileInfo.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

class RenderReporter;

// The photo index of a render job: one record per photo of the cell image
// list, in list order, with the photo's use count; with rotation, also the
// turned features of the first RotatedCapacity photos. Capacities are
// enforced here and nowhere else.
class TileIndex {
public:
    static constexpr int Capacity = 1001;
    static constexpr int RotatedCapacity = 200;

    int TileInfoCount() const { return static_cast<int>(infos_.size()); }
    int RotatedCount() const { return static_cast<int>(rotated_.size()); }

    TTileInfo& TileInfo(int i) { return infos_.at(static_cast<std::size_t>(i)); }
    const TTileInfo& TileInfo(int i) const { return infos_.at(static_cast<std::size_t>(i)); }
    const TTileInfoRotated& TileInfoRotated(int i) const { return rotated_.at(static_cast<std::size_t>(i)); }

    // Throws QuiltixError when a list of `count` photos does not fit.
    static void CheckPhotoCount(int count);

    // Indexes every listed photo (decoded in parallel; the records do not
    // depend on the number of threads). A photo that cannot be read repeats
    // the previous photo's feature (all zero for the first). An empty list
    // leaves the index as it was. Use counts survive a build for photos that
    // stay within the index. A decoder error throws QuiltixError naming the
    // file; the records before it are kept.
    void BuildTileIndex(const std::vector<std::string>& photos, RenderReporter& reporter);
    // As above for the first RotatedCapacity photos only, plus their 24
    // turned features; corners uncovered by turning take borderColor (a raw
    // pixel word).
    void BuildRotatedTileIndex(const std::vector<std::string>& photos, std::uint32_t borderColor,
                               RenderReporter& reporter);

    void ResetUsedCounts();
    // Photos whose use count is above 0.
    int UsedPhotoCount() const;

    // "LibInfo.cls" and "LibInfo_R.cls" in the project folder, replaced
    // atomically. Load refuses files whose counts exceed the capacity or
    // their own length, with a sentence naming the file.
    void SaveTileIndex(const std::filesystem::path& projectFolder) const;
    void LoadTileIndex(const std::filesystem::path& projectFolder);

private:
    std::vector<TTileInfo> infos_;
    std::vector<TTileInfoRotated> rotated_;
};

} // namespace qx
