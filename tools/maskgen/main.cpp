// Writes the shipped mask library into a folder: the mask pictures, the
// overview pictures of every mask and pattern, and patterndefine.ini.

#include "DefinitionWriter.h"
#include "MaskCatalogue.h"
#include "ShapePainter.h"

#include "imaging/BmpCodec.h"

#include <filesystem>
#include <iostream>
#include <set>
#include <string>

namespace {

constexpr int kPictureSize = 128;

// Returns the number of files written.
int WriteLibrary(const std::filesystem::path& folder)
{
    using namespace qx::maskgen;
    std::filesystem::create_directories(folder);
    std::set<std::string> maskPictures;
    int written = 0;
    const std::vector<MaskDef>& masks = ShippedMasks();
    for (const MaskDef& mask : masks) {
        qx::SaveBmp24(folder / MaskOverviewFile(mask), PaintMaskOverview(mask, kPictureSize));
        ++written;
        for (std::size_t p = 0; p < mask.Patterns.size(); ++p) {
            const PatternDef& pattern = mask.Patterns[p];
            qx::SaveBmp24(folder / PatternOverviewFile(mask, static_cast<int>(p) + 1),
                          PaintPatternOverview(pattern, kPictureSize));
            ++written;
            for (const LayerDef& layer : pattern.Layers) {
                const char* picture = MaskPictureFile(layer.Mask);
                if (picture && maskPictures.insert(picture).second) {
                    qx::SaveBmp24(folder / picture, PaintMaskPicture(layer.Mask, kPictureSize));
                    ++written;
                }
            }
        }
    }
    WriteDefinitions(masks, folder / "patterndefine.ini");
    return written + 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: quiltix-maskgen <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const int written = WriteLibrary(folder);
        std::cout << "Wrote " << written << " files to " << folder.string() << ".\n";
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
