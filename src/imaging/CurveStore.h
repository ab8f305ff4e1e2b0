#pragma once

#include "imaging/CurvePoints.h"

#include <filesystem>

namespace qx {

// The folder of the curve files below the application folder.
std::filesystem::path CurveFolder(const std::filesystem::path& appFolder);
std::filesystem::path DefaultEnhanceCurveFile(const std::filesystem::path& appFolder);
std::filesystem::path DefaultAlphaCurveFile(const std::filesystem::path& appFolder);

// The program-wide curve stores: the enhance and alpha curves as last
// edited or loaded. They start at five (0, 0) points.
struct CurveStore {
    TCurvePoints EnhancePoints{};
    TCurvePoints AlphaPoints{};

    // Loads default.ehc and default.amc from the application folder's curve
    // folder; a missing file leaves its store as it was. Throws QuiltixError
    // for a file that exists but cannot be read.
    void LoadDefaultCurves(const std::filesystem::path& appFolder);

    // Copies the stores into a project's enhance and alpha curves.
    void CopyInto(TCurvePoints& enhanceCurve, TCurvePoints& alphaCurve) const;
};

} // namespace qx
