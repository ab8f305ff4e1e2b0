#include "imaging/CurveStore.h"

#include "imaging/CurveFile.h"

namespace qx {

namespace fs = std::filesystem;

fs::path CurveFolder(const fs::path& appFolder)
{
    return appFolder / "config" / "enhance";
}

fs::path DefaultEnhanceCurveFile(const fs::path& appFolder)
{
    return CurveFolder(appFolder) / "default.ehc";
}

fs::path DefaultAlphaCurveFile(const fs::path& appFolder)
{
    return CurveFolder(appFolder) / "default.amc";
}

void CurveStore::LoadDefaultCurves(const fs::path& appFolder)
{
    ReadCurveFile(DefaultEnhanceCurveFile(appFolder), EnhancePoints);
    ReadCurveFile(DefaultAlphaCurveFile(appFolder), AlphaPoints);
}

void CurveStore::CopyInto(TCurvePoints& enhanceCurve, TCurvePoints& alphaCurve) const
{
    enhanceCurve = EnhancePoints;
    alphaCurve = AlphaPoints;
}

} // namespace qx
