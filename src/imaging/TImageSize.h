#pragma once

namespace qx {

// The pixel size of a picture as its file's header gives it.
struct TImageSize {
    int Width = 0;
    int Height = 0;

    bool operator==(const TImageSize&) const = default;
};

} // namespace qx
