#pragma once

#include "panels/MosaicSize.h"
#include "panels/PanelVariant.h"
#include "panels/TileCellSize.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace qx::cli {

// The modes whose panel offers an option, as a set of bits.
using TModeSet = unsigned;
inline constexpr TModeSet kBeginnerMode = 1u << static_cast<unsigned>(TPanelKind::Beginner);
inline constexpr TModeSet kAdvancedMode = 1u << static_cast<unsigned>(TPanelKind::Advanced);
inline constexpr TModeSet kTileMode = 1u << static_cast<unsigned>(TPanelKind::Tile);
inline constexpr TModeSet kEveryMode = kBeginnerMode | kAdvancedMode | kTileMode;

inline constexpr TModeSet ModeBit(TPanelKind mode)
{
    return 1u << static_cast<unsigned>(mode);
}

// A registered option and the modes that offer it.
struct TOfferedOption {
    const CLI::Option* Option = nullptr;
    std::string Name; // "--pages"
    TModeSet Modes = kEveryMode;
};

// The values of `create`'s options as given. An empty optional or text
// means "not given": the chosen panel's own starting value applies, and
// the panels' defaults differ. Size pairs stay text ("48x36") until the
// mode is known.
struct TCreateOptions {
    // Every mode.
    TPanelKind Mode = TPanelKind::Beginner;
    std::string MainImage;
    bool MonoMain = false;
    std::vector<std::string> Libraries;
    std::vector<std::string> Photos;
    bool Recursive = false;
    std::string PhotoList;
    std::string ProjectsDir;
    std::optional<std::uint64_t> Seed;
    bool NoRender = false;
    std::optional<TOrientation> Orientation;
    std::optional<TMainImageFit> Fit;
    std::optional<int> MaskNumber;
    std::optional<int> PatternNumber;
    std::optional<int> RandomLevel;

    // Beginner and advanced modes.
    std::string Paper;
    std::string Custom;
    std::optional<TSizeUnit> Unit;
    std::optional<int> Ppi;
    std::string Cell;
    bool NoCropCell = false;
    bool MonoCell = false;
    std::optional<int> BorderSize;
    std::string BorderColor;

    // Beginner mode.
    bool UseAll = false;
    std::optional<int> EnhancePreset; // percent of the preset's caption
    std::optional<int> AlphaPreset;

    // Advanced mode.
    bool HorzFlip = false;
    bool VertFlip = false;
    std::string Pages;
    std::string EnhanceCurveFile;
    std::string AlphaCurveFile;

    // Advanced and tile modes.
    std::optional<int> RepeatRadius;
    bool LimitRepeat = false;
    std::optional<int> MaxRepeat;
    std::optional<int> MinRepeat;
    std::optional<int> MaxColorDiffAvg;
    std::optional<int> MaxColorDiffSingle;
    std::optional<int> MaxShapeDiff;

    // Tile mode.
    std::string Tile;
    std::optional<TTileUnit> TileUnit;
    std::string Wall;
    std::optional<TSizeUnit> WallUnit;

    // Every option registered, for the mode check.
    std::vector<TOfferedOption> Offered;
};

// Adds every option of `create` to the command, in help groups per mode,
// each described in the panels' own words. The options write into
// `options`, which must outlive the parse.
void RegisterCreateOptions(CLI::App& command, TCreateOptions& options);

} // namespace qx::cli
