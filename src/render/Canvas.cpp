#include "render/Canvas.h"

#include "common/QuiltixError.h"
#include "imaging/BmpFormat.h"
#include "imaging/ColorValue.h"
#include "imaging/ImageFunctions.h"
#include "layout/CountPatternCells.h"
#include "render/RenderReporter.h"
#include "render/Session.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace qx {

namespace {

constexpr int kGrayWeightSet = 1;
constexpr std::int64_t kPixelsPerCell = 64;

// The crop and the canvas need a mosaic of at least one pixel a side.
void CheckMosaicSize(const TqxProject07& project)
{
    if (project.MosaicWidth >= 1 && project.MosaicHeight >= 1)
        return;
    throw QuiltixError("The mosaic size of " + std::to_string(project.MosaicWidth) + " x " +
                       std::to_string(project.MosaicHeight) +
                       " pixels cannot be rendered; both sides must be at least one pixel.");
}

void LoadMainImage(Session& session)
{
    const TqxProject07& project = session.CurrentProject;
    TBitmap32& image = session.MainImageBitmap;
    // The crop keeps one whole side and sizes the other in the mosaic's ratio, so a cover stays a cover.
    LoadImageFileScaled(image, project.MainimageFilename, project.MosaicWidth, project.MosaicHeight);
    if (project.MonoMainImage)
        ConvertToGray(image, image, kGrayWeightSet);
    if (project.CropMainImage)
        CropToAspect(image, image, project.MosaicWidth, project.MosaicHeight);
}

// The main image's settings stay for the later steps even when nobody sees
// the canvas; only the stretch itself, which the output step paints over,
// is left out then.
void PaintBackground(Session& session, bool canvasShown)
{
    const TqxProject07& project = session.CurrentProject;
    if (!project.MainImageAsBackground) {
        session.MosaicBitmap.Clear(ColorValueToPixel(project.BackgroundColor));
        return;
    }
    TBitmap32& image = session.MainImageBitmap;
    // Unshifted, it only makes every pixel opaque.
    ShiftChannels(image, image, 0, 0, 0);
    image.DrawMode = TDrawMode::Blend;
    image.Resampler = static_cast<TResampler>(project.StretchFilter);
    if (canvasShown)
        session.MosaicBitmap.StretchDrawFrom(image, {0, 0, project.MosaicWidth, project.MosaicHeight});
}

// The enlargement factor, lowered where the enlarged picture would pass the
// limits every picture of the system keeps to.
double LimitedFactor(double factor, int width, int height)
{
    const double pixels = static_cast<double>(width) * height;
    return std::min({factor, static_cast<double>(kMaxImageSide) / width, static_cast<double>(kMaxImageSide) / height,
                     std::sqrt(static_cast<double>(kMaxImagePixels) / pixels)});
}

} // namespace

void PrepareCanvas(Session& session, RenderReporter& reporter)
{
    const TqxProject07& project = session.CurrentProject;
    CheckMosaicSize(project);
    reporter.SetProgress(0);
    LoadMainImage(session);
    reporter.SetProgress(0);
    reporter.AddLogLine("Init render.............Done");
    reporter.AddLogLine("Init MainImage.............Done");
    session.MosaicBitmap.SetSize(project.MosaicWidth, project.MosaicHeight);
    session.MosaicBitmap.Clear(0);
    reporter.AddLogLine("Step1 -- Init Canvas.............Done");
    PaintBackground(session, reporter.ShowsCanvas());
    reporter.AddLogLine("Step2 -- Background............Done");
}

void EnlargeMainImage(Session& session)
{
    const TqxProject07& project = session.CurrentProject;
    TBitmap32& image = session.MainImageBitmap;
    const std::int64_t cells = CountPatternCells(project.CurrentPattern, project.MosaicWidth, project.MosaicHeight,
                                                 project.CellWidth, project.CellHeight);
    const std::int64_t need = cells * kPixelsPerCell;
    const std::int64_t pixels = static_cast<std::int64_t>(image.Width()) * image.Height();
    if (cells <= 0 || pixels == 0 || pixels >= need)
        return;
    const double factor = LimitedFactor(static_cast<double>(need) / static_cast<double>(pixels), image.Width(),
                                        image.Height());
    const int newWidth = static_cast<int>(image.Width() * factor);
    const int newHeight = static_cast<int>(image.Height() * factor);
    if (newWidth <= image.Width() && newHeight <= image.Height())
        return;
    TBitmap32 enlarged(newWidth, newHeight);
    StretchBitmap32(image, enlarged, newWidth, newHeight);
    image.Assign(enlarged);
}

} // namespace qx
