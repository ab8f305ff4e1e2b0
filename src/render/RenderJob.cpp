#include "render/RenderJob.h"

#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "imaging/CurveTable.h"
#include "layout/LayerBuilder.h"
#include "matching/LayerWeights.h"
#include "matching/TileAssignment.h"
#include "project/LayerFile.h"
#include "project/ProjectFiles.h"
#include "render/Canvas.h"
#include "render/MosaicOutput.h"
#include "render/RenderReporter.h"
#include "render/Reports.h"
#include "render/Session.h"

#include <filesystem>
#include <functional>

namespace qx {

namespace fs = std::filesystem;

namespace {

// Runs one step; a failure inside it is re-raised naming the step, so the
// user learns both what the job was doing and which file was at fault.
void Step(const char* what, const std::function<void()>& body)
{
    try {
        body();
    } catch (const QuiltixError& e) {
        throw QuiltixError(std::string(what) + " failed: " + e.what());
    } catch (const std::bad_alloc&) {
        throw QuiltixError(std::string(what) + " failed: there is not enough memory.");
    }
}

void BuildCurveTables(TqxProject07& project)
{
    project.EnhanceTable = BuildCurveTable(project.EnhanceCurve);
    project.AlphaTable = BuildCurveTable(project.AlphaCurve);
}

void InitImageLibrary(Session& session, RenderReporter& reporter)
{
    reporter.AddLogLine("Initalize image lib.............Start");
    const TqxProject07& project = session.CurrentProject;
    Step("Indexing the photos", [&] {
        if (project.RotateTiles)
            session.PhotoIndex.BuildRotatedTileIndex(session.RenderCellImgList, project.BorderColor, reporter);
        else
            session.PhotoIndex.BuildTileIndex(session.RenderCellImgList, reporter);
    });
    reporter.HideJobLabel();
    reporter.SetProgress(0);
    reporter.AddLogLine("Initalize image lib.............Done");
}

void ApplyPattern(Session& session, RenderReporter& reporter)
{
    TqxProject07& project = session.CurrentProject;
    reporter.AddLogLine("apply pattern");
    Step("Laying out the cells", [&] { BuildLayers(session, &reporter); });
    reporter.AddLogLine("apply pattern..............DONE");
    reporter.AddLogLine("============rendering pattern============");
    AssignTiles(session, reporter);
    reporter.AddLogLine("============Pattern Rendered============");
    reporter.AddLogLine("============saving pattern============");
    project.ProjectStage = 1;
    Step("Saving the project", [&] {
        SaveProjectFiles(project);
        SaveLayerFile(project);
    });
    reporter.AddLogLine("============Project Saved============");
}

void ReadCurrentPattern(Session& session)
{
    TqxProject07& project = session.CurrentProject;
    TQXPattern pattern;
    session.Masks.ReadPattern(project.MaskIndex, project.PatternIndex, pattern);
    project.CurrentPattern = pattern;
}

void DrawAndSave(Session& session, RenderReporter& reporter)
{
    Step("Drawing the mosaic", [&] { DrawAndWriteMosaic(session, reporter); });
    Step("Saving the cells and the photo index", [&] {
        SaveLayerFile(session.CurrentProject);
        session.PhotoIndex.SaveTileIndex(session.CurrentProject.Projectpath);
    });
}

int PatternCellCount(const TqxProject07& project)
{
    int cells = 0;
    for (const TQXLayer& layer : project.Layers)
        if (layer.InUse())
            cells += layer.CellCount();
    return cells;
}

void ClosingBlock(Session& session, RenderReporter& reporter)
{
    reporter.AddLogLine("     Pattern cells count: " + std::to_string(PatternCellCount(session.CurrentProject)));
    reporter.AddLogLine("     Pictures count: " + std::to_string(session.PhotoIndex.TileInfoCount()));
    reporter.AddLogLine("usedpic " + std::to_string(session.PhotoIndex.UsedPhotoCount()));
    Step("Writing the reports", [&] {
        WriteReports(session);
        WriteTilePlan(session);
    });
    reporter.AddLogLine("Project Rendered");
    reporter.AddLogLine("All Job Done");
}

void RenderNew(Session& session, RenderReporter& reporter)
{
    TqxProject07& project = session.CurrentProject;
    InitImageLibrary(session, reporter);
    BuildCurveTables(project);
    ReadCurrentPattern(session);
    Step("Reading the cell masks", [&] { PrepareLayerWeights(project.CurrentPattern, session.LayerWeights); });
    EnlargeMainImage(session);
    ApplyPattern(session, reporter);
    DrawAndSave(session, reporter);
    ClosingBlock(session, reporter);
}

void RenderAssigned(Session& session, RenderReporter& reporter)
{
    EnlargeMainImage(session);
    InitImageLibrary(session, reporter);
    BuildCurveTables(session.CurrentProject);
    Step("Reading the cell layout", [&] { LoadLayerFile(session); });
    // A resumed layout counts the photos its cells show, so the reports and
    // the tile plan describe the cells as they are.
    RecountUsedPhotos(session);
    DrawAndSave(session, reporter);
    ClosingBlock(session, reporter);
}

void ReloadFinished(Session& session, RenderReporter& reporter)
{
    TqxProject07& project = session.CurrentProject;
    EnlargeMainImage(session);
    Step("Reading the photo index", [&] { session.PhotoIndex.LoadTileIndex(project.Projectpath); });
    BuildCurveTables(project);
    Step("Reading the cell layout", [&] { LoadLayerFile(session); });
    const fs::path output = fs::path(project.Projectpath) / "output.bmp";
    std::error_code ec;
    if (fs::exists(output, ec)) {
        Step("Reading the mosaic", [&] { session.MosaicBitmap = LoadBmpFile(output); });
        reporter.MosaicChanged();
    } else {
        Step("Drawing the mosaic", [&] { DrawAndWriteMosaic(session, reporter); });
    }
    reporter.AddLogLine("Project Loaded");
    reporter.AddLogLine("All Job Done");
}

} // namespace

TRenderResult RunRenderJob(Session& session, RenderReporter& reporter)
{
    TqxProject07& project = session.CurrentProject;
    reporter.SetProgress(0);
    try {
        reporter.AddLogLine("Processing Project: " + project.Projectname);
        Step("Preparing the canvas", [&] { PrepareCanvas(session, reporter); });
        reporter.SetProgress(0);
        reporter.AddLogLine("Step3 -- Rendering Mosaic ");
        switch (project.ProjectStage) {
        case 0:
            RenderNew(session, reporter);
            return {TRenderOutcome::Created, {}};
        case 1:
            RenderAssigned(session, reporter);
            return {TRenderOutcome::Created, {}};
        case 2:
            ReloadFinished(session, reporter);
            return {TRenderOutcome::Loaded, {}};
        default:
            throw QuiltixError("The project \"" + project.Projectname + "\" has the unknown stage " +
                               std::to_string(project.ProjectStage) + ".");
        }
    } catch (const QuiltixError& e) {
        return {TRenderOutcome::Failed, e.what()};
    } catch (const std::exception& e) {
        return {TRenderOutcome::Failed, std::string("The render job failed: ") + e.what()};
    }
}

} // namespace qx
