#pragma once

#include "common/FileIO.h"
#include "imaging/BmpCodec.h"
#include "imaging/TBitmap32.h"
#include "render/Session.h"
#include "support/TestFolder.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace qx::test {

// One layer of a pattern written for a test: step factors and offsets in
// cells, and optionally the name of a mask picture in masks/.
struct TTestLayer {
    TTestLayer(double horzFactor, double vertFactor, double horzOffset, double vertOffset, std::string maskImage = {})
        : HorzFactor(horzFactor), VertFactor(vertFactor), HorzOffset(horzOffset), VertOffset(vertOffset),
          MaskImage(std::move(maskImage))
    {
    }
    double HorzFactor;
    double VertFactor;
    double HorzOffset;
    double VertOffset;
    std::string MaskImage;
};

// A folder of the running test's own under the temp directory (ctest runs
// tests side by side), used as the application folder: the test writes the
// mask library's definitions into masks/ before it opens a Session on it.
// Removed afterwards.
class LayoutTestFolder {
public:
    LayoutTestFolder() { std::filesystem::create_directories(Path() / "masks"); }

    const std::filesystem::path& Path() const { return folder_.Path(); }

    // masks/patterndefine.ini with one mask whose patterns 1, 2, ... have
    // the given layers.
    void WritePatterns(const std::vector<std::vector<TTestLayer>>& patterns) const
    {
        std::string ini = "[brief]\r\nmaskcount=1\r\n\r\n[mask1]\r\nmaskname=test\r\npatterncount=" +
                          std::to_string(patterns.size()) + "\r\n\r\n";
        for (std::size_t p = 0; p < patterns.size(); ++p) {
            const std::string pattern = "mask1,pat" + std::to_string(p + 1);
            ini += "[" + pattern + "]\r\npatternname=pattern " + std::to_string(p + 1) +
                   "\r\nlayercount=" + std::to_string(patterns[p].size()) + "\r\n\r\n";
            for (std::size_t k = 0; k < patterns[p].size(); ++k) {
                const TTestLayer& layer = patterns[p][k];
                ini += "[" + pattern + ",layer" + std::to_string(k + 1) + "]\r\n";
                if (!layer.MaskImage.empty())
                    ini += "maskimage=" + layer.MaskImage + "\r\n";
                ini += "HorzFactor=" + Decimal(layer.HorzFactor) + "\r\nVertFactor=" + Decimal(layer.VertFactor) +
                       "\r\nHorzOffset=" + Decimal(layer.HorzOffset) + "\r\nVertOffset=" +
                       Decimal(layer.VertOffset) + "\r\n\r\n";
            }
        }
        WriteFileAtomically(Path() / "masks" / "patterndefine.ini", ini);
    }

    std::filesystem::path WriteBmp(const std::filesystem::path& relative, const TBitmap32& picture) const
    {
        const std::filesystem::path file = Path() / relative;
        std::filesystem::create_directories(file.parent_path());
        SaveBmp32(file, picture);
        return file;
    }

private:
    static std::string Decimal(double v)
    {
        std::string text = std::to_string(v);
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    }

    TestFolder folder_{"qx-layout-"};
};

// Every pixel differs from its neighbours in red and green, so cells at
// different places measure differently.
inline TBitmap32 GradientPicture(int width, int height)
{
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, Color32(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1),
                                           (x * 7 + y * 13) % 256));
    return picture;
}

// Gives the project a mosaic and cell size and pattern p of mask 1 from the
// session's mask library.
inline void UsePattern(Session& session, int pattern, int mosaicWidth, int mosaicHeight, int cellWidth,
                       int cellHeight)
{
    TqxProject07& project = session.CurrentProject;
    project.MosaicWidth = mosaicWidth;
    project.MosaicHeight = mosaicHeight;
    project.CellWidth = cellWidth;
    project.CellHeight = cellHeight;
    project.MaskIndex = 1;
    project.PatternIndex = pattern;
    project.CurrentPattern = TQXPattern{};
    session.Masks.ReadPattern(1, pattern, project.CurrentPattern);
}

} // namespace qx::test
