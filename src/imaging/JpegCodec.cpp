#include "imaging/JpegCodec.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpFormat.h"

#include <turbojpeg.h>

#include <bit>
#include <cstdio>
#include <limits>
#include <string>

namespace qx {

namespace {

namespace fs = std::filesystem;

// Bytes B, G, R, A in memory are one ARGB word on a little-endian machine.
constexpr int kArgbPixelFormat = std::endian::native == std::endian::little ? TJPF_BGRA : TJPF_ARGB;

constexpr std::size_t kMessageSize = 256;

struct TJpegInfo {
    int Width = 0;
    int Height = 0;
    int ColourSpace = TJCS_RGB;
};

// Every TurboJPEG decoding call lives here. The library recovers from errors
// by longjmp, so this frame holds plain data only: no destructor can be
// skipped, whatever the library does. With dst null only the header is
// read. Returns false on a fatal error, with the decoder's message; a
// warning (a truncated or slightly damaged file) still leaves a usable
// picture and counts as success.
bool RunTurboJpeg(const unsigned char* src, unsigned long size, TJpegInfo* info, unsigned char* dst, int width,
                  int height, int pixelFormat, char* message)
{
    tjhandle handle = tjInitDecompress();
    if (!handle) {
        std::snprintf(message, kMessageSize, "%s", tjGetErrorStr2(nullptr));
        return false;
    }
    int subsampling = 0;
    int status = tjDecompressHeader3(handle, src, size, &info->Width, &info->Height, &subsampling,
                                     &info->ColourSpace);
    bool fatal = status != 0 && tjGetErrorCode(handle) == TJERR_FATAL;
    if (!fatal && dst) {
        status = tjDecompress2(handle, src, size, dst, width, 0, height, pixelFormat, 0);
        fatal = status != 0 && tjGetErrorCode(handle) == TJERR_FATAL;
    }
    if (fatal)
        std::snprintf(message, kMessageSize, "%s", tjGetErrorStr2(handle));
    tjDestroy(handle);
    return !fatal;
}

std::string JpegFault(const fs::path& file, const std::string& fault)
{
    return "The JPEG file " + QuotedPath(file) + " " + fault + ".";
}

QuiltixError DecoderError(const fs::path& file, std::string message)
{
    while (!message.empty() && (message.back() == '.' || message.back() == ' ' || message.back() == '\n'))
        message.pop_back();
    return QuiltixError(JpegFault(file, "cannot be decoded: " + message));
}

TJpegInfo ReadInfo(std::span<const std::uint8_t> bytes, const fs::path& file)
{
    TJpegInfo info;
    char message[kMessageSize] = {};
    if (!RunTurboJpeg(bytes.data(), bytes.size(), &info, nullptr, 0, 0, 0, message))
        throw DecoderError(file, message);
    if (info.Width <= 0 || info.Height <= 0)
        throw DecoderError(file, "its header gives no picture size");
    const std::string size = std::to_string(info.Width) + " x " + std::to_string(info.Height);
    if (info.Width > kMaxImageSide || info.Height > kMaxImageSide)
        throw QuiltixError(JpegFault(file, "claims " + size + " pixels, more than the limit of " +
                                               std::to_string(kMaxImageSide) + " pixels a side"));
    if (static_cast<std::uint64_t>(info.Width) * static_cast<std::uint64_t>(info.Height) > kMaxImagePixels)
        throw QuiltixError(JpegFault(file, "claims " + size + " pixels, more than the limit of 200 megapixels"));
    return info;
}

// The decoder keeps CMYK as CMYK; it stores the inverted form Adobe's
// programs write (255 = no ink), so each channel times K gives the colour.
void ConvertInvertedCmyk(TBitmap32& bitmap)
{
    const std::size_t count = static_cast<std::size_t>(bitmap.Width()) * bitmap.Height();
    auto* bytes = reinterpret_cast<unsigned char*>(bitmap.Bits());
    TColor32* pixels = bitmap.Bits();
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* p = bytes + 4 * i;
        const unsigned k = p[3];
        pixels[i] = Color32((p[0] * k + 127) / 255, (p[1] * k + 127) / 255, (p[2] * k + 127) / 255);
    }
}

struct TColourRoute {
    int ColourSpace;
    int PixelFormat;
    void (*Finish)(TBitmap32&);
};

constexpr TColourRoute kCmykRoutes[] = {
    {TJCS_CMYK, TJPF_CMYK, ConvertInvertedCmyk},
    {TJCS_YCCK, TJPF_CMYK, ConvertInvertedCmyk},
};

TColourRoute RouteFor(int colourSpace)
{
    for (const TColourRoute& route : kCmykRoutes)
        if (route.ColourSpace == colourSpace)
            return route;
    return {colourSpace, kArgbPixelFormat, nullptr};
}

// The smallest scaling factor whose result still covers minWidth x
// minHeight; 1/1 when none does. Starting from 1/1 and taking only smaller
// results keeps the enlarging factors out.
tjscalingfactor ChooseScale(const TJpegInfo& info, int minWidth, int minHeight)
{
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    tjscalingfactor best{1, 1};
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        const int w = TJSCALED(info.Width, f);
        const int h = TJSCALED(info.Height, f);
        const bool covers = w >= minWidth && h >= minHeight;
        if (covers && w <= TJSCALED(info.Width, best) && h <= TJSCALED(info.Height, best))
            best = f;
    }
    return best;
}

TBitmap32 Decode(std::span<const std::uint8_t> bytes, const fs::path& file, int minWidth, int minHeight)
{
    TJpegInfo info = ReadInfo(bytes, file);
    const tjscalingfactor scale = ChooseScale(info, minWidth, minHeight);
    TBitmap32 bitmap(TJSCALED(info.Width, scale), TJSCALED(info.Height, scale));
    const TColourRoute route = RouteFor(info.ColourSpace);
    char message[kMessageSize] = {};
    if (!RunTurboJpeg(bytes.data(), bytes.size(), &info, reinterpret_cast<unsigned char*>(bitmap.Bits()),
                      bitmap.Width(), bitmap.Height(), route.PixelFormat, message))
        throw DecoderError(file, message);
    if (route.Finish)
        route.Finish(bitmap);
    return bitmap;
}

} // namespace

TBitmap32 DecodeJpeg(std::span<const std::uint8_t> bytes, const fs::path& file)
{
    // No scaled size covers "as large as possible", so 1/1 is chosen.
    constexpr int kFullSize = std::numeric_limits<int>::max();
    return Decode(bytes, file, kFullSize, kFullSize);
}

TBitmap32 LoadJpegFile(const fs::path& file)
{
    return DecodeJpeg(ReadWholeFile(file), file);
}

TBitmap32 DecodeJpegScaled(std::span<const std::uint8_t> bytes, const fs::path& file, int minWidth, int minHeight)
{
    return Decode(bytes, file, minWidth, minHeight);
}

TBitmap32 LoadJpegFileScaled(const fs::path& file, int minWidth, int minHeight)
{
    return DecodeJpegScaled(ReadWholeFile(file), file, minWidth, minHeight);
}

TImageSize ReadJpegSize(std::span<const std::uint8_t> bytes, const fs::path& file)
{
    const TJpegInfo info = ReadInfo(bytes, file);
    return {info.Width, info.Height};
}

} // namespace qx
