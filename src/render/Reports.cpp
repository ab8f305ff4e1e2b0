#include "render/Reports.h"

#include "imaging/BmpCodec.h"
#include "render/DifferenceChart.h"
#include "render/ProjectOutputFile.h"
#include "render/Session.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qx {

namespace {

// The tile plan lists no more photos than this.
constexpr int kMaxPlanPhotos = 65536;

// The cell image list entry of a photo; an index longer than the list has
// no file to name.
std::string PhotoFileOf(const Session& session, int photo)
{
    return photo < static_cast<int>(session.RenderCellImgList.size())
               ? session.RenderCellImgList[static_cast<std::size_t>(photo)]
               : std::string();
}

void WriteUsageCounter(Session& session)
{
    std::vector<std::string>& lines = session.ReportBuffer;
    lines.clear();
    std::int64_t total = 0;
    for (int p = 0; p < session.PhotoIndex.TileInfoCount(); ++p) {
        const std::int32_t uses = session.PhotoIndex.TileInfo(p).UsedCount;
        total += uses;
        lines.push_back("Use time: " + std::to_string(uses) + "   filename: " + PhotoFileOf(session, p));
    }
    lines.push_back("total use time " + std::to_string(total));
    WriteTextLines(ProjectOutputFile(session.CurrentProject, "FileUsageCounter.txt"), lines);
}

void WriteDifferenceChart(const Session& session)
{
    std::vector<std::int32_t> values;
    for (const TQXLayer& layer : session.CurrentProject.Layers)
        if (layer.Enabled)
            for (const TMosaicCell& cell : layer.Cells)
                values.push_back(cell.FinalDifference);
    SaveBmp24(ProjectOutputFile(session.CurrentProject, "stat.bmp"), DrawDifferenceChart(std::move(values)));
}

// Photo number -> plan number of every used photo, in increasing photo order.
std::map<int, int> PlanNumbers(const Session& session)
{
    std::map<int, int> plan;
    for (int p = 0; p < session.PhotoIndex.TileInfoCount() && static_cast<int>(plan.size()) < kMaxPlanPhotos; ++p)
        if (session.PhotoIndex.TileInfo(p).UsedCount > 0)
            plan.emplace(p, static_cast<int>(plan.size()));
    return plan;
}

void AddPlanLegend(Session& session, const std::map<int, int>& plan)
{
    std::vector<std::string>& lines = session.ReportBuffer;
    lines.push_back("Total Used Tile count: " + std::to_string(plan.size()) + " from " +
                    std::to_string(session.PhotoIndex.TileInfoCount()) + " Tiles");
    lines.push_back("--------------");
    lines.push_back("Plan ID to File Name ");
    for (const auto& [photo, id] : plan)
        lines.push_back(" ID " + std::to_string(id) + " use count:" +
                        std::to_string(session.PhotoIndex.TileInfo(photo).UsedCount) +
                        "  filename: " + PhotoFileOf(session, photo));
    lines.push_back("--------------");
    lines.push_back("Mosaic Construction Plan");
}

// A row ends where a cell lies further left than the cell before it.
void AddLayerRows(std::vector<std::string>& lines, const TQXLayer& layer, const std::map<int, int>& plan)
{
    std::string row = "  ";
    int rows = 0;
    for (std::size_t i = 0; i < layer.Cells.size(); ++i) {
        const auto found = plan.find(layer.Cells[i].PhotoIndex);
        const std::string id = FormatPlanNumber(found == plan.end() ? -1 : found->second);
        if (i > 0 && layer.Cells[i].CellRect.Left < layer.Cells[i - 1].CellRect.Left) {
            lines.push_back("Line" + FormatPlanNumber(++rows) + row);
            row = "  " + id;
        } else {
            row += id;
        }
    }
    if (!layer.Cells.empty())
        lines.push_back("Line" + FormatPlanNumber(++rows) + row);
}

} // namespace

std::string FormatPlanNumber(int n)
{
    const auto value = static_cast<std::uint32_t>(n);
    if (value > 9999)
        return " N/A ";
    std::string text = std::to_string(value);
    return text + std::string(4 - text.size(), ' ');
}

void WriteReports(Session& session)
{
    WriteUsageCounter(session);
    WriteDifferenceChart(session);
}

void WriteTilePlan(Session& session)
{
    session.ReportBuffer.clear();
    const std::map<int, int> plan = PlanNumbers(session);
    AddPlanLegend(session, plan);
    for (int l = 1; l <= static_cast<int>(session.CurrentProject.Layers.size()); ++l) {
        const TQXLayer& layer = session.CurrentProject.Layers[static_cast<std::size_t>(l - 1)];
        if (!layer.Enabled)
            continue;
        session.ReportBuffer.push_back("  Layer: " + std::to_string(l));
        AddLayerRows(session.ReportBuffer, layer, plan);
    }
    WriteTextLines(ProjectOutputFile(session.CurrentProject, "TilePlan.txt"), session.ReportBuffer);
}

} // namespace qx
