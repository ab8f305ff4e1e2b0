#include "cli/CreateRun.h"

#include "cli/CellPhotoChoice.h"
#include "cli/CreateOptions.h"
#include "cli/CreateSettings.h"
#include "cli/MainImageLoad.h"
#include "panels/ProjectCreation.h"
#include "project/ProjectsFolder.h"
#include "render/Session.h"

#include <array>
#include <ctime>

namespace qx::cli {

namespace {

using TPanelUpdate = void (*)(const TCreateOptions&, Session&, const TMainImageChoice&, TqxProject07&);

void UpdateBeginner(const TCreateOptions& o, Session& session, const TMainImageChoice& main, TqxProject07& project)
{
    UpdateBeginnerProject(BeginnerSettingsFrom(o, main, session.Masks), project);
}

void UpdateAdvanced(const TCreateOptions& o, Session& session, const TMainImageChoice& main, TqxProject07& project)
{
    UpdateAdvancedProject(AdvancedSettingsFrom(o, main, session.Masks, session.Curves), project);
}

void UpdateTile(const TCreateOptions& o, Session& session, const TMainImageChoice& main, TqxProject07& project)
{
    UpdateTileProject(TileSettingsFrom(o, main, session.Masks), project);
}

// In TPanelKind order.
constexpr std::array<TPanelUpdate, 3> kPanelUpdates{&UpdateBeginner, &UpdateAdvanced, &UpdateTile};

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

std::filesystem::path CreateProjectFromOptions(Session& session, const TCreateOptions& options)
{
    TProjectCreation request;
    request.LocalTime = LocalTimeNow();
    const TMainImageChoice mainImage = LoadMainImage(options.MainImage, options.MonoMain);
    request.Libraries = CheckedLibraries(session.PhotoLibs, options.Libraries, options.Mode);
    request.OwnPhotos = OwnPhotos(options.PhotoList, options.Photos, options.Recursive);
    // The project's paths are stored and reloaded from any folder, so they
    // must not depend on the folder the command ran in.
    request.ProjectsDirectory = options.ProjectsDir.empty()
                                    ? ProjectsFolder()
                                    : std::filesystem::absolute(options.ProjectsDir).lexically_normal();

    TqxProject07 panelProject;
    kPanelUpdates[static_cast<std::size_t>(options.Mode)](options, session, mainImage, panelProject);
    return CreateProject(session, panelProject, request);
}

} // namespace qx::cli
