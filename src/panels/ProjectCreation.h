#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

class TqxProject07;
struct Session;

// What the create button hands over besides the panel project.
struct TProjectCreation {
    // The folder under which the project folder is made.
    std::filesystem::path ProjectsDirectory;
    // The checked photo libraries (library folders), in list order.
    std::vector<std::filesystem::path> Libraries;
    // The user's own photos, in list order.
    std::vector<std::string> OwnPhotos;
    // Local time of the creation; the project's name carries it.
    std::tm LocalTime{};
};

// "2012-3-7-9-5-42": year, month, day, hour, minute, second without
// leading zeros.
std::string CreationTimeStamp(const std::tm& localTime);

// The photo count the panels show and test: the libraries' own PhotoCount
// figures plus the user's photos.
int SelectedPhotoCount(const TProjectCreation& request);

// The render list: every photo of the checked libraries, then the user's
// photos, keeping only JPEG and BMP files; duplicates stay.
std::vector<std::string> BuildRenderList(Session& session, const TProjectCreation& request);

// Turns the panel project (already updated from the panel's options) into a
// new project on disk and into the session's CurrentProject: makes the
// project folder (main image base name + "-" + time stamp, with "-2", "-3"
// ... when that folder exists), copies the main image into it as
// "mainimage" + extension, writes "imglist.lst", copies the settings into
// CurrentProject and saves "project.ini" and "project.QX8". The caller then
// starts the render. Refuses with QuiltixError, before anything is written,
// when no photos are selected, no usable main image is chosen, or the list
// holds more photos than a project can use. Returns the project folder.
std::filesystem::path CreateProject(Session& session, TqxProject07& panelProject, const TProjectCreation& request);

} // namespace qx
