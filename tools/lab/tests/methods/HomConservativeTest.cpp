// hom-conservative's arithmetic on hand-made maps and buffers: no GL.
#include "methods/HomConservative.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Level 0 all at `value` but for a hole at (10, 10), levels above built by the viewer's own means.
OcclusionMap mapOf(std::uint8_t value) {
    OcclusionMap map;
    map.levelCount = occlusionMapLevels;
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        map.levels.emplace_back(levelSide(level) * levelSide(level), value);
    map.levels[0][10 * 64 + 10] = 0;
    buildPyramid(map);
    return map;
}

// Catches the viewer's one-texel lookup (the maximum corner only), a level chosen so coarse that a
// partial texel passes at 255, the descent reading the wrong finer texels, and rectangles
// reaching off the map counted as covered.
TEST(HomConservativeMap, CoveredOnlyWhenEveryTouchedTexelReachesTheThreshold) {
    const OcclusionMap holeAt10x10 = mapOf(255), empty = mapOf(0);
    const double nan = std::nan("");
    const struct {
        const char* name;
        const OcclusionMap& map;
        double minX, minY, maxX, maxY;
        int threshold;
        bool covered;
    } cases[] = {
        {"hole under the minimum corner", holeAt10x10, 10.2, 10.2, 12.8, 12.8, 255, false},
        {"hole in the same coarse texel, outside", holeAt10x10, 9.2, 11.2, 11.8, 13.8, 255, true},
        {"hole beside the rectangle", holeAt10x10, 11.0, 8.0, 15.5, 9.9, 255, true},
        {"level 1 texel at 191 meets 150", holeAt10x10, 9.2, 9.2, 11.8, 11.8, 150, true},
        {"level 1 texel at 191 misses 200", holeAt10x10, 9.2, 9.2, 11.8, 11.8, 200, false},
        {"wide, coarsest level, one hole", holeAt10x10, 1.0, 1.0, 40.0, 30.0, 255, false},
        {"wide, no hole under it", holeAt10x10, 12.0, 12.0, 60.0, 60.0, 255, true},
        {"reaches off the map", holeAt10x10, 50.0, 50.0, 64.5, 60.0, 0, false},
        {"threshold 0 over nothing", empty, 5.0, 5.0, 9.0, 9.0, 0, true},
        {"threshold 1 over nothing", empty, 5.0, 5.0, 9.0, 9.0, 1, false},
        {"NaN", holeAt10x10, nan, 5.0, 9.0, 9.0, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRectangleFullyCovered(c.map, c.minX, c.minY, c.maxX, c.maxY,
                                          static_cast<std::uint8_t>(c.threshold)),
                  c.covered)
            << c.name;
}

// Catches the nearest depth kept instead of the farthest, a result that depends on the order of
// recording, empty cells counted as nearer, and cells under the rectangle skipped.
TEST(HomConservativeBuffer, CellsKeepTheFarthestAndEmptyCellsNeverHide) {
    for (bool farFirst : {false, true}) {
        FarthestDepthBuffer buffer;
        clearFarthestDepth(buffer);
        recordFarthest(buffer, 4.2, 4.2, 6.0, 5.5, farFirst ? 0.6 : 0.3); // cells 4..5 x 4..5
        recordFarthest(buffer, 4.2, 4.2, 6.0, 5.5, farFirst ? 0.3 : 0.6);
        recordFarthest(buffer, -10.0, -10.0, 0.5, 0.5, 0.2); // clipped to cell (0, 0), no write outside
        EXPECT_EQ(buffer.cells[4 * 32 + 5], 0.6);
        const struct {
            const char* name;
            double minX, minY, maxX, maxY, nearest;
            bool behind;
        } cases[] = {
            {"behind both", 4.5, 4.5, 5.5, 5.5, 0.7, true},
            {"equal is not behind", 4.5, 4.5, 5.5, 5.5, 0.6, false},
            {"between them", 4.5, 4.5, 5.5, 5.5, 0.5, false},
            {"maximum on a boundary", 4.5, 4.5, 6.0, 6.0, 0.7, true},
            {"reaches an empty cell", 4.5, 4.5, 6.1, 5.5, 0.99, false},
            {"off the grid", 40.0, 4.5, 41.0, 5.5, 0.99, false},
        };
        for (const auto& c : cases)
            EXPECT_EQ(liesBehindEveryCell(buffer, c.minX, c.minY, c.maxX, c.maxY, c.nearest), c.behind)
                << c.name << (farFirst ? ", far first" : ", near first");
    }
}

} // namespace
