#include "cli/CliContext.h"
#include "common/FileIO.h"
#include "imaging/ImageFunctions.h"
#include "library/TileFeature.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace qx::cli {

namespace {

// The feature needs only 64 x 64 pixels, so JPEGs are decoded at the scale
// the photo index uses.
constexpr int kFeatureDecodeSize = 64;

void PrintFeature(const TTileFeature& feature, std::ostream& out)
{
    out << "cube " << feature.Words[0] << "\n";
    for (std::size_t i = 1; i < feature.Words.size(); ++i) {
        const TBlockColor word = feature.Words[i];
        out << i << " " << LuminanceOf(word) << " " << BlockRedOf(word) << " " << BlockGreenOf(word) << " "
            << BlockBlueOf(word) << "\n";
    }
}

} // namespace

void AddFeatureCommand(CLI::App& app, CliContext& context)
{
    CLI::App* command = app.add_subcommand(
        "feature", "Print the 86 words of a picture's colour feature: the cube index, then L R G B per block.");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "JPEG or BMP picture.")->required();
    command->callback([&context, file] {
        if (DetectImageType(*file) == TImageType::Other) {
            std::cerr << "The file " << QuotedPath(*file) << " is neither a JPEG nor a BMP picture.\n";
            context.ExitCode = 2;
            return;
        }
        TBitmap32 picture;
        LoadImageFileScaled(picture, *file, kFeatureDecodeSize, kFeatureDecodeSize);
        PrintFeature(ComputeTileFeature(picture), std::cout);
    });
}

} // namespace qx::cli
