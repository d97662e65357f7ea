// The culling arithmetic over plain buffers: pyramid averaging, window masking, cell spans, the
// depth buffer fill, level choice and both lookups, including every out-of-range rectangle.
#include "culling/CellSpan.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionMap.h"
#include "culling/OcclusionTests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Geometry::Vector;

namespace {

OcclusionMap makeMap(std::uint8_t fill) {
    OcclusionMap map;
    map.levelCount = occlusionMapLevels;
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        map.levels.emplace_back(levelSide(level) * levelSide(level), fill);
    return map;
}

DepthEstimationBuffer clearedBuffer() {
    DepthEstimationBuffer buffer;
    clearDepthBuffer(buffer);
    return buffer;
}

std::uint8_t& texel(OcclusionMap& map, unsigned level, unsigned column, unsigned row) {
    return map.levels[level][row * levelSide(level) + column];
}

double cell(const DepthEstimationBuffer& buffer, int column, int row) {
    return buffer.cells[static_cast<std::size_t>(row * depthBufferSide + column)];
}

} // namespace

TEST(Pyramid, AveragesTwoByTwoBlocksDiscardingTheRemainder) {
    OcclusionMap map = makeMap(0);
    // Level-1 texels over 0..4 covered pixels.
    const unsigned covered[5][4][2] = {
        {}, {{0, 0}}, {{2, 0}, {3, 0}}, {{4, 0}, {5, 0}, {4, 1}}, {{6, 0}, {7, 0}, {6, 1}, {7, 1}}};
    for (unsigned n = 1; n <= 4; ++n)
        for (unsigned p = 0; p < n; ++p) texel(map, 0, covered[n][p][0], covered[n][p][1]) = 255;
    buildPyramid(map);
    EXPECT_EQ(texel(map, 1, 0, 0), 63);
    EXPECT_EQ(texel(map, 1, 1, 0), 127);
    EXPECT_EQ(texel(map, 1, 2, 0), 191);
    EXPECT_EQ(texel(map, 1, 3, 0), 255);
    EXPECT_EQ(texel(map, 1, 4, 0), 0);
    // Each level is the mean of the level just built, not of level 0: (63+127+0+0)/4 = 47.
    EXPECT_EQ(texel(map, 2, 0, 0), 47);
}

TEST(Pyramid, CoarsestTexelIsOpaqueOnlyWhenAllSixtyFourPixelsAre) {
    OcclusionMap map = makeMap(0);
    for (unsigned r = 0; r < 8; ++r)
        for (unsigned c = 0; c < 8; ++c) texel(map, 0, c, r) = 255;
    buildPyramid(map);
    EXPECT_EQ(texel(map, 3, 0, 0), 255);
    EXPECT_EQ(texel(map, 3, 1, 0), 0);
    texel(map, 0, 7, 7) = 0;
    buildPyramid(map);
    EXPECT_LT(texel(map, 3, 0, 0), 255);
}

TEST(WindowMask, ClearsOnlyPixelsOutsideASmallWindow) {
    std::vector<std::uint8_t> level0(64 * 64, 255);
    clearOutsideWindow(level0, 64, 64);
    EXPECT_EQ(std::count(level0.begin(), level0.end(), 255), 64 * 64);
    clearOutsideWindow(level0, 10, 3);
    EXPECT_EQ(std::count(level0.begin(), level0.end(), 255), 30);
    EXPECT_EQ(level0[2 * 64 + 9], 255);
    EXPECT_EQ(level0[2 * 64 + 10], 0);
    EXPECT_EQ(level0[3 * 64 + 0], 0);
    clearOutsideWindow(level0, 0, 500);
    EXPECT_EQ(std::count(level0.begin(), level0.end(), 0), 64 * 64);
}

TEST(CellSpan, TruncatesAndCeilsWithTheSinglePrecisionBias) {
    CellSpan s = cellSpan(3.2, 6.0, 1.0, 32);
    EXPECT_EQ(s.begin, 3);
    EXPECT_EQ(s.end, 6); // exactly 6.0 does not reach column 6
    s = cellSpan(5.0, 7.5, 1.0, 32);
    EXPECT_EQ(s.begin, 5);
    EXPECT_EQ(s.end, 8);
    s = cellSpan(1.0, 4.000005, 1.0, 32); // less than 0.00001 past a boundary
    EXPECT_EQ(s.end, 4);
    s = cellSpan(1.0, 4.00002, 1.0, 32);
    EXPECT_EQ(s.end, 5);
}

TEST(CellSpan, ClipsToTheGridAndNeverNamesACellOutsideIt) {
    EXPECT_EQ(cellSpan(-5.5, 3.0, 1.0, 32).begin, 0);
    EXPECT_EQ(cellSpan(20.0, 1e300, 1.0, 32).end, 32);
    EXPECT_TRUE(cellSpan(40.0, 50.0, 1.0, 32).empty());
    EXPECT_TRUE(cellSpan(-50.0, -0.5, 1.0, 32).empty());
    EXPECT_TRUE(cellSpan(1e9, -1e9, 1.0, 32).empty()); // an object with no box
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(cellSpan(nan, 5.0, 1.0, 32).empty());
    EXPECT_TRUE(cellSpan(1.0, nan, 1.0, 32).empty());
    EXPECT_FALSE(cellSpan(-std::numeric_limits<double>::infinity(), 5.0, 1.0, 32).empty());
}

TEST(DepthBufferFill, RecordsTheNearestDepthOverTheRectangle) {
    DepthEstimationBuffer buffer = clearedBuffer();
    recordOccluder(buffer, {3.2, 5.0, 0.7}, {6.0, 7.5, 0.8});
    int written = 0;
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 32; ++c)
            if (cell(buffer, c, r) != 1.0) {
                ++written;
                EXPECT_TRUE(r >= 5 && r <= 7 && c >= 3 && c <= 5) << c << "," << r;
                EXPECT_EQ(cell(buffer, c, r), 0.7);
            }
    EXPECT_EQ(written, 9);
}

TEST(DepthBufferFill, OverlapsKeepTheSmallerDepthWhateverTheOrder) {
    DepthEstimationBuffer a = clearedBuffer(), b = clearedBuffer();
    const Vector nearMin{0, 0, 0.3}, nearMax{4, 4, 0.4}, farMin{2, 2, 0.6}, farMax{6, 6, 0.9};
    recordOccluder(a, nearMin, nearMax);
    recordOccluder(a, farMin, farMax);
    recordOccluder(b, farMin, farMax);
    recordOccluder(b, nearMin, nearMax);
    EXPECT_EQ(a.cells, b.cells);
    EXPECT_EQ(cell(a, 3, 3), 0.3);
    EXPECT_EQ(cell(a, 5, 5), 0.6);
}

TEST(DepthBufferFill, ClipsRectanglesReachingOutsideTheGrid) {
    DepthEstimationBuffer buffer = clearedBuffer();
    recordOccluder(buffer, {-100.0, 30.5, 0.2}, {1e12, 1e12, 0.2});
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 32; ++c) EXPECT_EQ(cell(buffer, c, r), r >= 30 ? 0.2 : 1.0);
    DepthEstimationBuffer untouched = clearedBuffer();
    recordOccluder(untouched, {1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9});
    recordOccluder(untouched, {40, 40, 0.1}, {50, 50, 0.1});
    EXPECT_EQ(untouched.cells, clearedBuffer().cells);
}

TEST(LevelChoice, HalvesTheLargerExtentUntilItIsAtMostOneTexel) {
    const struct {
        double extent;
        unsigned level;
    } cases[] = {{0.0, 0}, {1.0, 0}, {1.5, 1}, {2.0, 1}, {2.5, 2}, {4.0, 2}, {8.0, 3}, {8.5, 4}, {40, 6}};
    for (const auto& c : cases) {
        EXPECT_EQ(chooseMapLevel({10, 10, 0}, {10 + c.extent, 10.5, 0}).level, c.level) << c.extent;
        EXPECT_EQ(chooseMapLevel({10, 10, 0}, {10.5, 10 + c.extent, 0}).level, c.level) << c.extent;
    }
    const MapProbe probe = chooseMapLevel({7.7, 18.2, 0}, {10.7, 20.2, 0});
    EXPECT_EQ(probe.level, 2u);
    EXPECT_DOUBLE_EQ(probe.x, 10.7 / 4);
    EXPECT_DOUBLE_EQ(probe.y, 20.2 / 4);
}

TEST(OverlapLookup, ReadsTheOneTexelUnderTheMaximumCorner) {
    OcclusionMap map = makeMap(0);
    map.levels[2][82] = 200; // column 2, row 5 of the 16 x 16 level
    const Vector min{7.7, 18.2, 0.5}, max{10.7, 20.2, 0.6};
    EXPECT_TRUE(isRectangleCovered(map, min, max, 200)); // equal counts as covered
    EXPECT_FALSE(isRectangleCovered(map, min, max, 201));
    EXPECT_TRUE(isRectangleCovered(map, min, max, 0));
    map.levels[2][82] = 0;
    map.levels[2][81] = 255; // another texel under the rectangle is never read
    EXPECT_FALSE(isRectangleCovered(map, min, max, 1));
}

TEST(OverlapLookup, RectanglesBeyondThePyramidOrOutsideTheMapAreNotCovered) {
    OcclusionMap map = makeMap(255);
    EXPECT_TRUE(isRectangleCovered(map, {0, 0, 0}, {8, 8, 0}, 255));
    EXPECT_FALSE(isRectangleCovered(map, {0, 0, 0}, {8.5, 8, 0}, 0)); // would need level 4
    EXPECT_FALSE(isRectangleCovered(map, {60, 10, 0}, {64.0, 10.5, 0}, 0)); // at the last texel's end
    EXPECT_FALSE(isRectangleCovered(map, {10, 60, 0}, {10.5, 64.5, 0}, 0));
    EXPECT_FALSE(isRectangleCovered(map, {-1, -1, 0}, {-0.5, -0.5, 0}, 0)); // truncation would give 0
    EXPECT_FALSE(isRectangleCovered(map, {1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9}, 0)); // no box
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(isRectangleCovered(map, {0, 0, 0}, {nan, 1, 0}, 0));
    EXPECT_TRUE(isRectangleCovered(map, {62.5, 62.5, 0}, {63.5, 63.5, 0}, 255));
}

TEST(DepthLookup, VisitsTheHalvedRectangleAndStopsAtTheFirstFartherCell) {
    DepthEstimationBuffer buffer = clearedBuffer();
    for (double& value : buffer.cells) value = 0.5;
    const Vector min{10.0, 20.0, 0.5}, max{13.0, 22.0, 0.6};
    EXPECT_FALSE(hasCellBehind(buffer, min, max)); // equal depth does not reveal it
    buffer.cells[10 * 32 + 6] = 0.51;
    EXPECT_TRUE(hasCellBehind(buffer, min, max));
    buffer.cells[10 * 32 + 6] = 0.5;
    buffer.cells[11 * 32 + 6] = 1.0; // row 11 lies outside rows [10, 11)
    buffer.cells[10 * 32 + 7] = 1.0; // column 7 lies outside columns [5, 7)
    EXPECT_FALSE(hasCellBehind(buffer, min, max));
}

TEST(DepthLookup, EmptyBufferRevealsAnythingThatCoversACell) {
    const DepthEstimationBuffer buffer = clearedBuffer();
    EXPECT_TRUE(hasCellBehind(buffer, {0, 0, 0.99}, {1, 1, 0.999}));
    EXPECT_FALSE(hasCellBehind(buffer, {0, 0, 1.0}, {1, 1, 1.0}));
    EXPECT_FALSE(hasCellBehind(buffer, {100, 100, 0.1}, {120, 120, 0.2})); // no cell under it
    EXPECT_TRUE(hasCellBehind(buffer, {-30, -30, 0.1}, {0.5, 0.5, 0.2}));   // clipped to cell (0, 0)
}
