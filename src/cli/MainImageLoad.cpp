#include "cli/MainImageLoad.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"

#include <optional>
#include <system_error>

namespace qx::cli {

namespace fs = std::filesystem;

TMainImageChoice LoadMainImage(const std::string& file, bool monochrome)
{
    if (file.empty())
        throw QuiltixError("No main image was given; name a JPEG or BMP picture with --main.");
    const fs::path path = fs::absolute(fs::path(file)).lexically_normal();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw QuiltixError("The main image " + QuotedPath(file) + " does not exist.");
    const std::optional<TImageSize> size = ReadImageFileSize(path);
    if (!size)
        throw QuiltixError("The main image " + QuotedPath(file) + " is neither a JPEG nor a BMP picture.");
    return {path, monochrome, size->Width, size->Height};
}

} // namespace qx::cli
