#include "render/TilePhotoCache.h"

#include <stdexcept>
#include <string>

namespace qx {

TilePhotoCache::TilePhotoCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

void TilePhotoCache::Expect(const TTilePhotoKey& key)
{
    std::unique_ptr<TEntry>& entry = entries_[key];
    if (!entry)
        entry = std::make_unique<TEntry>();
    ++entry->Remaining;
}

TilePhotoCache::TEntry& TilePhotoCache::EntryOf(const TTilePhotoKey& key)
{
    const auto found = entries_.find(key);
    if (found == entries_.end())
        throw std::logic_error("Photo " + std::to_string(key.Photo) + " was acquired from the tile photo cache without being expected.");
    return *found->second;
}

std::shared_ptr<const TBitmap32> TilePhotoCache::Acquire(const TTilePhotoKey& key, const TLoader& load)
{
    TEntry& entry = EntryOf(key);
    std::lock_guard lock(entry.Mutex);
    if (!entry.Photo) {
        auto photo = std::make_shared<const TBitmap32>(load());
        entry.Bytes = static_cast<std::size_t>(photo->Width()) * static_cast<std::size_t>(photo->Height()) * sizeof(TColor32);
        entry.Photo = std::move(photo);
        held_ += entry.Bytes;
    }
    return entry.Photo;
}

void TilePhotoCache::Release(const TTilePhotoKey& key)
{
    TEntry& entry = EntryOf(key);
    std::lock_guard lock(entry.Mutex);
    --entry.Remaining;
    if (entry.Photo && (entry.Remaining <= 0 || held_ > budget_)) {
        held_ -= entry.Bytes;
        entry.Photo.reset();
    }
}

} // namespace qx
