#include "render/Session.h"

namespace qx {

Session::Session(std::filesystem::path appFolder) : Session(std::move(appFolder), TRandom::ClockSeed()) {}

Session::Session(std::filesystem::path appFolder, std::uint64_t seed)
    : AppFolder(std::move(appFolder)), Masks(MaskLibrary::Open(AppFolder)), Random(seed)
{
    Curves.LoadDefaultCurves(AppFolder);
    InitPhotoLibs(PhotoLibs, AppFolder);
}

} // namespace qx
