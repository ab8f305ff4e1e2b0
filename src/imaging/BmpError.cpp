#include "imaging/BmpError.h"

#include "common/FileIO.h"

namespace qx {

QuiltixError BmpError(const std::filesystem::path& file, const std::string& fault)
{
    return QuiltixError("The BMP file " + QuotedPath(file) + " " + fault + ".");
}

} // namespace qx
