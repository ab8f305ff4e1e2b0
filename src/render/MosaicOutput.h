#pragma once

namespace qx {

class RenderReporter;
struct Session;

// Draws the session's CurrentProject page by page into MosaicBitmap
// (DrawLayers) and writes every page as a 32-bit BMP of the full page size
// into the project folder: "output.bmp" for a one-page mosaic, else
// "output_x<i>y<j>.bmp" in the order x0y0, x0y1, x1y0, ...; only the last
// page carries the resolution (PPI in pixels per metre). Logs the drawing's
// lines and calls MosaicChanged after each page; MosaicBitmap then holds the
// last page. Sets ProjectStage 2 and saves the project files. Throws
// QuiltixError, before drawing anything, for a project without a folder or
// with a mosaic, page or cell size below one pixel, and for a photo or file
// that cannot be decoded or written (pages written before stay).
void DrawAndWriteMosaic(Session& session, RenderReporter& reporter);

} // namespace qx
