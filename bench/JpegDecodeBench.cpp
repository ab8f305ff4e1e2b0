#include "imaging/JpegCodec.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct TBenchPicture {
    int Width;
    int Height;
};

// About one and about six megapixels, the sizes of small and camera photos.
constexpr TBenchPicture kPictures[] = {{1152, 864}, {3000, 2000}};

// Smooth gradients with a gentle ripple: compresses like a photo, not like
// a flat colour.
std::vector<std::uint8_t> SmoothPicture(int width, int height)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    std::size_t i = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double ripple = 40.0 * std::sin(x * 0.013) * std::cos(y * 0.017);
            rgb[i++] = static_cast<std::uint8_t>(std::lround(100.0 + 100.0 * x / width + ripple));
            rgb[i++] = static_cast<std::uint8_t>(std::lround(60.0 + 150.0 * y / height));
            rgb[i++] = static_cast<std::uint8_t>(std::lround(180.0 - ripple));
        }
    return rgb;
}

std::vector<std::uint8_t> EncodePicture(const TBenchPicture& picture)
{
    const std::vector<std::uint8_t> rgb = SmoothPicture(picture.Width, picture.Height);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, rgb.data(), picture.Width, 0, picture.Height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 90, 0);
    std::vector<std::uint8_t> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

const std::vector<std::uint8_t>& Encoded(std::int64_t index)
{
    static const std::vector<std::uint8_t> pictures[] = {EncodePicture(kPictures[0]), EncodePicture(kPictures[1])};
    return pictures[index];
}

void SetPictureLabel(benchmark::State& state)
{
    const TBenchPicture& picture = kPictures[state.range(0)];
    state.SetLabel(std::to_string(picture.Width) + "x" + std::to_string(picture.Height));
}

void DecodeScaled(benchmark::State& state, int minWidth, int minHeight)
{
    const auto& jpeg = Encoded(state.range(0));
    for (auto _ : state) {
        qx::TBitmap32 bitmap = qx::DecodeJpegScaled(jpeg, "bench.jpg", minWidth, minHeight);
        benchmark::DoNotOptimize(bitmap.Bits());
    }
    SetPictureLabel(state);
}

void BM_JpegDecodeFull(benchmark::State& state)
{
    const auto& jpeg = Encoded(state.range(0));
    for (auto _ : state) {
        qx::TBitmap32 bitmap = qx::DecodeJpeg(jpeg, "bench.jpg");
        benchmark::DoNotOptimize(bitmap.Bits());
    }
    SetPictureLabel(state);
}

void BM_JpegDecodeForFeature64(benchmark::State& state)
{
    DecodeScaled(state, 64, 64);
}

void BM_JpegDecodeForCell48(benchmark::State& state)
{
    DecodeScaled(state, 48, 48);
}

BENCHMARK(BM_JpegDecodeFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeForFeature64)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeForCell48)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
