#pragma once

#include "panels/MainImageChoice.h"

#include <string>

namespace qx {
class TBitmap32;
}

namespace qx::cli {

// "Load Main Image": the bitmap takes the picture (grey when monochrome)
// and the choice records the file's absolute path and the picture's size.
// Throws QuiltixError for an empty name, a file that does not exist, and
// a file that is neither a JPEG nor a BMP picture by content, leaving the
// bitmap as it was.
TMainImageChoice LoadMainImage(const std::string& file, bool monochrome, TBitmap32& bitmap);

} // namespace qx::cli
