#include "project/LayerFile.h"

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "layout/LayerBuilder.h"
#include "layout/MosaicCellCodec.h"
#include "render/Session.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLayerCount = 7;
constexpr std::size_t kHeaderBytes = kLayerCount * 4;
// Cells go to the file in runs of this many, so a large layout never needs a
// second copy of itself in memory.
constexpr std::size_t kCellsPerWrite = 4096;

using TBlockSizes = std::array<std::int64_t, kLayerCount>;

std::string LayerFileIs(const fs::path& file)
{
    return "The layer file " + QuotedPath(file);
}

std::int32_t BlockSize(const TQXLayer& layer, const fs::path& file, std::size_t k)
{
    if (layer.CellCount() > kMaxLayerCells)
        throw QuiltixError(LayerFileIs(file) + " cannot be written: layer " + std::to_string(k + 1) + " holds " +
                           std::to_string(layer.CellCount()) + " cells, more than the " +
                           std::to_string(kMaxLayerCells) + " a block can hold.");
    return static_cast<std::int32_t>(layer.CellCount() * static_cast<int>(kMosaicCellBytes));
}

void WriteCells(AtomicFileWriter& out, const TQXLayer& layer)
{
    for (std::size_t first = 0; first < layer.Cells.size(); first += kCellsPerWrite) {
        ByteWriter run;
        const std::size_t end = std::min(layer.Cells.size(), first + kCellsPerWrite);
        for (std::size_t i = first; i < end; ++i)
            WriteMosaicCell(run, layer.Cells[i]);
        out.Write(run.Data());
    }
}

// The block sizes of the header, each checked to be a whole number of cells
// and all together to fill the file exactly.
TBlockSizes ReadBlockSizes(const std::vector<std::uint8_t>& bytes, const fs::path& file)
{
    if (bytes.size() < kHeaderBytes)
        throw QuiltixError(LayerFileIs(file) + " is " + std::to_string(bytes.size()) +
                           " bytes long, too short for its 28-byte header.");
    ByteReader reader(bytes);
    TBlockSizes sizes{};
    std::int64_t total = kHeaderBytes;
    for (std::size_t k = 0; k < kLayerCount; ++k) {
        sizes[k] = reader.I32();
        if (sizes[k] < 0 || sizes[k] % static_cast<std::int64_t>(kMosaicCellBytes) != 0)
            throw QuiltixError(LayerFileIs(file) + " gives layer " + std::to_string(k + 1) + " a block of " +
                               std::to_string(sizes[k]) + " bytes, which is not a whole number of 576-byte cells.");
        total += sizes[k];
    }
    if (total != static_cast<std::int64_t>(bytes.size()))
        throw QuiltixError(LayerFileIs(file) + " is " + std::to_string(bytes.size()) +
                           " bytes long, but its block sizes announce " + std::to_string(total) + ".");
    return sizes;
}

void CheckAgainstLayout(const TBlockSizes& sizes, const TqxProject07& project, const fs::path& file)
{
    for (std::size_t k = 0; k < kLayerCount; ++k) {
        const std::int64_t stored = sizes[k] / static_cast<std::int64_t>(kMosaicCellBytes);
        const int built = project.Layers[k].CellCount();
        if (stored != built)
            throw QuiltixError(LayerFileIs(file) + " does not match the project: layer " + std::to_string(k + 1) +
                               " holds " + std::to_string(stored) + " cells in the file but " +
                               std::to_string(built) + " in the layout.");
    }
}

} // namespace

void SaveLayerFile(const TqxProject07& project)
{
    if (project.ProjectStage == 0)
        return;
    if (project.Projectpath.empty())
        throw QuiltixError("The project has no project folder, so its layer file cannot be saved.");
    const fs::path file = fs::path(project.Projectpath) / kLayerFileName;
    ByteWriter header;
    for (std::size_t k = 0; k < kLayerCount; ++k)
        header.I32(BlockSize(project.Layers[k], file, k));
    AtomicFileWriter out(file);
    out.Write(header.Data());
    for (const TQXLayer& layer : project.Layers)
        WriteCells(out, layer);
    out.Commit();
}

bool LoadLayerFile(Session& session)
{
    TqxProject07& project = session.CurrentProject;
    if (project.ProjectStage == 0 || project.Projectpath.empty())
        return false;
    const fs::path file = fs::path(project.Projectpath) / kLayerFileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file);
    const TBlockSizes sizes = ReadBlockSizes(bytes, file);

    TQXPattern pattern;
    session.Masks.ReadPattern(project.MaskIndex, project.PatternIndex, pattern);
    project.CurrentPattern = pattern;
    BuildLayers(session);
    CheckAgainstLayout(sizes, project, file);

    ByteReader reader(bytes);
    reader.Seek(kHeaderBytes);
    for (TQXLayer& layer : project.Layers)
        for (TMosaicCell& cell : layer.Cells)
            cell = ReadMosaicCell(reader);
    return true;
}

} // namespace qx
