#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "matching/CellMatcher.h"
#include "matching/DifferenceMeasures.h"
#include "matching/TileAssignment.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

constexpr int kPhotos = 1001;

qx::TTileFeature RandomFeature(std::mt19937& rng)
{
    std::uniform_int_distribution<unsigned> byte(0, 255);
    qx::TTileFeature f;
    for (std::uint32_t& w : f.Words)
        w = qx::MakeBlockColor(byte(rng), byte(rng), byte(rng), byte(rng));
    return f;
}

qx::TWeightVector RandomWeights(std::mt19937& rng)
{
    std::uniform_int_distribution<int> grey(0, 255);
    qx::TWeightVector w;
    for (float& x : w)
        x = static_cast<float>(grey(rng)) / 255.0f;
    return w;
}

qx::TCurveTable RampTable()
{
    qx::TCurveTable t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = static_cast<std::int32_t>(255 - i / 2);
    return t;
}

// A session with kPhotos random photo features (through the index files)
// and one layer of columns x rows random cells, weighed by a mask-like
// vector, with both mirrors allowed.
std::unique_ptr<qx::Session> BenchSession(int columns, int rows)
{
    std::mt19937 rng(7);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qx_matching_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    qx::ByteWriter infos;
    infos.I32(kPhotos);
    for (int p = 0; p < kPhotos; ++p) {
        infos.Zeros(12);
        for (std::uint32_t w : RandomFeature(rng).Words)
            infos.U32(w);
    }
    qx::ByteWriter none;
    none.I32(0);
    qx::WriteFileAtomically(dir / "LibInfo.cls", infos.Data());
    qx::WriteFileAtomically(dir / "LibInfo_R.cls", none.Data());

    auto session = std::make_unique<qx::Session>(dir, 1);
    session->PhotoIndex.LoadTileIndex(dir);
    std::filesystem::remove_all(dir);

    qx::TqxProject07& p = session->CurrentProject;
    p.AllowHorzFlip = true;
    p.AllowVertFlip = true;
    p.RandomLevel = 4;
    p.EnhanceTable = RampTable();
    session->LayerWeights[1] = RandomWeights(rng);
    qx::TQXLayer& layer = p.Layers[0];
    layer.Enabled = true;
    layer.Cells.assign(static_cast<std::size_t>(columns * rows), qx::TMosaicCell{});
    for (int i = 0; i < columns * rows; ++i) {
        qx::TMosaicCell& c = layer.Cells[static_cast<std::size_t>(i)];
        const int x = (i % columns) * 48;
        const int y = (i / columns) * 48;
        c.CellRect = qx::TRect{x, y, x + 48, y + 48};
        c.Feature = RandomFeature(rng);
        c.Priority = 1;
    }
    return session;
}

void BM_MatchCurve(benchmark::State& state)
{
    std::mt19937 rng(3);
    const qx::TTileFeature photo = RandomFeature(rng);
    const qx::TTileFeature cell = RandomFeature(rng);
    const qx::TWeightVector weights = RandomWeights(rng);
    const qx::TCurveTable table = RampTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(qx::MatchCurve(photo, cell, true, table, weights, false, true));
}
BENCHMARK(BM_MatchCurve);

// The candidate search's inner step: one photo against a prepared cell.
void BM_MatchCurvePreparedCell(benchmark::State& state)
{
    std::mt19937 rng(3);
    const qx::TTileFeature photo = RandomFeature(rng);
    const qx::TTileFeature cell = RandomFeature(rng);
    const qx::TCellMatcher matcher(cell, false, true, true, RandomWeights(rng));
    const qx::TCurveTable table = RampTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(matcher.Curve(photo, table));
}
BENCHMARK(BM_MatchCurvePreparedCell);

void BM_FindCandidates(benchmark::State& state)
{
    auto session = BenchSession(1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(qx::FindCandidates(*session, 1, 0));
    state.SetItemsProcessed(state.iterations() * kPhotos);
}
BENCHMARK(BM_FindCandidates)->Unit(benchmark::kMicrosecond);

void BM_CycleTilePass(benchmark::State& state)
{
    auto session = BenchSession(48, 36);
    qx::SilentReporter quiet;
    for (auto _ : state) {
        state.PauseTiming();
        for (qx::TMosaicCell& c : session->CurrentProject.Layers[0].Cells) {
            c.HasPhoto = false;
            c.PhotoIndex = -1;
        }
        state.ResumeTiming();
        qx::CycleTilePass(*session, quiet);
    }
}
BENCHMARK(BM_CycleTilePass)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CycleLibPass(benchmark::State& state)
{
    auto session = BenchSession(48, 36);
    session->CurrentProject.LimitRepeat = true;
    session->CurrentProject.MinRepeat = 1;
    qx::SilentReporter quiet;
    for (auto _ : state) {
        state.PauseTiming();
        for (qx::TMosaicCell& c : session->CurrentProject.Layers[0].Cells)
            c.HasPhoto = false;
        state.ResumeTiming();
        qx::CycleLibPass(*session, quiet);
    }
}
BENCHMARK(BM_CycleLibPass)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
