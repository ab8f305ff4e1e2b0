#pragma once

#include "common/IniFile.h"
#include "layout/Pattern.h"

#include <filesystem>
#include <string>

namespace qx {

// The cell shapes ("masks") and their patterns, as defined by
// masks/patterndefine.ini below the application folder. The definitions are
// read once when the library is opened and served from memory; nothing here
// writes them. Masks and patterns are numbered from 1; a number with no
// definition gives 0 for counts and empty names and paths.
class MaskLibrary {
public:
    static constexpr const char* DefinitionFileName = "patterndefine.ini";

    // An empty library.
    MaskLibrary() = default;

    // Reads appFolder/masks/patterndefine.ini. A missing file gives an empty
    // library; a file that is not ini text throws QuiltixError naming it.
    static MaskLibrary Open(const std::filesystem::path& appFolder);

    int MaskCount() const;
    std::string MaskName(int m) const;
    // Full path in the masks folder; empty when the mask names no picture.
    std::filesystem::path MaskOverviewFile(int m) const;

    int PatternCount(int m) const;
    std::string PatternName(int m, int p) const;
    // Full path in the masks folder; empty when the pattern names no picture.
    std::filesystem::path PatternOverviewFile(int m, int p) const;
    // The "layercount" as written, which may exceed TQXPattern::MaxLayers.
    int PatternLayerCount(int m, int p) const;

    // Fills target with pattern p of mask m. A pattern without layers (or
    // without a definition) leaves target exactly as it was. Only the fields
    // of the defined layers are set; a layer whose mask picture file is
    // missing keeps its HasMaskImage and MaskImageFile.
    void ReadPattern(int m, int p, TQXPattern& target) const;

private:
    std::filesystem::path InMasksFolder(const std::string& fileName) const;
    void ReadLayer(const std::string& section, TLayerPattern& layer) const;

    std::filesystem::path masksFolder_;
    IniFile definitions_;
};

} // namespace qx
