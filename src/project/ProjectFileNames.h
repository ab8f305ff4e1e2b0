#pragma once

namespace qx {

// The files of a project folder that the project record reads and writes.
inline constexpr const char* kProjectIniFileName = "project.ini";
inline constexpr const char* kProjectBinaryFileName = "project.QX8";
inline constexpr const char* kImageListFileName = "imglist.lst";

} // namespace qx
