#include "cli/CreateOptions.h"

#include "cli/CreateModeCheck.h"
#include "cli/OfferedValues.h"

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

namespace qx::cli {

namespace {

// The words a choice option accepts, in the order the panel lists them.
template <class T>
using TNames = std::vector<std::pair<std::string, T>>;

template <class T>
std::string NameList(const TNames<T>& names)
{
    std::string list;
    for (const auto& [word, value] : names)
        list += (list.empty() ? "" : "|") + word;
    return list;
}

// Turns a word, in any letter case, into the number CLI11 reads the enum from.
template <class T>
CLI::Validator NameValidator(const TNames<T>& names)
{
    return CLI::Validator(
        [names](std::string& text) -> std::string {
            const std::string word = CLI::detail::to_lower(text);
            for (const auto& [candidate, value] : names)
                if (candidate == word) {
                    text = std::to_string(static_cast<int>(value));
                    return {};
                }
            return "must be one of " + NameList(names);
        },
        "");
}

// One help group: every option added through it is offered by its modes.
class OptionGroup {
public:
    OptionGroup(CLI::App& command, TCreateOptions& options, std::string title, TModeSet modes)
        : command_(command), options_(options), title_(std::move(title)), modes_(modes)
    {
    }

    CLI::Option* Flag(const std::string& name, bool& target, const std::string& help)
    {
        return Offer(name, command_.add_flag(name, target, help));
    }

    CLI::Option* Text(const std::string& name, const char* label, std::string& target, const std::string& help)
    {
        return Offer(name, command_.add_option(name, target, help)->type_name(label));
    }

    CLI::Option* Texts(const std::string& name, const char* label, std::vector<std::string>& target,
                       const std::string& help)
    {
        return Offer(name, command_.add_option(name, target, help)->type_name(label));
    }

    template <class T>
    CLI::Option* Value(const std::string& name, const char* label, std::optional<T>& target, const std::string& help)
    {
        CLI::Option* option = command_.add_option_function<T>(
            name, [&target](const T& value) { target = value; }, help);
        return Offer(name, option->type_name(label));
    }

    template <class T>
    CLI::Option* Choice(const std::string& name, const TNames<T>& names, std::optional<T>& target,
                        const std::string& help)
    {
        return Value(name, "", target, help)->transform(NameValidator(names))->type_name(NameList(names));
    }

    // The mode itself is offered by every mode and always has a value.
    CLI::Option* Mode(const std::string& name, const TNames<TPanelKind>& names, TPanelKind& target,
                      const std::string& help)
    {
        CLI::Option* option = command_.add_option(name, target, help)->transform(NameValidator(names));
        return Offer(name, option->type_name(NameList(names)));
    }

private:
    CLI::Option* Offer(const std::string& name, CLI::Option* option)
    {
        option->group(title_);
        options_.Offered.push_back({option, name, modes_});
        return option;
    }

    CLI::App& command_;
    TCreateOptions& options_;
    std::string title_;
    TModeSet modes_;
};

const TNames<TSizeUnit> kSizeUnits{{"inch", TSizeUnit::Inch}, {"cm", TSizeUnit::Cm}};
const TNames<TTileUnit> kTileUnits{{"inch", TTileUnit::Inch}, {"mm", TTileUnit::Millimetre}};
const TNames<TOrientation> kOrientations{{"landscape", TOrientation::Landscape}, {"portrait", TOrientation::Portrait}};
const TNames<TMainImageFit> kFits{
    {"best", TMainImageFit::BestFit}, {"crop", TMainImageFit::CropToFill}, {"stretch", TMainImageFit::StretchToFill}};

TNames<TPanelKind> ModeNames()
{
    TNames<TPanelKind> names;
    for (TPanelKind mode : CreateModes())
        names.emplace_back(ModeName(mode), mode);
    return names;
}

void AddEveryModeOptions(OptionGroup group, TCreateOptions& o)
{
    group.Text("--main", "FILE", o.MainImage,
               "\"Load Main Image\": the JPEG or BMP picture the mosaic shows.");
    group.Flag("--mono-main", o.MonoMain, "\"Monochrome\": use the main image in grey.");
    group.Texts("--library", "NAME", o.Libraries,
                "\"Select Photo Libs\": check the photo library NAME of PhotoLibs (tile mode: \"Select Tile "
                "Libs\", tile libraries only); repeat for more. Checked libraries are taken in list order.");
    group.Texts("--photos", "FILE_OR_DIR", o.Photos,
                "\"Select My Photos\": \"Add Files\" for a file, \"Add Folder\" for a folder (its .jpg, .bmp and "
                ".gif files in name order); repeat for more.");
    group.Flag("--recursive", o.Recursive,
               "\"Do you want load pictures in sub directory?\" Yes: --photos folders bring their sub-folders' "
               "photos too.");
    group.Text("--photo-list", "FILE", o.PhotoList,
               "\"Load Filelist\": a text file of one photo path per line; its photos come before those of "
               "--photos.");
    group.Text("--projects-dir", "DIR", o.ProjectsDir,
               "\"Project directory\" in which the project folder is made (default: MosaicProject in the "
               "documents folder).");
    group.Mode("--mode", ModeNames(), o.Mode,
               "Mode control panel: beginner (\"Beginner Mode\", default), advanced (\"Advanced Photomosaic\") "
               "or tile (\"Tile Mosaic Plan\").");
    group.Value<std::uint64_t>("--seed", "N", o.Seed,
                               "Seed of the random generator, so that a render can be repeated (default: the "
                               "clock).");
    group.Flag("--no-render", o.NoRender, "Create the project and print its folder; do not render it.");
    group.Choice("--orientation", kOrientations, o.Orientation,
                 "\"Landscape\" (default) or \"Portrait\" page (tile mode: \"Paper Layout\").");
    group.Choice("--fit", kFits, o.Fit,
                 "\"How to use Mainimage\": best \"Best Fit\" (default), crop \"Crop to fill page\", stretch "
                 "\"Stretch to fill page\".");
    group.Value("--mask", "N", o.MaskNumber,
                "Cell shape (tile mode: \"Tile Shape\"), numbered from 1 as the masks command lists them "
                "(default 1).");
    group.Value("--pattern", "N", o.PatternNumber,
                "Cell pattern of that shape (tile mode: \"Tile Pattern\"), from 1 (default 1).");
    group.Value("--random-level", "N", o.RandomLevel,
                "\"Randomize Level      Low <- -> High\", 1 to 100 (default 20).")
        ->check(CLI::Range(1, 100));
}

void AddBeginnerAdvancedOptions(OptionGroup group, TCreateOptions& o)
{
    group.Text("--paper", "NAME", o.Paper,
               "Paper size: " + PaperNames() + " (default A2).");
    group.Text("--custom", "WxH", o.Custom,
               "Custom size: width x height in --unit, each at most 40 inch or 100 cm (default 16x24); "
               "implies --paper custom.");
    group.Choice("--unit", kSizeUnits, o.Unit, "Unit of --custom: inch (default) or cm.");
    group.Value("--ppi", "N", o.Ppi, "\"Select PPI (Pixels Per Inch)\": " + ResolutionNames() + " (default 96).");
    group.Text("--cell", "WxH", o.Cell,
               "Cell width and height in pixels (default 48x36). \"Hint:  2000-4000 cells provide good quality "
               "for most common projects.\"");
    group.Flag("--no-crop-cell", o.NoCropCell, "Uncheck \"Crop Cell Image\" (checked by default).");
    group.Flag("--mono-cell", o.MonoCell, "\"Monochrome Cell Image\".");
    group.Value("--border", "N", o.BorderSize, "\"Border Size (Pixels) :\" 0 to 20 (default 0).")
        ->check(CLI::Range(0, 20));
    group.Text("--border-color", "RRGGBB", o.BorderColor,
               "\"Cell Border Color\" as hexadecimal red, green and blue (default FFFFFF, white).");
}

void AddBeginnerOptions(OptionGroup group, TCreateOptions& o)
{
    group.Flag("--use-all", o.UseAll, "\"Use All Photos\": every photo at least once.");
    group.Value("--enhance-preset", "PERCENT", o.EnhancePreset,
                "Colour enhance of the cell photos: " + PresetNames(EnhancePresets()) + ".");
    group.Value("--alpha-preset", "PERCENT", o.AlphaPreset,
                "Main image alpha blend: " + PresetNames(AlphaPresets()) + ".");
}

void AddAdvancedOptions(OptionGroup group, TCreateOptions& o)
{
    group.Flag("--hflip", o.HorzFlip, "\"Allow Horizontal Flip\".");
    group.Flag("--vflip", o.VertFlip, "\"Allow Vertical Flip\".");
    group.Text("--pages", "WxH", o.Pages,
               "\"Multipage Output\" with pages of \"Page Width ( pixels)\" x \"Page Height ( pixels)\"; "
               "without it \"Single Page Output\".");
    group.Text("--enhance-curve", "FILE", o.EnhanceCurveFile,
               "\"Cell Image Color Enhance\": the enhance curve of a .ehc curve file (default "
               "config/enhance/default.ehc).");
    group.Text("--alpha-curve", "FILE", o.AlphaCurveFile,
               "\"Main Image Alpha Blend\": the alpha curve of a .amc curve file (default "
               "config/enhance/default.amc).");
}

void AddAdvancedTileOptions(OptionGroup group, TCreateOptions& o)
{
    const auto fromZero = CLI::NonNegativeNumber;
    group.Value("--repeat-radius", "N", o.RepeatRadius,
                "\"Minimum Cell Image Repeat Radius\" in cell diagonals, from 0 (tile mode: up to 100; "
                "default 1).")
        ->check(fromZero);
    group.Flag("--limit-repeat", o.LimitRepeat,
               "\"Limit repeat time of each image file\" (tile mode: \"Limit repeat time of each Tile\").");
    group.Value("--max-repeat", "N", o.MaxRepeat, "\"Max file repeat\" (default 20).")->check(fromZero);
    group.Value("--min-repeat", "N", o.MinRepeat, "\"Min file repeat\" (default 1).")->check(fromZero);
    group.Value("--max-color-diff-avg", "N", o.MaxColorDiffAvg,
                "\"Max Color Difference - (RGB Average)\" (default 40, tile mode 50).")
        ->check(fromZero);
    group.Value("--max-color-diff-single", "N", o.MaxColorDiffSingle,
                "\"Max Color Difference  (Highest Channel)\" (default 50, tile mode 60).")
        ->check(fromZero);
    group.Value("--max-shape-diff", "N", o.MaxShapeDiff, "\"Max Shape Difference\" (default 30, tile mode 40).")
        ->check(fromZero);
}

void AddTileOptions(OptionGroup group, TCreateOptions& o)
{
    group.Text("--tile", "WxH", o.Tile,
               "\"Tile Size\": \"Width\" x \"Height\" of one tile in --tile-unit (default 1x1), at least 0.4 "
               "inch or 10 mm a side.");
    group.Choice("--tile-unit", kTileUnits, o.TileUnit, "Unit of --tile: inch (default) or mm.");
    group.Text("--wall", "WxH", o.Wall,
               "\"Set the Mosaic Wall Size\": width x height in --wall-unit (default 20x20), each at most 40 "
               "inch or 100 cm.");
    group.Choice("--wall-unit", kSizeUnits, o.WallUnit, "Unit of --wall: inch (default) or cm.");
}

} // namespace

void RegisterCreateOptions(CLI::App& command, TCreateOptions& options)
{
    AddEveryModeOptions({command, options, "Every mode", kEveryMode}, options);
    AddBeginnerAdvancedOptions({command, options, "Beginner and advanced modes", kBeginnerMode | kAdvancedMode},
                               options);
    AddBeginnerOptions({command, options, "Beginner mode", kBeginnerMode}, options);
    AddAdvancedOptions({command, options, "Advanced mode", kAdvancedMode}, options);
    AddAdvancedTileOptions({command, options, "Advanced and tile modes", kAdvancedMode | kTileMode}, options);
    AddTileOptions({command, options, "Tile mode", kTileMode}, options);
}

} // namespace qx::cli
