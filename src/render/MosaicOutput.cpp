#include "render/MosaicOutput.h"

#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "imaging/ColorValue.h"
#include "project/ProjectFiles.h"
#include "render/ProjectOutputFile.h"
#include "render/RenderReporter.h"
#include "render/Session.h"
#include "render/TileDrawing.h"
#include "render/TilePreparation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace qx {

namespace {

struct TPageGrid {
    int PageWidth = 0;
    int PageHeight = 0;
    int Columns = 0;
    int Rows = 0;
    bool Single() const { return Columns == 1 && Rows == 1; }
};

// Whole pages, plus one for a remainder.
int PagesAlong(int length, int page)
{
    return length / page + (page * (length / page) < length ? 1 : 0);
}

TPageGrid PageGridOf(const TqxProject07& project)
{
    if (project.PageWidth < 1 || project.PageHeight < 1)
        throw QuiltixError("The page size " + std::to_string(project.PageWidth) + " x " +
                           std::to_string(project.PageHeight) + " of the project in \"" + project.Projectpath +
                           "\" leaves no page to draw.");
    return {project.PageWidth, project.PageHeight, PagesAlong(project.MosaicWidth, project.PageWidth),
            PagesAlong(project.MosaicHeight, project.PageHeight)};
}

// Page (i, j) in mosaic pixels, cut at the mosaic's right and bottom edges.
TRect PageRect(const TqxProject07& project, const TPageGrid& grid, int i, int j)
{
    const auto edge = [](int index, int page, int limit) {
        return static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(index) * page, limit));
    };
    return {i * grid.PageWidth, j * grid.PageHeight, edge(i + 1, grid.PageWidth, project.MosaicWidth),
            edge(j + 1, grid.PageHeight, project.MosaicHeight)};
}

std::string PageFileName(const TPageGrid& grid, int i, int j)
{
    if (grid.Single())
        return "output.bmp";
    return "output_x" + std::to_string(i) + "y" + std::to_string(j) + ".bmp";
}

std::int32_t PixelsPerMetre(int ppi)
{
    return static_cast<std::int32_t>(std::lround(ppi / 2.54 * 100.0));
}

} // namespace

void DrawAndWriteMosaic(Session& session, RenderReporter& reporter)
{
    TqxProject07& project = session.CurrentProject;
    CheckDrawingSettings(project);
    const TPageGrid grid = PageGridOf(project);
    // Asked once up front, so a project without a folder is refused before
    // anything is drawn.
    static_cast<void>(ProjectOutputFile(project, PageFileName(grid, 0, 0)));
    reporter.AddLogLine("Draw Mosaics");
    reporter.AddLogLine("Clearning Main Mosaic Canvas");
    const TColor32 ground = ColorValueToPixel(project.BorderColor);
    session.MosaicBitmap.Clear(ground);
    reporter.AddLogLine("drawing tiles");
    std::filesystem::path written;
    for (int i = 0; i < grid.Columns; ++i)
        for (int j = 0; j < grid.Rows; ++j) {
            session.MosaicBitmap.SetSize(grid.PageWidth, grid.PageHeight);
            session.MosaicBitmap.Clear(ground);
            DrawLayers(session, PageRect(project, grid, i, j), reporter);
            const bool last = i == grid.Columns - 1 && j == grid.Rows - 1;
            const std::int32_t ppm = last ? PixelsPerMetre(project.PPI) : 0;
            written = ProjectOutputFile(project, PageFileName(grid, i, j));
            SaveBmp32(written, session.MosaicBitmap, {ppm, ppm});
            reporter.MosaicChanged();
        }
    reporter.AddLogLine("Draw Mosaics.......................Done");
    reporter.AddLogLine("PhotoMosaic Saved to " + written.string());
    project.ProjectStage = 2;
    SaveProjectFiles(project);
}

} // namespace qx
