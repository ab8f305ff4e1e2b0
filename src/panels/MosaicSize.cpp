#include "panels/MosaicSize.h"

#include "common/QuiltixError.h"
#include "panels/NumberText.h"
#include "panels/PaperSizes.h"
#include "panels/Resolutions.h"
#include "project/TqxProject07.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <utility>

namespace qx {

namespace {

struct TUnitRow {
    TSizeUnit Unit;
    double Limit;       // larger custom values are set to this
    const char* LimitText;
    double PerInch;     // custom value / PerInch = inches
};

constexpr std::array<TUnitRow, 2> kUnits{{
    {TSizeUnit::Inch, 40.0, "40", 1.0},
    {TSizeUnit::Cm, 100.0, "100", 2.54},
}};

// An empty custom edit stands for this many inches.
constexpr double kEmptyEditInches = 0.01;
// Paper used when the list has no entry selected.
constexpr double kNoPaperInches = 0.1;
constexpr std::int64_t kBytesPerPixel = 4;
constexpr std::int64_t kMegabyte = 1048576;
constexpr std::int64_t kHugeMegabytes = 400;

const TUnitRow& UnitRow(TSizeUnit unit)
{
    return kUnits[static_cast<std::size_t>(unit)];
}

std::string ClampCustomText(const std::string& text, const TUnitRow& unit, const char* side)
{
    if (text.empty()) {
        return text;
    }
    const auto value = ParseEditNumber(text);
    if (!value) {
        throw QuiltixError("The custom " + std::string(side) + " \"" + text + "\" is not a number.");
    }
    return *value > unit.Limit ? unit.LimitText : text;
}

double CustomInches(const std::string& clampedText, const TUnitRow& unit)
{
    if (clampedText.empty()) {
        return kEmptyEditInches;
    }
    return *ParseEditNumber(clampedText) / unit.PerInch;
}

// Custom sides are clamped from above only, so a tiny or negative one would
// give a page of no pixels, which no later division may see.
int SidePixels(int ppi, double inches)
{
    const double pixels = ppi * inches;
    return pixels >= 1.0 ? static_cast<int>(pixels) : 1;
}

// Best Fit scales by min(pageH / H, pageW / W); comparing the cross products
// in integers picks the limiting side exactly, where a quotient times its
// divisor in floating point can land one pixel short.
std::pair<int, int> BestFit(int pageWidth, int pageHeight, int imageWidth, int imageHeight)
{
    if (imageWidth < 1 || imageHeight < 1) {
        throw QuiltixError("The main image has no pixels (" + std::to_string(imageWidth) + " x " +
                           std::to_string(imageHeight) + "), so the mosaic cannot be fitted to the page.");
    }
    const std::int64_t w = imageWidth;
    const std::int64_t h = imageHeight;
    if (pageHeight * w <= pageWidth * h) {
        return {static_cast<int>(std::max<std::int64_t>(1, pageHeight * w / h)), pageHeight};
    }
    return {pageWidth, static_cast<int>(std::max<std::int64_t>(1, pageWidth * h / w))};
}

std::int64_t MosaicMegabytes(int mosaicWidth, int mosaicHeight)
{
    return std::int64_t{mosaicWidth} * mosaicHeight * kBytesPerPixel / kMegabyte;
}

void ApplyPaper(const TMosaicSizeInput& input, TMosaicSizeResult& result)
{
    const TUnitRow& unit = UnitRow(input.Size.CustomUnit);
    result.CustomWidthText = ClampCustomText(input.Size.CustomWidthText, unit, "width");
    result.CustomHeightText = ClampCustomText(input.Size.CustomHeightText, unit, "height");

    double first = kNoPaperInches;
    double second = kNoPaperInches;
    if (const TPaperSize* paper = PaperAt(input.Panel, input.Size.PaperIndex); paper != nullptr) {
        result.CustomEditsEnabled = paper->Custom;
        first = paper->Custom ? CustomInches(result.CustomWidthText, unit) : paper->ShortSideInch;
        second = paper->Custom ? CustomInches(result.CustomHeightText, unit) : paper->LongSideInch;
    }
    result.PPI = PpiForIndex(input.Panel, input.Size.PpiIndex);
    const int a = SidePixels(result.PPI, first);
    const int b = SidePixels(result.PPI, second);
    const bool landscape = input.Size.Orientation == TOrientation::Landscape;
    result.PaperWidth = landscape ? std::max(a, b) : std::min(a, b);
    result.PaperHeight = landscape ? std::min(a, b) : std::max(a, b);
}

void FitMainImage(const TMosaicSizeInput& input, TMosaicSizeResult& result)
{
    result.MosaicWidth = std::max(1, input.MosaicWidth);
    result.MosaicHeight = std::max(1, input.MosaicHeight);
    result.CropMainImage = input.CropMainImage;
    if (!input.MainImageLoaded) {
        return;
    }
    result.CropMainImage = input.Size.Fit == TMainImageFit::CropToFill;
    if (input.Size.Fit == TMainImageFit::BestFit) {
        std::tie(result.MosaicWidth, result.MosaicHeight) =
            BestFit(result.PaperWidth, result.PaperHeight, input.MainImageWidth, input.MainImageHeight);
    } else {
        result.MosaicWidth = result.PaperWidth;
        result.MosaicHeight = result.PaperHeight;
    }
}

void ApplyPages(const TMosaicSizeInput& input, TMosaicSizeResult& result)
{
    result.PageWidth = input.Pages.SinglePage ? result.MosaicWidth : std::max(1, input.Pages.PageWidth);
    result.PageHeight = input.Pages.SinglePage ? result.MosaicHeight : std::max(1, input.Pages.PageHeight);
    result.PageColumns = PagesNeeded(result.MosaicWidth, result.PageWidth);
    result.PageRows = PagesNeeded(result.MosaicHeight, result.PageHeight);
    result.Pages = ComputePageLabels(input.Pages, result.PPI, result.PageColumns, result.PageRows);
}

} // namespace

TMosaicSizeControls DefaultSizeControls(TPanelKind panel)
{
    const TPanelVariant& variant = PanelVariantOf(panel);
    TMosaicSizeControls controls;
    controls.PaperIndex = variant.DefaultPaperIndex;
    controls.CustomWidthText = variant.CustomDefaultWidth;
    controls.CustomHeightText = variant.CustomDefaultHeight;
    controls.PpiIndex = kDefaultResolutionIndex;
    return controls;
}

TMosaicSizeResult ComputeMosaicSize(const TMosaicSizeInput& input)
{
    TMosaicSizeResult result;
    ApplyPaper(input, result);
    FitMainImage(input, result);
    result.SizeLabel = MosaicSizeLabel(input.Panel, result.MosaicWidth, result.MosaicHeight);
    result.HugeFile = IsHugeMosaic(result.MosaicWidth, result.MosaicHeight);
    ApplyPages(input, result);
    return result;
}

void CheckCustomSizeTexts(const TMosaicSizeControls& size)
{
    const TUnitRow& unit = UnitRow(size.CustomUnit);
    ClampCustomText(size.CustomWidthText, unit, "width");
    ClampCustomText(size.CustomHeightText, unit, "height");
}

void ApplyMosaicSize(const TMosaicSizeResult& result, TqxProject07& project)
{
    project.PPI = result.PPI;
    project.MosaicWidth = result.MosaicWidth;
    project.MosaicHeight = result.MosaicHeight;
    project.CropMainImage = result.CropMainImage;
    project.PageWidth = result.PageWidth;
    project.PageHeight = result.PageHeight;
}

TMosaicSizeResult RecomputeMosaicSize(TPanelKind panel, const TMosaicSizeControls& size,
                                      const TPageOutputControls& pages, int mainImageWidth, int mainImageHeight,
                                      TqxProject07& project)
{
    TMosaicSizeInput input;
    input.Panel = panel;
    input.Size = size;
    input.Pages = pages;
    input.MainImageLoaded = project.MainImageLoaded;
    input.MainImageWidth = mainImageWidth;
    input.MainImageHeight = mainImageHeight;
    input.MosaicWidth = project.MosaicWidth;
    input.MosaicHeight = project.MosaicHeight;
    input.CropMainImage = project.CropMainImage;
    TMosaicSizeResult result = ComputeMosaicSize(input);
    ApplyMosaicSize(result, project);
    return result;
}

std::string MosaicSizeLabel(TPanelKind panel, int mosaicWidth, int mosaicHeight)
{
    std::string label = std::to_string(mosaicWidth) + " x " + std::to_string(mosaicHeight) + " Pixels";
    if (PanelVariantOf(panel).SizeLabelShowsMegabytes) {
        label += "   = " + std::to_string(MosaicMegabytes(mosaicWidth, mosaicHeight)) + "MB";
    }
    return label;
}

bool IsHugeMosaic(int mosaicWidth, int mosaicHeight)
{
    return MosaicMegabytes(mosaicWidth, mosaicHeight) > kHugeMegabytes;
}

int PagesNeeded(int mosaicSide, int pageSide)
{
    const int side = std::max(1, pageSide);
    return mosaicSide / side + (mosaicSide % side != 0 ? 1 : 0);
}

TPageLabels ComputePageLabels(const TPageOutputControls& pages, int ppi, int columns, int rows)
{
    const double widthInch = static_cast<double>(pages.PageWidth) / ppi;
    const double heightInch = static_cast<double>(pages.PageHeight) / ppi;
    const double pageBytes = static_cast<double>(pages.PageWidth) * pages.PageHeight * kBytesPerPixel;
    TPageLabels labels;
    labels.WidthInch = FormatFixed(widthInch, 2) + " inch";
    labels.HeightInch = FormatFixed(heightInch, 2) + " inch";
    labels.WidthCm = FormatFixed(widthInch * 2.54, 2) + " cm";
    labels.HeightCm = FormatFixed(heightInch * 2.54, 2) + " cm";
    labels.PageCount = "Page Count = " + std::to_string(columns) + " x " + std::to_string(rows) + " = " +
                       std::to_string(columns * rows);
    labels.EachPage = "Each Page: " + FormatFixed(pageBytes / static_cast<double>(kMegabyte), 2) + "MB";
    return labels;
}

} // namespace qx
