#include "panels/PhotoFolderScan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 3> kScannedExtensions{".JPG", ".BMP", ".GIF"};

bool HasScannedExtension(const fs::path& file)
{
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return std::find(kScannedExtensions.begin(), kScannedExtensions.end(), extension) != kScannedExtensions.end();
}

// Sorted so the list does not depend on the order the file system keeps.
std::vector<fs::directory_entry> SortedEntries(const fs::path& folder)
{
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
    return entries;
}

} // namespace

void AppendPhotoFolder(const fs::path& folder, bool recursive, std::vector<std::string>& photos)
{
    for (const fs::directory_entry& entry : SortedEntries(folder)) {
        std::error_code ec;
        if (entry.is_directory(ec)) {
            // A linked folder may lead back to one being scanned.
            if (recursive && !entry.is_symlink(ec))
                AppendPhotoFolder(entry.path(), recursive, photos);
        } else if (HasScannedExtension(entry.path())) {
            photos.push_back(entry.path().string());
        }
    }
}

} // namespace qx
