#include "imaging/Halftone.h"
#include "library/TileFeature.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

qx::TBitmap32 NoisePicture(int width, int height)
{
    std::mt19937 random(1);
    qx::TBitmap32 picture(width, height);
    for (int i = 0; i < width * height; ++i)
        picture.Bits()[i] = random();
    return picture;
}

void BM_HalftoneTo64(benchmark::State& state)
{
    const qx::TBitmap32 source = NoisePicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    qx::TBitmap24 dest(64, 64);
    for (auto _ : state) {
        qx::HalftoneResample(source, dest);
        benchmark::DoNotOptimize(dest.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_HalftoneTo64)->Args({640, 480})->Args({3000, 2000})->Unit(benchmark::kMillisecond);

// A library photo (1 MP), a cell tile and a wide tile: the sizes features
// are computed at while indexing, laying out and drawing.
void BM_ComputeTileFeature(benchmark::State& state)
{
    const qx::TBitmap32 source = NoisePicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qx::ComputeTileFeature(source));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeTileFeature)->Args({1024, 1024})->Args({48, 36})->Args({180, 90})->Unit(benchmark::kMicrosecond);

} // namespace
