#include "imaging/ImageFunctions.h"

#include "common/FileIO.h"
#include "imaging/BmpCodec.h"
#include "imaging/JpegCodec.h"

#include <fstream>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

TImageType DetectImageType(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return TImageType::Other;
    std::ifstream in(file, std::ios::binary);
    char head[2];
    char tail[2];
    if (!in.read(head, 2) || !in.seekg(-2, std::ios::end) || !in.read(tail, 2))
        return TImageType::Other;
    // A JPEG must end with its end-of-image marker: anything appended after
    // it makes the file unknown.
    const bool jpegStart = static_cast<unsigned char>(head[0]) == 0xFF && static_cast<unsigned char>(head[1]) == 0xD8;
    const bool jpegEnd = static_cast<unsigned char>(tail[0]) == 0xFF && static_cast<unsigned char>(tail[1]) == 0xD9;
    if (jpegStart && jpegEnd)
        return TImageType::Jpeg;
    if (head[0] == 'B' && head[1] == 'M')
        return TImageType::Bmp;
    return TImageType::Other;
}

void LoadImageFile(TBitmap32& bitmap, const fs::path& file)
{
    switch (DetectImageType(file)) {
    case TImageType::Jpeg:
        bitmap.Assign(LoadJpegFile(file));
        break;
    case TImageType::Bmp:
        bitmap.Assign(LoadBmpFile(file));
        break;
    case TImageType::Other:
        break;
    }
}

void LoadImageFileScaled(TBitmap32& bitmap, const fs::path& file, int minWidth, int minHeight)
{
    switch (DetectImageType(file)) {
    case TImageType::Jpeg:
        bitmap.Assign(LoadJpegFileScaled(file, minWidth, minHeight));
        break;
    case TImageType::Bmp:
        bitmap.Assign(LoadBmpFile(file));
        break;
    case TImageType::Other:
        break;
    }
}

std::optional<TImageSize> ReadImageFileSize(const fs::path& file)
{
    switch (DetectImageType(file)) {
    case TImageType::Jpeg:
        return ReadJpegSize(ReadWholeFile(file), file);
    case TImageType::Bmp:
        return ReadBmpSize(ReadWholeFile(file), file);
    case TImageType::Other:
        break;
    }
    return std::nullopt;
}

} // namespace qx
