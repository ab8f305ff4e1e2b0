#include "cli/CreateSettings.h"

#include "cli/CreateOptions.h"
#include "cli/OfferedValues.h"
#include "cli/OptionText.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/CurveFile.h"
#include "imaging/CurveStore.h"
#include "layout/MaskLibrary.h"
#include "panels/PaperSizes.h"
#include "panels/Resolutions.h"

namespace qx::cli {

namespace {

template <class T>
void Take(const std::optional<T>& given, T& field)
{
    if (given)
        field = *given;
}

int PaperIndex(const TCreateOptions& o, TPanelKind panel)
{
    const bool customGiven = !o.Custom.empty() || o.Unit.has_value();
    const TPaperSize* paper = PaperByShortName(o.Paper.empty() && customGiven ? "custom" : o.Paper);
    if (paper == nullptr)
        throw QuiltixError("The paper \"" + o.Paper + "\" is not offered; choose one of " + PaperNames() + ".");
    if (customGiven && !paper->Custom)
        throw QuiltixError("The options --custom and --unit apply only to --paper custom, not to --paper " + o.Paper +
                           ".");
    return PaperListIndex(panel, paper->Index);
}

TMosaicSizeControls SizeControlsFrom(const TCreateOptions& o, TPanelKind panel)
{
    TMosaicSizeControls size = DefaultSizeControls(panel);
    if (!o.Paper.empty() || !o.Custom.empty() || o.Unit)
        size.PaperIndex = PaperIndex(o, panel);
    if (!o.Custom.empty()) {
        const TSidePair sides = SplitSidePair(o.Custom, "--custom");
        size.CustomWidthText = sides.Width;
        size.CustomHeightText = sides.Height;
    }
    Take(o.Unit, size.CustomUnit);
    if (o.Ppi) {
        const std::optional<int> index = ResolutionIndexOf(panel, *o.Ppi);
        if (!index || *index >= kListedResolutionCount)
            throw QuiltixError("The resolution " + std::to_string(*o.Ppi) + " PPI is not offered; choose one of " +
                               ResolutionNames() + ".");
        size.PpiIndex = *index;
    }
    Take(o.Orientation, size.Orientation);
    Take(o.Fit, size.Fit);
    return size;
}

// "masks 1 to 5", "only mask 1", "none".
std::string NumberRange(int count, const std::string& thing)
{
    if (count < 1)
        return "none";
    if (count == 1)
        return "only " + thing + " 1";
    return thing + "s 1 to " + std::to_string(count);
}

// The chooser selects the first shape and its first pattern.
TPatternChoice PatternFrom(const TCreateOptions& o, const MaskLibrary& masks)
{
    const int maskCount = masks.MaskCount();
    TPatternChoice choice{o.MaskNumber.value_or(maskCount > 0 ? 1 : 0), 0};
    if (o.MaskNumber && (*o.MaskNumber < 1 || *o.MaskNumber > maskCount))
        throw QuiltixError("The mask " + std::to_string(*o.MaskNumber) + " does not exist; the mask library defines " +
                           NumberRange(maskCount, "mask") + ".");
    const int patternCount = choice.MaskNumber > 0 ? masks.PatternCount(choice.MaskNumber) : 0;
    choice.PatternNumber = o.PatternNumber.value_or(patternCount > 0 ? 1 : 0);
    if (o.PatternNumber && (*o.PatternNumber < 1 || *o.PatternNumber > patternCount))
        throw QuiltixError("The pattern " + std::to_string(*o.PatternNumber) + " does not exist for mask " +
                           std::to_string(choice.MaskNumber) + "; it has " + NumberRange(patternCount, "pattern") +
                           ".");
    return choice;
}

void TakeCellSize(const TCreateOptions& o, int& width, int& height)
{
    if (o.Cell.empty())
        return;
    const TPixelPair cell = ParsePixelPair(o.Cell, "--cell");
    width = cell.Width;
    height = cell.Height;
}

TCellBorder BorderFrom(const TCreateOptions& o)
{
    TCellBorder border;
    Take(o.BorderSize, border.Size);
    if (!o.BorderColor.empty())
        border.Color = ParseColourValue(o.BorderColor, "--border-color");
    return border;
}

int PresetIndex(std::span<const TCurvePreset> presets, int percent, const char* kind)
{
    const std::optional<int> index = CurvePresetIndexOf(presets, percent);
    if (!index)
        throw QuiltixError("The " + std::string(kind) + " preset " + std::to_string(percent) +
                           " is not offered; choose one of " + PresetPercents(presets) + ".");
    return *index;
}

TMatchControls MatchFrom(const TCreateOptions& o, TMatchControls match)
{
    Take(o.RepeatRadius, match.RepeatRadius);
    match.LimitRepeat = o.LimitRepeat;
    Take(o.MaxRepeat, match.MaxRepeat);
    Take(o.MinRepeat, match.MinRepeat);
    Take(o.RandomLevel, match.RandomLevel);
    Take(o.MaxColorDiffAvg, match.MaxColorDiffAvg);
    Take(o.MaxColorDiffSingle, match.MaxColorDiffSingle);
    Take(o.MaxShapeDiff, match.MaxShapeDiff);
    return match;
}

void TakeCurveFile(const std::string& file, TCurvePoints& points)
{
    if (!file.empty() && !ReadCurveFile(file, points))
        throw QuiltixError("The curve file " + QuotedPath(file) + " does not exist.");
}

} // namespace

TBeginnerSettings BeginnerSettingsFrom(const TCreateOptions& o, const TMainImageChoice& mainImage,
                                       const MaskLibrary& masks)
{
    TBeginnerSettings settings;
    settings.MainImage = mainImage;
    settings.Size = SizeControlsFrom(o, TPanelKind::Beginner);
    TakeCellSize(o, settings.CellWidth, settings.CellHeight);
    settings.Pattern = PatternFrom(o, masks);
    settings.UseAllPhotos = o.UseAll;
    settings.CropCellImage = !o.NoCropCell;
    settings.MonoCellImage = o.MonoCell;
    settings.Border = BorderFrom(o);
    Take(o.RandomLevel, settings.RandomLevel);
    if (o.EnhancePreset)
        settings.EnhancePreset = PresetIndex(EnhancePresets(), *o.EnhancePreset, "colour-enhance");
    if (o.AlphaPreset)
        settings.AlphaPreset = PresetIndex(AlphaPresets(), *o.AlphaPreset, "main-image alpha");
    return settings;
}

TAdvancedSettings AdvancedSettingsFrom(const TCreateOptions& o, const TMainImageChoice& mainImage,
                                       const MaskLibrary& masks, const CurveStore& curves)
{
    TAdvancedSettings settings;
    settings.MainImage = mainImage;
    settings.Size = SizeControlsFrom(o, TPanelKind::Advanced);
    TakeCellSize(o, settings.CellWidth, settings.CellHeight);
    settings.Pattern = PatternFrom(o, masks);
    settings.Render.CropCellImage = !o.NoCropCell;
    settings.Render.MonoCellImage = o.MonoCell;
    settings.Render.AllowHorzFlip = o.HorzFlip;
    settings.Render.AllowVertFlip = o.VertFlip;
    settings.Border = BorderFrom(o);
    settings.Match = MatchFrom(o, kAdvancedMatchDefaults);
    if (!o.Pages.empty()) {
        const TPixelPair page = ParsePixelPair(o.Pages, "--pages");
        settings.Pages = {false, page.Width, page.Height};
    }
    curves.CopyInto(settings.EnhanceCurve, settings.AlphaCurve);
    TakeCurveFile(o.EnhanceCurveFile, settings.EnhanceCurve);
    TakeCurveFile(o.AlphaCurveFile, settings.AlphaCurve);
    return settings;
}

TTileSettings TileSettingsFrom(const TCreateOptions& o, const TMainImageChoice& mainImage, const MaskLibrary& masks)
{
    TTileSettings settings;
    settings.MainImage = mainImage;
    if (!o.Tile.empty()) {
        const TSidePair tile = SplitSidePair(o.Tile, "--tile");
        settings.TileWidthText = tile.Width;
        settings.TileHeightText = tile.Height;
    }
    Take(o.TileUnit, settings.TileUnit);
    settings.Pattern = PatternFrom(o, masks);
    if (!o.Wall.empty()) {
        const TSidePair wall = SplitSidePair(o.Wall, "--wall");
        settings.Wall.WidthText = wall.Width;
        settings.Wall.HeightText = wall.Height;
    }
    Take(o.WallUnit, settings.Wall.Unit);
    Take(o.Orientation, settings.Wall.Orientation);
    Take(o.Fit, settings.Wall.Fit);
    settings.Match = MatchFrom(o, kTileMatchDefaults);
    return settings;
}

} // namespace qx::cli
