#include "layout/MaskLibrary.h"

#include <algorithm>
#include <system_error>

namespace qx {

namespace {

std::string MaskSection(int m) { return "mask" + std::to_string(m); }

std::string PatternSection(int m, int p) { return MaskSection(m) + ",pat" + std::to_string(p); }

std::string LayerSection(int m, int p, int k) { return PatternSection(m, p) + ",layer" + std::to_string(k); }

bool IsExistingFile(const std::filesystem::path& file)
{
    std::error_code ignored;
    return !file.empty() && std::filesystem::is_regular_file(file, ignored);
}

} // namespace

MaskLibrary MaskLibrary::Open(const std::filesystem::path& appFolder)
{
    MaskLibrary library;
    library.masksFolder_ = appFolder / "masks";
    library.definitions_ = IniFile::Load(library.masksFolder_ / DefinitionFileName);
    return library;
}

int MaskLibrary::MaskCount() const { return definitions_.ReadInteger("brief", "maskcount", 0); }

std::string MaskLibrary::MaskName(int m) const { return definitions_.ReadString(MaskSection(m), "maskname", ""); }

std::filesystem::path MaskLibrary::MaskOverviewFile(int m) const
{
    return InMasksFolder(definitions_.ReadString(MaskSection(m), "maskov", ""));
}

int MaskLibrary::PatternCount(int m) const { return definitions_.ReadInteger(MaskSection(m), "patterncount", 0); }

std::string MaskLibrary::PatternName(int m, int p) const
{
    return definitions_.ReadString(PatternSection(m, p), "patternname", "");
}

std::filesystem::path MaskLibrary::PatternOverviewFile(int m, int p) const
{
    return InMasksFolder(definitions_.ReadString(PatternSection(m, p), "patov", ""));
}

int MaskLibrary::PatternLayerCount(int m, int p) const
{
    return definitions_.ReadInteger(PatternSection(m, p), "layercount", 0);
}

void MaskLibrary::ReadPattern(int m, int p, TQXPattern& target) const
{
    const int n = PatternLayerCount(m, p);
    if (n <= 0)
        return;
    // A count above the record's capacity is a fault in the definitions;
    // the record never claims more layers than it can hold.
    const int layers = std::min(n, TQXPattern::MaxLayers);
    target.MaskName = MaskName(m);
    target.PatternName = PatternName(m, p);
    target.LayerCount = layers;
    for (int k = 1; k <= layers; ++k)
        ReadLayer(LayerSection(m, p, k), target.Layer(k));
}

void MaskLibrary::ReadLayer(const std::string& section, TLayerPattern& layer) const
{
    layer.Enabled = true;
    const std::filesystem::path maskImage = InMasksFolder(definitions_.ReadString(section, "maskimage", ""));
    if (IsExistingFile(maskImage)) {
        layer.HasMaskImage = true;
        layer.MaskImageFile = maskImage;
    }
    layer.HorzFactor = definitions_.ReadFloat(section, "HorzFactor", 1.0);
    layer.VertFactor = definitions_.ReadFloat(section, "VertFactor", 1.0);
    layer.HorzOffset = definitions_.ReadFloat(section, "HorzOffset", 0.0);
    layer.VertOffset = definitions_.ReadFloat(section, "VertOffset", 0.0);
}

std::filesystem::path MaskLibrary::InMasksFolder(const std::string& fileName) const
{
    if (fileName.empty())
        return {};
    // Definitions written on Windows separate sub-folders with backslashes.
    std::string portable = fileName;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    return masksFolder_ / portable;
}

} // namespace qx
