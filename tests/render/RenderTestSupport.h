#pragma once

#include "common/FileIO.h"
#include "imaging/BmpCodec.h"
#include "library/TileFeature.h"
#include "render/RenderReporter.h"
#include "render/Session.h"
#include "support/RecordingReporter.h"
#include "support/TestFolder.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline std::filesystem::path RenderScratchFolder()
{
    return qx::test::FreshTestFolder("qx_render_");
}

struct TRgb {
    unsigned R = 0;
    unsigned G = 0;
    unsigned B = 0;
    qx::TColor32 Pixel() const { return qx::Color32(R, G, B); }
};

inline qx::TTileFeature FlatFeature(TRgb c)
{
    qx::TTileFeature f;
    f.Words[0] = 0;
    std::fill(f.Words.begin() + 1, f.Words.end(), qx::BlockColorOf(c.R, c.G, c.B));
    return f;
}

inline qx::TBitmap32 FlatBitmap(int width, int height, TRgb c)
{
    return qx::test::PlainPicture(width, height, c.Pixel());
}

// A session drawing a mosaic with one-to-one, unfiltered defaults: crop on,
// grey off, pen 255, nearest filter, no border, the alpha table all 0, one
// page of the mosaic's size, and a flat grey main image of the mosaic's size.
inline std::unique_ptr<qx::Session> DrawingSession(const std::filesystem::path& folder, int mosaicWidth,
                                                   int mosaicHeight, int cellWidth, int cellHeight)
{
    auto session = std::make_unique<qx::Session>(QX_DATA_DIR, 5);
    qx::TqxProject07& p = session->CurrentProject;
    p.Projectpath = folder.string();
    p.MosaicWidth = mosaicWidth;
    p.MosaicHeight = mosaicHeight;
    p.CellWidth = cellWidth;
    p.CellHeight = cellHeight;
    p.PageWidth = mosaicWidth;
    p.PageHeight = mosaicHeight;
    p.PPI = 96;
    p.CropCellImage = true;
    p.MonoCellImage = false;
    p.AlphaBlendPen = 255;
    p.StretchFilter = static_cast<std::uint8_t>(qx::TResampler::Nearest);
    p.BorderColor = 0;
    p.BorderSize = 0;
    p.AlphaTable.fill(0);
    session->MainImageBitmap = FlatBitmap(mosaicWidth, mosaicHeight, {128, 128, 128});
    session->MosaicBitmap.SetSize(mosaicWidth, mosaicHeight);
    return session;
}

// Saves the picture as a BMP photo in the folder and lists it; returns its
// photo number.
inline int AddPhoto(qx::Session& session, const std::filesystem::path& folder, const qx::TBitmap32& picture)
{
    const int number = static_cast<int>(session.RenderCellImgList.size());
    const std::filesystem::path file = folder / ("photo" + std::to_string(number) + ".bmp");
    qx::SaveBmp32(file, picture);
    session.RenderCellImgList.push_back(file.string());
    return number;
}

inline std::vector<std::uint8_t> EncodeJpeg(const qx::TBitmap32& picture)
{
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const qx::TColor32 c = picture.Pixel(x, y);
            rgb.insert(rgb.end(), {static_cast<std::uint8_t>(qx::RedOf(c)), static_cast<std::uint8_t>(qx::GreenOf(c)),
                                   static_cast<std::uint8_t>(qx::BlueOf(c))});
        }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status = tjCompress2(handle, rgb.data(), picture.Width(), 0, picture.Height(), TJPF_RGB, &jpeg, &size,
                                   TJSAMP_444, 90, 0);
    std::vector<std::uint8_t> bytes(jpeg, jpeg + (status == 0 ? size : 0));
    tjFree(jpeg);
    tjDestroy(handle);
    EXPECT_EQ(status, 0);
    return bytes;
}

inline int AddJpegPhoto(qx::Session& session, const std::filesystem::path& folder, const qx::TBitmap32& picture)
{
    const int number = static_cast<int>(session.RenderCellImgList.size());
    const std::filesystem::path file = folder / ("photo" + std::to_string(number) + ".jpg");
    const std::vector<std::uint8_t> bytes = EncodeJpeg(picture);
    qx::WriteFileAtomically(file, std::span<const std::uint8_t>(bytes));
    session.RenderCellImgList.push_back(file.string());
    return number;
}

// Enables the layer and appends a cell with a photo; returns its index.
inline int AddCell(qx::Session& session, int layer, const qx::TRect& rect, int photo, TRgb cellColour)
{
    qx::TQXLayer& l = session.CurrentProject.Layers.at(static_cast<std::size_t>(layer - 1));
    l.Enabled = true;
    qx::TMosaicCell cell;
    cell.CellRect = rect;
    cell.Feature = FlatFeature(cellColour);
    cell.PhotoIndex = photo;
    cell.HasPhoto = photo >= 0;
    l.Cells.push_back(cell);
    return static_cast<int>(l.Cells.size()) - 1;
}

inline qx::TMosaicCell& CellAt(qx::Session& session, int layer, int index)
{
    return session.CurrentProject.Layers.at(static_cast<std::size_t>(layer - 1)).Cells.at(static_cast<std::size_t>(index));
}

using qx::test::RecordingReporter;
