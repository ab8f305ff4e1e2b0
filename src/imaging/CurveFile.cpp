#include "imaging/CurveFile.h"

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include <algorithm>
#include <vector>
#include <fstream>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

// Reads at most the curve's 40 bytes, so a wrong file picked in a dialog
// is never loaded whole.
std::vector<std::uint8_t> ReadCurveBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw QuiltixError("The curve file " + QuotedPath(file) + " cannot be opened for reading.");
    std::vector<std::uint8_t> bytes(kCurveFileSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || (!in && !in.eof()))
        throw QuiltixError("The curve file " + QuotedPath(file) + " cannot be read.");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

bool ReadCurveFile(const fs::path& file, TCurvePoints& points)
{
    std::error_code ec;
    if (!fs::exists(file, ec))
        return false;
    if (fs::is_directory(file, ec))
        throw QuiltixError("The curve file " + QuotedPath(file) + " is a folder, not a file.");

    const std::vector<std::uint8_t> bytes = ReadCurveBytes(file);
    ByteReader reader(bytes);
    for (TCurvePoint& p : points) {
        for (std::int32_t* value : {&p.x, &p.y}) {
            if (reader.Remaining() < 4)
                return true;
            *value = std::clamp(reader.I32(), 0, 255);
        }
    }
    return true;
}

void WriteCurveFile(const fs::path& file, const TCurvePoints& points)
{
    ByteWriter writer;
    for (const TCurvePoint& p : points) {
        writer.I32(p.x);
        writer.I32(p.y);
    }
    WriteFileAtomically(file, writer.Data());
}

} // namespace qx
