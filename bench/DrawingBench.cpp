#include "common/FileIO.h"
#include "render/RenderReporter.h"
#include "render/Session.h"
#include "render/TileDrawing.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One page of 48 x 36 cells of 46 x 44 pixels on a 2244 x 1584 mosaic,
// drawn from 100 photos of about one megapixel.
constexpr int kMosaicWidth = 2244;
constexpr int kMosaicHeight = 1584;
constexpr int kColumns = 48;
constexpr int kRows = 36;
constexpr int kCellWidth = kMosaicWidth / kColumns;
constexpr int kCellHeight = kMosaicHeight / kRows;
constexpr int kPhotoCount = 100;
constexpr int kPhotoWidth = 1152;
constexpr int kPhotoHeight = 864;

// Smooth gradients with a ripple, tinted per photo: compresses like a
// photo, not like a flat colour.
std::vector<std::uint8_t> EncodedPhoto(int k)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kPhotoWidth) * kPhotoHeight * 3);
    std::size_t i = 0;
    for (int y = 0; y < kPhotoHeight; ++y)
        for (int x = 0; x < kPhotoWidth; ++x) {
            const double ripple = 30.0 * std::sin(x * 0.013 + k) * std::cos(y * 0.017);
            rgb[i++] = static_cast<std::uint8_t>(std::lround(40.0 + (k * 2) + 100.0 * x / kPhotoWidth + ripple));
            rgb[i++] = static_cast<std::uint8_t>(std::lround(40.0 + 150.0 * y / kPhotoHeight));
            rgb[i++] = static_cast<std::uint8_t>(std::lround(200.0 - (k * 1.5) - ripple));
        }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, rgb.data(), kPhotoWidth, 0, kPhotoHeight, TJPF_RGB, &jpeg, &size, TJSAMP_420, 90, 0);
    std::vector<std::uint8_t> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

// The photo files, written once per run and removed at exit.
struct TBenchPhotos {
    TBenchPhotos() : Folder(fs::temp_directory_path() / ("qx-drawing-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(Folder);
        for (int k = 0; k < kPhotoCount; ++k) {
            const fs::path file = Folder / ("photo" + std::to_string(k) + ".jpg");
            const std::vector<std::uint8_t> bytes = EncodedPhoto(k);
            qx::WriteFileAtomically(file, std::span<const std::uint8_t>(bytes));
            Files.push_back(file.string());
        }
    }
    ~TBenchPhotos() { fs::remove_all(Folder); }

    fs::path Folder;
    std::vector<std::string> Files;
};

const std::vector<std::string>& BenchPhotoFiles()
{
    static const TBenchPhotos photos;
    return photos.Files;
}

qx::TBitmap32 BenchMainImage()
{
    qx::TBitmap32 image(kMosaicWidth / 2, kMosaicHeight / 2);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetPixel(x, y, qx::Color32(static_cast<unsigned>(x * 255 / image.Width()),
                                             static_cast<unsigned>(y * 255 / image.Height()), 128));
    return image;
}

// The project's defaults, the alpha table a ramp, every cell with a photo.
std::unique_ptr<qx::Session> BenchSession()
{
    auto session = std::make_unique<qx::Session>(fs::temp_directory_path() / "qx-drawing-bench-no-app-folder", 1);
    qx::TqxProject07& p = session->CurrentProject;
    p.MosaicWidth = kMosaicWidth;
    p.MosaicHeight = kMosaicHeight;
    p.CellWidth = kCellWidth;
    p.CellHeight = kCellHeight;
    for (int i = 0; i < 256; ++i)
        p.AlphaTable[static_cast<std::size_t>(i)] = i / 2;
    session->RenderCellImgList = BenchPhotoFiles();
    session->MainImageBitmap = BenchMainImage();
    session->MosaicBitmap.SetSize(kMosaicWidth, kMosaicHeight);
    qx::TQXLayer& layer = p.Layers[0];
    layer.Enabled = true;
    for (int i = 0; i < kColumns * kRows; ++i) {
        qx::TMosaicCell cell;
        const int x = (i % kColumns) * kCellWidth;
        const int y = (i / kColumns) * kCellHeight;
        cell.CellRect = {x, y, x + kCellWidth, y + kCellHeight};
        cell.PhotoIndex = (i * 37) % kPhotoCount;
        cell.HasPhoto = true;
        cell.CorrRed = (i % 11) - 5;
        cell.FlipH = i % 2 == 0;
        layer.Cells.push_back(cell);
    }
    return session;
}

void BM_DrawPageParallel(benchmark::State& state)
{
    auto session = BenchSession();
    qx::SilentReporter quiet;
    for (auto _ : state) {
        qx::DrawLayers(*session, {0, 0, kMosaicWidth, kMosaicHeight}, quiet);
        benchmark::DoNotOptimize(session->MosaicBitmap.Bits());
    }
}

// Every cell on its own, as a cell tool draws it: one decode per cell, one
// thread.
void BM_DrawPageCellByCell(benchmark::State& state)
{
    auto session = BenchSession();
    for (auto _ : state) {
        for (int i = 0; i < kColumns * kRows; ++i)
            qx::DrawCell(*session, 1, i, session->MosaicBitmap, {0, 0, kMosaicWidth, kMosaicHeight});
        benchmark::DoNotOptimize(session->MosaicBitmap.Bits());
    }
}

BENCHMARK(BM_DrawPageParallel)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawPageCellByCell)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
