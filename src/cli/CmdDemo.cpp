#include "cli/CliContext.h"
#include "cli/CliRender.h"
#include "cli/CreateOptions.h"
#include "cli/CreateRun.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "imaging/JpegCodec.h"
#include "library/LibraryConfig.h"
#include "project/ProjectsFolder.h"
#include "render/Session.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <system_error>

namespace qx::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSampleLibrary = "sample";
constexpr const char* kBackgroundsFolder = "/usr/share/backgrounds";
// Narrower pictures there are icons and thumbnails, not photos.
constexpr int kMinPhotoWidth = 1001;

struct DemoOptions {
    std::string Out;
    std::string Main;
    std::optional<std::uint64_t> Seed;
};

bool IsRealPhoto(const fs::path& file)
{
    if (DetectImageType(file) != TImageType::Jpeg)
        return false;
    try {
        return LoadJpegFile(file).Width() >= kMinPhotoWidth;
    } catch (const QuiltixError&) {
        return false;
    }
}

fs::path FirstRealPhoto(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    const auto found = std::find_if(files.begin(), files.end(), IsRealPhoto);
    if (found == files.end())
        throw QuiltixError("No JPEG photo wider than 1000 pixels was found in " + QuotedPath(folder) +
                           "; name a main image with --main.");
    return *found;
}

fs::path OutputFolder(const std::string& out)
{
    if (out.empty())
        return ProjectsFolder();
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec)
        throw QuiltixError("The output folder " + QuotedPath(out) + " cannot be created: " + ec.message() + ".");
    return out;
}

// A3 at 96 PPI filled by the main image, 24 x 24 pixel cells: about 3,000
// cells, with the stronger main-image blend so the picture reads well from
// a distance.
TCreateOptions SampleProject(const fs::path& mainImage, const fs::path& out)
{
    TCreateOptions options;
    options.Mode = TPanelKind::Beginner;
    options.MainImage = mainImage.string();
    options.Libraries = {kSampleLibrary};
    options.ProjectsDir = out.string();
    options.Paper = "A3";
    options.Ppi = 96;
    options.Cell = "24x24";
    options.Fit = TMainImageFit::CropToFill;
    options.AlphaPreset = 50;
    return options;
}

void RunDemo(const DemoOptions& demo, CliContext& context)
{
    const fs::path appFolder = context.AppFolder();
    const fs::path sample = appFolder / PhotoLibsFolderName / kSampleLibrary;
    std::error_code ec;
    if (!fs::is_regular_file(sample / LibraryConfigFileName, ec))
        throw QuiltixError("The sample photo library " + QuotedPath(sample) +
                           " does not exist; run scripts/demo to make it.");
    const fs::path mainImage = demo.Main.empty() ? FirstRealPhoto(kBackgroundsFolder) : fs::path(demo.Main);
    const TCreateOptions options = SampleProject(mainImage, OutputFolder(demo.Out));

    Session session(appFolder, demo.Seed.value_or(TRandom::ClockSeed()));
    const fs::path folder = CreateProjectFromOptions(session, options);
    RenderAndReport(session, context);
    if (context.ExitCode == 0)
        std::cout << "Mosaic written to " << (folder / "output.bmp").string() << "\n";
}

} // namespace

void AddDemoCommand(CLI::App& app, CliContext& context)
{
    auto options = std::make_shared<DemoOptions>();
    CLI::App* demo = app.add_subcommand(
        "demo", "Render the sample mosaic: the photo library \"sample\" (made by scripts/demo) on an A3 page at "
                "96 PPI with 24 x 24 pixel cells.");
    demo->add_option("--out", options->Out,
                     "Folder in which the project folder is made (default: MosaicProject in the documents folder).")
        ->type_name("DIR");
    demo->add_option("--main", options->Main,
                     "Main image (default: the first JPEG photo wider than 1000 pixels in /usr/share/backgrounds).")
        ->type_name("FILE");
    demo->add_option_function<std::uint64_t>(
            "--seed", [options](const std::uint64_t& seed) { options->Seed = seed; },
            "Seed of the random generator, so that the render can be repeated (default: the clock).")
        ->type_name("N");
    demo->callback([options, &context] { RunDemo(*options, context); });
}

} // namespace qx::cli
