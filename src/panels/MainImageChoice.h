#pragma once

#include <filesystem>

namespace qx {

class TqxProject07;

// The main image as a panel holds it: the file last chosen in the picture
// dialog (openpic1) and the bitmap loaded from it.
struct TMainImageChoice {
    std::filesystem::path File; // empty when none was chosen
    bool Monochrome = false;    // cbmonomain
    int Width = 0;              // pixels of the loaded main image bitmap
    int Height = 0;
};

// Throws QuiltixError naming the file when it exists but its bitmap has no
// pixels, i.e. it could not be read as a picture.
void CheckMainImageChoice(const TMainImageChoice& choice);

// When File names an existing file: OrgMainimageFilename and
// MainimageFilename become its path, MainImageLoaded true, MonoMainImage
// the Monochrome box. Otherwise the project is left as it is.
void ApplyMainImageChoice(const TMainImageChoice& choice, TqxProject07& project);

} // namespace qx
