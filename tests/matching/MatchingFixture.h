#pragma once

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "imaging/TBlockColor.h"
#include "matching/MatchResult.h"
#include "render/Session.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace qx {
inline void PrintTo(const TMatchResult& r, std::ostream* os)
{
    *os << "{" << r.Difference << (r.FlipV ? " FlipV" : "") << (r.FlipH ? " FlipH" : "") << "}";
}
} // namespace qx

inline std::filesystem::path MatchingScratchFolder()
{
    return qx::test::FreshTestFolder("qx_matching_");
}

// A feature whose average and every block are the one colour.
inline qx::TTileFeature UniformFeature(unsigned r, unsigned g, unsigned b)
{
    qx::TTileFeature f;
    std::fill(f.Words.begin() + 1, f.Words.end(), qx::BlockColorOf(r, g, b));
    return f;
}

inline qx::TTileFeature GreyFeature(unsigned level)
{
    return UniformFeature(level, level, level);
}

// Every byte of every word drawn from 0..maxValue.
inline qx::TTileFeature RandomFeature(std::mt19937& rng, unsigned maxValue)
{
    std::uniform_int_distribution<unsigned> byte(0, maxValue);
    qx::TTileFeature f;
    for (std::uint32_t& w : f.Words)
        w = qx::MakeBlockColor(byte(rng), byte(rng), byte(rng), byte(rng));
    return f;
}

// A session whose settings change nothing unless a test says so: no repeat
// rules, no difference limits, the best candidate taken, no shifts, no
// mirrors, and every layer weighing every block fully.
inline std::unique_ptr<qx::Session> NeutralSession(std::uint64_t seed)
{
    auto session = std::make_unique<qx::Session>(QX_DATA_DIR, seed);
    qx::TqxProject07& p = session->CurrentProject;
    p.LimitRepeat = false;
    p.MinRepeat = 0;
    p.MaxRepeat = 400;
    p.RepeatRadius = 0;
    p.RandomLevel = 1;
    p.MaxColorDiffAvg = 255;
    p.MaxColorDiffSingle = 255;
    p.MaxShapeDiff = 255;
    p.EnhanceLevel = 0;
    p.EnhanceTable.fill(0);
    p.AllowHorzFlip = false;
    p.AllowVertFlip = false;
    p.MonoCellImage = false;
    p.RotateTiles = false;
    for (auto& vector : session->LayerWeights)
        vector.fill(1.0f);
    return session;
}

// Puts the photos into the session's index through the index files, the
// only way in without pictures. Use counts start at 0.
inline void LoadPhotos(qx::Session& session, const std::vector<qx::TTileFeature>& plain,
                       const std::vector<qx::TTileInfoRotated>& turned = {})
{
    auto words = [](qx::ByteWriter& out, const qx::TTileFeature& f) {
        for (std::uint32_t w : f.Words)
            out.U32(w);
    };
    qx::ByteWriter infos;
    infos.I32(static_cast<std::int32_t>(plain.size()));
    for (const qx::TTileFeature& f : plain) {
        infos.Zeros(12);
        words(infos, f);
    }
    qx::ByteWriter rotated;
    rotated.I32(static_cast<std::int32_t>(turned.size()));
    for (const qx::TTileInfoRotated& r : turned) {
        rotated.Zeros(12);
        for (const qx::TTileFeature& f : r.Rotated)
            words(rotated, f);
    }
    const std::filesystem::path dir = MatchingScratchFolder();
    qx::WriteFileAtomically(dir / "LibInfo.cls", infos.Data());
    qx::WriteFileAtomically(dir / "LibInfo_R.cls", rotated.Data());
    session.PhotoIndex.LoadTileIndex(dir);
}

// Lays out layer k as an enabled grid of square cells of `size` pixels,
// row by row, each fresh and of priority 1, with the given features.
inline void AddGrid(qx::Session& session, int layer, int columns, int rows, int size,
                    const std::function<qx::TTileFeature(int)>& feature)
{
    qx::TQXLayer& l = session.CurrentProject.Layers.at(static_cast<std::size_t>(layer - 1));
    l.Enabled = true;
    l.Excluded = false;
    l.Cells.assign(static_cast<std::size_t>(columns * rows), qx::TMosaicCell{});
    for (int i = 0; i < columns * rows; ++i) {
        qx::TMosaicCell& c = l.Cells[static_cast<std::size_t>(i)];
        const int x = (i % columns) * size;
        const int y = (i / columns) * size;
        c.CellRect = qx::TRect{x, y, x + size, y + size};
        c.Feature = feature(i);
        c.Priority = 1;
        c.DivisionLevel = 9;
    }
}

inline int PhotoOf(const qx::Session& session, int layer, int index)
{
    return session.CurrentProject.Layers.at(static_cast<std::size_t>(layer - 1))
        .Cells.at(static_cast<std::size_t>(index))
        .PhotoIndex;
}
