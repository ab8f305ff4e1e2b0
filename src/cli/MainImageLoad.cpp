#include "cli/MainImageLoad.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "imaging/TBitmap32.h"

#include <system_error>

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

// The weights the panel greys its main image with.
constexpr int kMainImageGreyWeights = 1;

} // namespace

TMainImageChoice LoadMainImage(const std::string& file, bool monochrome, TBitmap32& bitmap)
{
    if (file.empty())
        throw QuiltixError("No main image was given; name a JPEG or BMP picture with --main.");
    const fs::path path = fs::absolute(fs::path(file)).lexically_normal();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw QuiltixError("The main image " + QuotedPath(file) + " does not exist.");
    if (DetectImageType(path) == TImageType::Other)
        throw QuiltixError("The main image " + QuotedPath(file) + " is neither a JPEG nor a BMP picture.");
    LoadImageFile(bitmap, path);
    if (monochrome)
        ConvertToGray(bitmap, bitmap, kMainImageGreyWeights);
    return {path, monochrome, bitmap.Width(), bitmap.Height()};
}

} // namespace qx::cli
