#pragma once
// Internal: the walk over a triangle's tiles, shared by both paths and included by each path's
// source, which is built with its own instruction set. Everything here has internal linkage and
// calls no library templates, so no copy built for one instruction set can stand in for another.
// Ops supplies the work on one tile:
//   Ops(const TriangleSetup&);
//   void draw(float* tile, float& tileMax, const std::int32_t* edge, float depth, bool full) const;
//   bool shows(const float* tile, const std::int32_t* edge, float depth, bool full) const;

#include "TileKernels.h"

namespace tilecull::detail {
namespace {

template <typename Ops> void drawTiles(const TriangleSetup& t, const Target& target) {
    const Ops ops(t);
    const std::int32_t tileStepX[3] = {t.stepX[0] * tileWidth, t.stepX[1] * tileWidth,
                                       t.stepX[2] * tileWidth};
    std::int32_t rowEdge[3];
    for (int i = 0; i < 3; ++i)
        rowEdge[i] = t.edge[i] + t.stepY[i] * tileHeight * (t.tileY0 - t.originTileY) +
                     tileStepX[i] * (t.tileX0 - t.originTileX);
    for (int ty = t.tileY0; ty <= t.tileY1; ++ty) {
        const float rowDepth = t.depth + t.depthTileY * static_cast<float>(ty - t.originTileY);
        std::int32_t e[3] = {rowEdge[0], rowEdge[1], rowEdge[2]};
        for (int tx = t.tileX0; tx <= t.tileX1;
             ++tx, e[0] += tileStepX[0], e[1] += tileStepX[1], e[2] += tileStepX[2]) {
            if (e[0] + t.tileMaxOffset[0] < 0 || e[1] + t.tileMaxOffset[1] < 0 ||
                e[2] + t.tileMaxOffset[2] < 0)
                continue; // the tile lies outside an edge
            const int index = ty * target.tilesX + tx;
            if (!(t.nearest < target.tileMax[index])) continue; // nothing to bring nearer here
            const bool full = e[0] + t.tileMinOffset[0] >= 0 && e[1] + t.tileMinOffset[1] >= 0 &&
                              e[2] + t.tileMinOffset[2] >= 0;
            const float depth = rowDepth + t.depthTileX * static_cast<float>(tx - t.originTileX);
            ops.draw(target.depth + index * tilePixels, target.tileMax[index], e, depth, full);
        }
        for (int i = 0; i < 3; ++i) rowEdge[i] += t.stepY[i] * tileHeight;
    }
}

template <typename Ops> bool showsInTiles(const TriangleSetup& t, const Target& target) {
    const Ops ops(t);
    const std::int32_t tileStepX[3] = {t.stepX[0] * tileWidth, t.stepX[1] * tileWidth,
                                       t.stepX[2] * tileWidth};
    std::int32_t rowEdge[3];
    for (int i = 0; i < 3; ++i)
        rowEdge[i] = t.edge[i] + t.stepY[i] * tileHeight * (t.tileY0 - t.originTileY) +
                     tileStepX[i] * (t.tileX0 - t.originTileX);
    for (int ty = t.tileY0; ty <= t.tileY1; ++ty) {
        const float rowDepth = t.depth + t.depthTileY * static_cast<float>(ty - t.originTileY);
        std::int32_t e[3] = {rowEdge[0], rowEdge[1], rowEdge[2]};
        for (int tx = t.tileX0; tx <= t.tileX1;
             ++tx, e[0] += tileStepX[0], e[1] += tileStepX[1], e[2] += tileStepX[2]) {
            if (e[0] + t.tileMaxOffset[0] < 0 || e[1] + t.tileMaxOffset[1] < 0 ||
                e[2] + t.tileMaxOffset[2] < 0)
                continue;
            const int index = ty * target.tilesX + tx;
            if (target.tileMax[index] < t.nearest) continue; // every pixel here is nearer
            const bool full = e[0] + t.tileMinOffset[0] >= 0 && e[1] + t.tileMinOffset[1] >= 0 &&
                              e[2] + t.tileMinOffset[2] >= 0;
            const float depth = rowDepth + t.depthTileX * static_cast<float>(tx - t.originTileX);
            if (ops.shows(target.depth + index * tilePixels, e, depth, full)) return true;
        }
        for (int i = 0; i < 3; ++i) rowEdge[i] += t.stepY[i] * tileHeight;
    }
    return false;
}

} // namespace
} // namespace tilecull::detail
