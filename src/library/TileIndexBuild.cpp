#include "library/TileIndex.h"

#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "library/ParallelInOrder.h"
#include "render/RenderReporter.h"

#include <algorithm>

namespace qx {

namespace {

// The decode size the 64 x 64 feature needs; larger photos are decoded at a
// reduced JPEG scale.
constexpr int kFeatureDecodeSize = 64;

struct PhotoFeatures {
    bool Readable = false;
    TTileFeature Plain;
    TTileInfoRotated Turned;
};

PhotoFeatures MeasurePhoto(const std::string& file, bool withRotations, std::uint32_t borderColor)
{
    PhotoFeatures result;
    // The loader leaves the bitmap empty for a file of no known type; a
    // decoded picture always has pixels, so that is the only test needed.
    TBitmap32 photo;
    LoadImageFileScaled(photo, file, kFeatureDecodeSize, kFeatureDecodeSize);
    if (photo.Empty())
        return result;
    result.Readable = true;
    result.Plain = ComputeTileFeature(photo);
    if (withRotations) {
        TBitmap32 turned;
        for (int k = 0; k < TTileInfoRotated::kSteps; ++k) {
            RotateBitmap(photo, turned, k * 15.0, borderColor);
            result.Turned.Rotated[static_cast<std::size_t>(k)] = ComputeTileFeature(turned);
        }
    }
    return result;
}

void ReportPhoto(RenderReporter& reporter, int i, int n)
{
    reporter.ShowJobLabel(" Done Images:" + std::to_string(i) + "/" + std::to_string(n));
    // A single photo is complete as soon as it is done.
    reporter.SetProgress(n > 1 ? i * 100 / (n - 1) : 100);
}

} // namespace

void TileIndex::CheckPhotoCount(int count)
{
    if (count > Capacity)
        throw QuiltixError("The photo list holds " + std::to_string(count) + " photos, but a project can use at most " +
                           std::to_string(Capacity) + ".");
}

void TileIndex::BuildTileIndex(const std::vector<std::string>& photos, RenderReporter& reporter)
{
    const int n = static_cast<int>(photos.size());
    if (n <= 0)
        return;
    CheckPhotoCount(n);
    infos_.resize(static_cast<std::size_t>(n));
    // An unreadable photo repeats the feature before it, as if the previous
    // picture had stayed in a shared working bitmap.
    TTileFeature previous{};
    RunParallelInOrder<PhotoFeatures>(
        n, [&](int i) { return MeasurePhoto(photos[static_cast<std::size_t>(i)], false, 0); },
        [&](int i, PhotoFeatures&& measured) {
            ReportPhoto(reporter, i, n);
            if (measured.Readable)
                previous = measured.Plain;
            infos_[static_cast<std::size_t>(i)].Feature = previous;
        });
}

void TileIndex::BuildRotatedTileIndex(const std::vector<std::string>& photos, std::uint32_t borderColor,
                                      RenderReporter& reporter)
{
    const int n = static_cast<int>(photos.size());
    if (n <= 0)
        return;
    CheckPhotoCount(n);
    const int r = std::min(n, RotatedCapacity);
    infos_.resize(static_cast<std::size_t>(n));
    rotated_.resize(static_cast<std::size_t>(r));
    PhotoFeatures previous;
    RunParallelInOrder<PhotoFeatures>(
        r, [&](int i) { return MeasurePhoto(photos[static_cast<std::size_t>(i)], true, borderColor); },
        [&](int i, PhotoFeatures&& measured) {
            ReportPhoto(reporter, i, n);
            if (measured.Readable)
                previous = std::move(measured);
            infos_[static_cast<std::size_t>(i)].Feature = previous.Plain;
            rotated_[static_cast<std::size_t>(i)].Rotated = previous.Turned.Rotated;
        });
}

void TileIndex::ResetUsedCounts()
{
    for (TTileInfo& info : infos_)
        info.UsedCount = 0;
}

int TileIndex::UsedPhotoCount() const
{
    return static_cast<int>(
        std::count_if(infos_.begin(), infos_.end(), [](const TTileInfo& info) { return info.UsedCount > 0; }));
}

} // namespace qx
