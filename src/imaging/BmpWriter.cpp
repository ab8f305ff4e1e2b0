#include "imaging/BmpCodec.h"

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpFormat.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace qx {

namespace {

// Rows are gathered into chunks of about this size before each write, so a
// page of several hundred megabytes never needs a second copy in memory.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

using TRowPacker = void (*)(const TColor32* pixels, int width, std::uint8_t* out);

void PackRow32(const TColor32* pixels, int width, std::uint8_t* out)
{
    for (int x = 0; x < width; ++x, out += 4) {
        const TColor32 c = pixels[x];
        out[0] = static_cast<std::uint8_t>(BlueOf(c));
        out[1] = static_cast<std::uint8_t>(GreenOf(c));
        out[2] = static_cast<std::uint8_t>(RedOf(c));
        out[3] = static_cast<std::uint8_t>(AlphaOf(c));
    }
}

void PackRow24(const TColor32* pixels, int width, std::uint8_t* out)
{
    for (int x = 0; x < width; ++x, out += 3) {
        const TColor32 c = pixels[x];
        out[0] = static_cast<std::uint8_t>(BlueOf(c));
        out[1] = static_cast<std::uint8_t>(GreenOf(c));
        out[2] = static_cast<std::uint8_t>(RedOf(c));
    }
}

std::vector<std::uint8_t> BuildHeaders(const TBitmap32& bitmap, unsigned bitsPerPixel,
                                       std::uint32_t imageSize, TBmpResolution resolution)
{
    const auto headersSize = static_cast<std::uint32_t>(kBmpFileHeaderSize + kBmpInfoHeaderSize);
    ByteWriter w;
    w.U8('B');
    w.U8('M');
    w.U32(headersSize + imageSize);
    w.U32(0);
    w.U32(headersSize);
    w.U32(static_cast<std::uint32_t>(kBmpInfoHeaderSize));
    w.I32(bitmap.Width());
    w.I32(bitmap.Height());
    w.U16(1);
    w.U16(static_cast<std::uint16_t>(bitsPerPixel));
    w.U32(kBmpRgb);
    w.U32(imageSize);
    w.I32(resolution.XPelsPerMeter);
    w.I32(resolution.YPelsPerMeter);
    w.U32(0);
    w.U32(0);
    return std::move(w.Data());
}

void SaveBmp(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution,
             unsigned bitsPerPixel, TRowPacker pack)
{
    if (bitmap.Empty())
        throw QuiltixError("The BMP file " + QuotedPath(file) +
                           " cannot be written because the picture is empty.");
    const std::uint64_t stride = BmpRowStride(static_cast<std::uint64_t>(bitmap.Width()), bitsPerPixel);
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(bitmap.Height());
    const std::uint64_t limit = std::numeric_limits<std::uint32_t>::max() - kBmpFileHeaderSize - kBmpInfoHeaderSize;
    if (imageSize > limit)
        throw QuiltixError("The BMP file " + QuotedPath(file) + " cannot be written because a " +
                           std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height()) +
                           " picture exceeds the 4 GB size limit of the format.");

    AtomicFileWriter out(file);
    out.Write(BuildHeaders(bitmap, bitsPerPixel, static_cast<std::uint32_t>(imageSize), resolution));

    const int rowsPerChunk = static_cast<int>(std::clamp<std::uint64_t>(kChunkBytes / stride, 1, bitmap.Height()));
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(stride) * rowsPerChunk, 0);
    // Bottom-up: the last row of the picture is stored first.
    for (int y = bitmap.Height() - 1; y >= 0;) {
        const int rows = std::min(rowsPerChunk, y + 1);
        for (int i = 0; i < rows; ++i, --y)
            pack(bitmap.ScanLine(y), bitmap.Width(), chunk.data() + static_cast<std::size_t>(stride) * i);
        out.Write(std::span<const std::uint8_t>(chunk.data(), static_cast<std::size_t>(stride) * rows));
    }
    out.Commit();
}

} // namespace

void SaveBmp32(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution)
{
    SaveBmp(file, bitmap, resolution, 32, PackRow32);
}

void SaveBmp24(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution)
{
    SaveBmp(file, bitmap, resolution, 24, PackRow24);
}

} // namespace qx
