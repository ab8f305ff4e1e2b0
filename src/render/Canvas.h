#pragma once

namespace qx {

class RenderReporter;
struct Session;

// The first step of every render job. Reloads the project's main image into
// MainImageBitmap (a file that is missing or of no known type leaves the
// bitmap as it was; a JPEG is decoded at the smallest scale that still
// covers the mosaic), turns it grey and crops it to the mosaic's aspect
// ratio as the project asks, then gives MosaicBitmap the mosaic size and
// paints it with the stretched main image or the background colour. The
// stretch is left out, the canvas staying black, when the reporter shows no
// canvas. Logs its four lines. Throws QuiltixError for a mosaic side below
// one pixel or a main image file that cannot be decoded.
void PrepareCanvas(Session& session, RenderReporter& reporter);

// Scales MainImageBitmap up, keeping its aspect ratio, when it has fewer
// pixels than 64 for every cell the current pattern gives: each side grows
// by the factor (64 x cells) / pixels. Does nothing for an empty main image
// or a pattern without cells. Sizes beyond what a picture may have (32768
// pixels a side, 200 megapixels) are reduced to the largest that fits.
void EnlargeMainImage(Session& session);

} // namespace qx
