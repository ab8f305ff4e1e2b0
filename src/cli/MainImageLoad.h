#pragma once

#include "panels/MainImageChoice.h"

#include <string>

namespace qx::cli {

// "Load Main Image": the choice records the file's absolute path, the
// monochrome box and the picture's size, read from the file's header; the
// render decodes the picture itself. Throws QuiltixError for an empty name,
// a file that does not exist, a file that is neither a JPEG nor a BMP
// picture by content, and a header the decoder refuses.
TMainImageChoice LoadMainImage(const std::string& file, bool monochrome);

} // namespace qx::cli
