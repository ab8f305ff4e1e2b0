#pragma once

#include <filesystem>
#include <string>

namespace qx {

// File and folder names of the photo library layout.
inline constexpr const char* PhotoLibsFolderName = "PhotoLibs";
inline constexpr const char* LibraryConfigFileName = "libcfg.cfg";
inline constexpr const char* PhotoListFileName = "filelist.lst";
inline constexpr const char* LibraryConfigSection = "LibCFG07";

// The kind that marks a library of photographed tiles.
inline constexpr int TileLibraryKind = 30;

// The settings of one photo library, as its "libcfg.cfg" states them.
struct Tlibcfg {
    std::string colname = "NONAME";
    int coltype = 0;    // the library's kind
    int PhotoCount = 0; // as the library's maker recorded it
    int PathType = 0;   // 0: the list holds full paths; 1: names relative to Path
    std::string Path = "NOFONT";
    std::string CharFont = "NOFONT";
};

// Every key is optional; a missing file reads as all defaults. With
// PathType 1, Path becomes the folder that holds the file, whatever the
// file says. A file that is not ini text throws QuiltixError naming it.
Tlibcfg ReadLibraryConfig(const std::filesystem::path& cfgFile);

// The kind (coltype) of a "libcfg.cfg"; 0 when the file or key is missing.
int LibraryKind(const std::filesystem::path& cfgFile);

// Writes every field into the library section, replacing the file
// atomically and keeping any other sections and keys it already holds.
void WriteLibraryConfig(const std::filesystem::path& cfgFile, const Tlibcfg& config);

} // namespace qx
