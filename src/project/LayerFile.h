#pragma once

#include "project/TqxProject07.h"

namespace qx {

struct Session;

// The file of a project folder that holds the cells of all seven layers.
inline constexpr const char* kLayerFileName = "project.LYS";

// Writes the cells of layers 1..7 to Projectpath/project.LYS, replacing the
// file atomically: seven int32 block sizes (cells x 576 bytes), then every
// cell of layer 1, of layer 2, and so on. Writes nothing at stage 0. Throws
// QuiltixError when Projectpath is empty, a layer holds more cells than a
// block size can express, or the file cannot be written.
void SaveLayerFile(const TqxProject07& project);

// Restores the cells of a stage 1 or 2 project: reads the project's pattern
// anew from the session's mask library into CurrentPattern, lays the cells
// out again (BuildLayers, which may enlarge the main image) and reads the
// stored cells over them. Returns false, changing nothing, at stage 0 or
// when the file does not exist. Throws QuiltixError naming the file, before
// anything changes, when its length disagrees with its block sizes; and,
// after the layout has been rebuilt, when a block does not hold exactly the
// rebuilt layer's number of cells.
bool LoadLayerFile(Session& session);

} // namespace qx
