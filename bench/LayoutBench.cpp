#include "layout/LayerBuilder.h"
#include "render/Session.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace {

// A photo-sized main image with gradients and some noise, so the cells
// measure varied values.
qx::TBitmap32 MakeMainImage()
{
    qx::TBitmap32 image(1600, 1200);
    std::uint32_t seed = 777;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const unsigned noise = seed >> 28;
            image.SetPixel(x, y, qx::Color32((x * 255 / 1599 + noise) & 0xFF, (y * 255 / 1199) & 0xFF,
                                             ((x + y) / 11 + noise) & 0xFF));
        }
    return image;
}

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
    const qx::TBitmap32 mainImage = MakeMainImage();
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
