#pragma once

#include "common/TRandom.h"
#include "imaging/CurveStore.h"
#include "imaging/TBitmap32.h"
#include "layout/MaskLibrary.h"
#include "library/PhotoLibrary.h"
#include "library/TileIndex.h"
#include "project/TqxProject07.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

namespace qx {

// The per-layer block weights of the candidate search: vector k (1..7) holds
// 85 entries as FeatureToGrayVector makes them; entries 21..84 weigh the
// 8 x 8 blocks. All 0 until a pattern with mask pictures fills them.
using TLayerWeights = std::array<std::array<float, 85>, 8>;

// Everything a run of the program shares: the project being worked on, the
// two big bitmaps, the photo index and the job's lists, the mask library,
// the curve stores and the random generator. The GUI makes one; tests and
// the command line make their own. Not thread-safe: one job at a time.
struct Session {
    // Seeds the generator from the clock.
    explicit Session(std::filesystem::path appFolder);
    Session(std::filesystem::path appFolder, std::uint64_t seed);

    std::filesystem::path AppFolder;
    TqxProject07 CurrentProject;
    TBitmap32 MainImageBitmap;
    TBitmap32 MosaicBitmap;
    TileIndex PhotoIndex;
    // The job's cell photos; a photo's number is its position here.
    std::vector<std::string> RenderCellImgList;
    // Where the reports are assembled before they are written.
    std::vector<std::string> ReportBuffer;
    TLayerWeights LayerWeights{};
    MaskLibrary Masks;
    CurveStore Curves;
    TPhotoLibState PhotoLibs;
    TRandom Random;
    // Set by a command that wants a render; taken by the render runner.
    std::atomic<bool> RenderRequest{false};
};

} // namespace qx
