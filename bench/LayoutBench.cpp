#include "layout/LayerBuilder.h"
#include "render/Session.h"

#include "NoisyGradient.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace {

// An A2 page at 96 PPI covered by a plain grid of 48 x 36 cells: 46 x 44 =
// 2024 cells, each measured on the main image.
void BuildPlainGridLayersOnA2(benchmark::State& state)
{
    qx::Session session(std::filesystem::temp_directory_path() / "qx-layout-bench-no-app-folder", 1);
    qx::TqxProject07& project = session.CurrentProject;
    project.MosaicWidth = 2244;
    project.MosaicHeight = 1584;
    project.CellWidth = 48;
    project.CellHeight = 36;
    qx::TLayerPattern& grid = project.CurrentPattern.Layer(1);
    grid.Enabled = true;
    grid.HorzFactor = 1.0;
    grid.VertFactor = 1.0;
    // A photo-sized main image, so the cells measure varied values.
    const qx::TBitmap32 mainImage = NoisyGradient(1600, 1200, 777, 11);
    for (auto _ : state) {
        state.PauseTiming();
        session.MainImageBitmap.Assign(mainImage);
        state.ResumeTiming();
        qx::BuildLayers(session);
        benchmark::DoNotOptimize(project.Layers[0].Cells.data());
    }
    state.counters["cells"] = project.Layers[0].CellCount();
}
BENCHMARK(BuildPlainGridLayersOnA2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
