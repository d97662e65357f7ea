#pragma once
// Internal: the walk over a triangle's tiles, shared by both paths and included by each path's
// source, which is built with its own instruction set. Everything here has internal linkage and
// calls no library templates, so no copy built for one instruction set can stand in for another.
// Ops supplies the work on one tile:
//   Ops(const TriangleSetup&);
//   void draw(const float* old, float* tile, float& tileMax, const std::int32_t* edge, float depth,
//             bool full) const;  (old: the tile's depths before, maybe the cleared tile)
//   bool shows(const float* tile, const std::int32_t* edge, float depth, bool full) const;
//   template <typename Skip, typename Visit>
//   bool walk(const TriangleSetup&, Skip, Visit, int tilesX) const;
//     (the visits walkTiles below makes, in the same order, however it finds them)

#include "TileKernels.h"

namespace tilecull::detail {
namespace {

// A tile's edge value for the tile code: on a tile the edge does not wholly hold, it lies within
// [-max offset, -min offset) and is kept; otherwise -min offset holds the tile just as well.
std::int32_t narrow(std::int64_t e, std::int32_t minOffset) {
    return static_cast<std::int32_t>(e < -std::int64_t{minOffset} ? e : -std::int64_t{minOffset});
}

// Calls visit(tile index, edges, depth at pixel (0, 0), whole tile inside) for every tile of the
// triangle's range that no edge wholly excludes and `skip(tile index)` lets through, until a visit
// returns true; returns whether one did.
template <typename Skip, typename Visit>
bool walkTiles(const TriangleSetup& t, Skip skip, Visit visit, int tilesX) {
    std::int64_t tileStepX[4], rowEdge[4];
    for (int i = 0; i < 4; ++i) {
        tileStepX[i] = std::int64_t{t.stepX[i]} * tileWidth;
        rowEdge[i] = t.edge[i] + std::int64_t{t.stepY[i]} * tileHeight * (t.tileY0 - t.originTileY) +
                     tileStepX[i] * (t.tileX0 - t.originTileX);
    }
    for (int ty = t.tileY0; ty <= t.tileY1; ++ty) {
        const float rowDepth = t.depth + t.depthTileY * static_cast<float>(ty - t.originTileY);
        std::int64_t e[4] = {rowEdge[0], rowEdge[1], rowEdge[2], rowEdge[3]};
        for (int tx = t.tileX0; tx <= t.tileX1;
             ++tx, e[0] += tileStepX[0], e[1] += tileStepX[1], e[2] += tileStepX[2], e[3] += tileStepX[3]) {
            if (e[0] + t.tileMaxOffset[0] < 0 || e[1] + t.tileMaxOffset[1] < 0 ||
                e[2] + t.tileMaxOffset[2] < 0 || e[3] + t.tileMaxOffset[3] < 0)
                continue; // the tile lies outside an edge
            const int index = ty * tilesX + tx;
            if (skip(index)) continue;
            const bool full = e[0] + t.tileMinOffset[0] >= 0 && e[1] + t.tileMinOffset[1] >= 0 &&
                              e[2] + t.tileMinOffset[2] >= 0 && e[3] + t.tileMinOffset[3] >= 0;
            const std::int32_t edges[4] = {narrow(e[0], t.tileMinOffset[0]), narrow(e[1], t.tileMinOffset[1]),
                                           narrow(e[2], t.tileMinOffset[2]),
                                           narrow(e[3], t.tileMinOffset[3])};
            const float depth = rowDepth + t.depthTileX * static_cast<float>(tx - t.originTileX);
            if (visit(index, edges, depth, full)) return true;
        }
        for (int i = 0; i < 4; ++i) rowEdge[i] += std::int64_t{t.stepY[i]} * tileHeight;
    }
    return false;
}

template <typename Ops> void drawTiles(const TriangleSetup& t, const Target& target) {
    const Ops ops(t);
    ops.walk(
        t, [&](int index) { return !(t.nearest < target.tileMax[index]); }, // nothing to bring nearer
        [&](int index, const std::int32_t* edges, float depth, bool full) {
            float* tile = target.depth + index * tilePixels;
            // A cleared tile is read from the shared copy and written whole: no separate clearing pass.
            const float* old = target.fresh[index] ? clearedTile : tile;
            target.fresh[index] = 0;
            ops.draw(old, tile, target.tileMax[index], edges, depth, full);
            return false;
        },
        target.tilesX);
}

template <typename Ops> bool showsInTiles(const TriangleSetup& t, const Target& target) {
    const Ops ops(t);
    return ops.walk(
        t, [&](int index) { return target.tileMax[index] < t.nearest; }, // every pixel here is nearer
        [&](int index, const std::int32_t* edges, float depth, bool full) {
            return ops.shows(target.fresh[index] ? clearedTile : target.depth + index * tilePixels, edges,
                             depth, full);
        },
        target.tilesX);
}

} // namespace
} // namespace tilecull::detail
