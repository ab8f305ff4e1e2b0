#pragma once

#include "panels/PanelVariant.h"

#include <string>

namespace qx {

class TqxProject07;

enum class TSizeUnit { Inch, Cm };                           // cbinchmm
enum class TOrientation { Landscape, Portrait };             // rblandscape, RadioButton2
enum class TMainImageFit { BestFit, CropToFill, StretchToFill }; // cbmainuse items 0..2

// The controls of a panel's "Mosaic Size" page.
struct TMosaicSizeControls {
    int PaperIndex = 12;                 // cbpsi item index, in the panel's own list
    std::string CustomWidthText = "16";  // epwi
    std::string CustomHeightText = "24"; // ephi
    TSizeUnit CustomUnit = TSizeUnit::Inch;
    int PpiIndex = 1;                    // cbppi item index
    TOrientation Orientation = TOrientation::Landscape;
    TMainImageFit Fit = TMainImageFit::BestFit;
};

// The size page controls as the panel starts: its default paper entry and
// custom texts, 96 PPI, landscape, Best Fit.
TMosaicSizeControls DefaultSizeControls(TPanelKind panel);

// The Advanced panel's "MultiPage Output" group; the other panels always
// render one page. The GUI skips the recomputation while either page edit
// is empty, as the panel does.
struct TPageOutputControls {
    bool SinglePage = true; // rbsinglepage, else RadioButton3
    int PageWidth = 1024;   // epgwdpx, pixels
    int PageHeight = 1024;  // epghtpx, pixels
};

// Everything the size recomputation reads.
struct TMosaicSizeInput {
    TPanelKind Panel = TPanelKind::Beginner;
    TMosaicSizeControls Size;
    TPageOutputControls Pages;
    bool MainImageLoaded = false;
    int MainImageWidth = 0;  // pixels of the loaded main image
    int MainImageHeight = 0;
    // The mosaic as it stands; kept when no main image is loaded.
    int MosaicWidth = 1024;
    int MosaicHeight = 1024;
    bool CropMainImage = false;
};

// The page extras of the Advanced and Tile panels, computed from the page
// edits as typed (not as clamped).
struct TPageLabels {
    std::string WidthInch;  // pgwdinch, "10.42 inch" for 1000 pixels at 96 PPI
    std::string HeightInch; // pghtinch
    std::string WidthCm;    // pgwdcm, "26.46 cm"
    std::string HeightCm;   // pghtcm
    std::string PageCount;  // lbpagecount, "Page Count = 3 x 2 = 6"
    std::string EachPage;   // lbpagesize, "Each Page: 3.81MB" for 1000 x 1000
};

struct TMosaicSizeResult {
    std::string CustomWidthText;  // the custom edits after the 40 inch / 100 cm clamp
    std::string CustomHeightText;
    bool CustomEditsEnabled = false; // a custom row is chosen: epwi, ephi, cbinchmm editable
    int PPI = 0;
    int PaperWidth = 0;  // the oriented page of paper in pixels, at least 1
    int PaperHeight = 0;
    int MosaicWidth = 0; // at least 1
    int MosaicHeight = 0;
    bool CropMainImage = false;
    int PageWidth = 0;   // one output page in pixels, at least 1
    int PageHeight = 0;
    int PageColumns = 0;
    int PageRows = 0;
    std::string SizeLabel; // lbmosaicsize (and the Advanced panel's lbmosaicsize2)
    bool HugeFile = false; // lboversized ("HugeFile !") shows
    TPageLabels Pages;
};

// The size recomputation of a panel. Sides that would come out below one
// pixel (an empty or tiny custom edit, a negative one, a very thin Best Fit
// mosaic, a page edit of 0) are raised to one pixel. Throws QuiltixError when
// a non-empty custom edit is not a number (checked whichever paper is
// chosen), or when Best Fit is asked of a loaded main image without pixels.
TMosaicSizeResult ComputeMosaicSize(const TMosaicSizeInput& input);

// Throws the QuiltixError ComputeMosaicSize would throw for the custom
// edits, so that an update can refuse them before it changes anything.
void CheckCustomSizeTexts(const TMosaicSizeControls& size);

// Writes PPI, mosaic size, CropMainImage and the page size into a project.
void ApplyMosaicSize(const TMosaicSizeResult& result, TqxProject07& project);

// ComputeMosaicSize over the panel project's own main-image flag, mosaic
// size and crop flag, then ApplyMosaicSize. mainImageWidth and Height are
// the loaded main image's pixels.
TMosaicSizeResult RecomputeMosaicSize(TPanelKind panel, const TMosaicSizeControls& size,
                                      const TPageOutputControls& pages, int mainImageWidth, int mainImageHeight,
                                      TqxProject07& project);

// lbmosaicsize: "W x H Pixels", and for the Advanced panel
// "W x H Pixels   = M MB" with M = W x H x 4 div 1048576 (no blank before MB).
std::string MosaicSizeLabel(TPanelKind panel, int mosaicWidth, int mosaicHeight);

// The bitmap of that size would exceed 400 MB.
bool IsHugeMosaic(int mosaicWidth, int mosaicHeight);

// Pages of pageSide pixels needed to cover mosaicSide pixels: the quotient,
// plus one when a remainder is left. A pageSide below 1 counts as 1.
int PagesNeeded(int mosaicSide, int pageSide);

// The page labels for the page edits at `ppi` (at least 1) and the page grid.
TPageLabels ComputePageLabels(const TPageOutputControls& pages, int ppi, int columns, int rows);

} // namespace qx
