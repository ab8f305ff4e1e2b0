#pragma once

#include "imaging/TBitmap32.h"
#include "render/TilePhoto.h"

#include <atomic>
#include <compare>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace qx {

// One decoded cell photo: its number in the cell image list and the least
// size it was decoded for.
struct TTilePhotoKey {
    int Photo = -1;
    TPixelSize Size;
    auto operator<=>(const TTilePhotoKey&) const = default;
};

// The decoded photos of one page, shared by the cells that show the same
// photo at the same size, so each is decoded once. Every photo is dropped
// when its last announced cell has released it, and at every release while
// the cache holds more than its budget (a later cell then decodes it again,
// to the same pixels). Announce all uses with Expect before drawing starts;
// Acquire and Release may then be called from several threads at once.
class TilePhotoCache {
public:
    using TLoader = std::function<TBitmap32()>;

    explicit TilePhotoCache(std::size_t budgetBytes);

    // One more cell will acquire this photo.
    void Expect(const TTilePhotoKey& key);
    // The photo, made by load() unless it is held; cells asking for the same
    // photo meanwhile wait for that one load. An exception from load() leaves
    // the photo unloaded and reaches the caller. The key must be expected.
    std::shared_ptr<const TBitmap32> Acquire(const TTilePhotoKey& key, const TLoader& load);
    // Ends one announced use of the photo.
    void Release(const TTilePhotoKey& key);

    std::size_t HeldBytes() const { return held_; }

private:
    struct TEntry {
        std::mutex Mutex;
        std::shared_ptr<const TBitmap32> Photo;
        std::size_t Bytes = 0;
        int Remaining = 0;
    };

    TEntry& EntryOf(const TTilePhotoKey& key);

    std::size_t budget_;
    std::atomic<std::size_t> held_{0};
    // Filled by Expect only, so lookups from several threads need no lock.
    std::map<TTilePhotoKey, std::unique_ptr<TEntry>> entries_;
};

} // namespace qx
