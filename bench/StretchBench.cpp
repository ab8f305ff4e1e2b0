#include "imaging/TBitmap32.h"

#include "NoisyGradient.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using qx::TBitmap32;
using qx::TResampler;

// A photo-sized picture, so the filters work on varied values.
TBitmap32 MakePhoto()
{
    return NoisyGradient(640, 480, 12345, 5);
}

void StretchPhotoIntoCell(benchmark::State& state)
{
    TBitmap32 photo = MakePhoto();
    photo.Resampler = static_cast<TResampler>(state.range(0));
    photo.DrawMode = state.range(3) != 0 ? qx::TDrawMode::Blend : qx::TDrawMode::Opaque;
    const int width = static_cast<int>(state.range(1));
    const int height = static_cast<int>(state.range(2));
    TBitmap32 cell(width, height);
    for (auto _ : state) {
        cell.StretchDrawFrom(photo, {0, 0, width, height});
        benchmark::DoNotOptimize(cell.Bits());
        benchmark::ClobberMemory();
    }
}

// Filters: 0 nearest, 4 spline, 5 Lanczos.
BENCHMARK(StretchPhotoIntoCell)
    ->ArgNames({"filter", "w", "h", "blend"})
    ->ArgsProduct({{0, 4, 5}, {48}, {48}, {0, 1}})
    ->ArgsProduct({{0, 4, 5}, {200}, {150}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
