#include "imaging/BmpCodec.h"

#include "common/FileIO.h"
#include "imaging/BmpHeader.h"
#include "imaging/BmpRleDecoder.h"
#include "imaging/BmpRowDecoder.h"

namespace qx {

TBitmap32 DecodeBmp(std::span<const std::uint8_t> bytes, const std::filesystem::path& file)
{
    const TBmpHeader header = ParseBmpHeader(bytes, file);
    TBitmap32 bitmap(header.Width, header.Height);
    if (header.Rle())
        DecodeBmpRle(header, bytes, file, bitmap);
    else
        DecodeBmpRows(header, bytes, bitmap);
    return bitmap;
}

TBitmap32 LoadBmpFile(const std::filesystem::path& file)
{
    return DecodeBmp(ReadWholeFile(file), file);
}

TImageSize ReadBmpSize(std::span<const std::uint8_t> bytes, const std::filesystem::path& file)
{
    const TBmpHeader header = ParseBmpHeader(bytes, file);
    return {header.Width, header.Height};
}

} // namespace qx
