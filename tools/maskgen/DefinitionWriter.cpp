#include "DefinitionWriter.h"

#include "common/IniFile.h"

#include <charconv>
#include <string>

namespace qx::maskgen {

namespace {

// Shortest text that reads back as the same number, always with a point.
std::string DecimalText(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void WriteLayer(IniFile& ini, const std::string& section, const LayerDef& layer)
{
    if (const char* picture = MaskPictureFile(layer.Mask))
        ini.WriteString(section, "maskimage", picture);
    ini.WriteString(section, "HorzFactor", DecimalText(layer.HorzFactor));
    ini.WriteString(section, "VertFactor", DecimalText(layer.VertFactor));
    ini.WriteString(section, "HorzOffset", DecimalText(layer.HorzOffset));
    ini.WriteString(section, "VertOffset", DecimalText(layer.VertOffset));
}

void WriteMask(IniFile& ini, const MaskDef& mask, int m)
{
    const std::string maskSection = "mask" + std::to_string(m);
    ini.WriteString(maskSection, "maskname", mask.Name);
    ini.WriteString(maskSection, "maskov", MaskOverviewFile(mask));
    ini.WriteInteger(maskSection, "patterncount", static_cast<int>(mask.Patterns.size()));
    for (std::size_t p = 0; p < mask.Patterns.size(); ++p) {
        const PatternDef& pattern = mask.Patterns[p];
        const int patternNumber = static_cast<int>(p) + 1;
        const std::string patternSection = maskSection + ",pat" + std::to_string(patternNumber);
        ini.WriteString(patternSection, "patternname", DisplayName(pattern));
        ini.WriteString(patternSection, "patov", PatternOverviewFile(mask, patternNumber));
        ini.WriteInteger(patternSection, "layercount", static_cast<int>(pattern.Layers.size()));
        for (std::size_t k = 0; k < pattern.Layers.size(); ++k)
            WriteLayer(ini, patternSection + ",layer" + std::to_string(k + 1), pattern.Layers[k]);
    }
}

} // namespace

void WriteDefinitions(const std::vector<MaskDef>& masks, const std::filesystem::path& file)
{
    IniFile ini;
    ini.WriteInteger("brief", "maskcount", static_cast<int>(masks.size()));
    for (std::size_t m = 0; m < masks.size(); ++m)
        WriteMask(ini, masks[m], static_cast<int>(m) + 1);
    ini.Save(file);
}

} // namespace qx::maskgen
