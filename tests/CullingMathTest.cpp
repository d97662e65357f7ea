// The culling arithmetic over plain buffers: pyramid averaging, cell spans, the depth buffer fill,
// level choice, both lookups and the box projection, out-of-range input included. The window mask
// is checked in a real one-pixel window.
#include "TestSupport.h"
#include "culling/CellSpan.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionMap.h"
#include "culling/OcclusionTests.h"
#include "mesh/SceneObject.h"

#include <cmath>
#include <limits>

using Geometry::Vector;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();

OcclusionMap makeMap(std::uint8_t fill) {
    OcclusionMap map{occlusionMapLevels, {}};
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        map.levels.emplace_back(levelSide(level) * levelSide(level), fill);
    return map;
}

DepthEstimationBuffer clearedBuffer() {
    DepthEstimationBuffer buffer;
    return clearDepthBuffer(buffer), buffer;
}

} // namespace

// Catches a rounded (not truncated) mean and levels left unbuilt.
TEST(Pyramid, AveragesTwoByTwoBlocksOfTheLevelBelow) {
    OcclusionMap map = makeMap(0);
    for (unsigned column : {0u, 2u, 3u, 4u, 5u, 6u, 7u}) map.levels[0][column] = 255; // bottom row
    map.levels[0][64 + 4] = map.levels[0][64 + 6] = map.levels[0][64 + 7] = 255;
    buildPyramid(map);
    const std::uint8_t level1[] = {63, 127, 191, 255};
    for (unsigned c = 0; c < 4; ++c) EXPECT_EQ(map.levels[1][c], level1[c]) << "column " << c;
    EXPECT_EQ(map.levels[2][0], 47); // 47.5
    EXPECT_EQ(map.levels[3][0], 39); // (47 + 111) / 4
}

// The one rule behind both the depth fill (scale 1) and the depth lookup (scale 0.5). Catches the
// bias formed in double (0.99999 instead of 0.99999f), a ceiling without the bias, rounding
// instead of truncating, and cells named outside the grid.
TEST(CellSpan, TruncatesCeilsWithTheSinglePrecisionBiasAndClips) {
    const struct {
        double lo, hi, scale;
        int begin, end; // end <= begin: empty
    } cases[] = {{3.2, 6.0, 1, 3, 6},       {5.0, 7.5, 1, 5, 8},   {1, 4.000005, 1, 1, 4},
                 {1, 4.000010005, 1, 1, 4}, {1, 4.00002, 1, 1, 5}, {10, 13, 0.5, 5, 7},
                 {20, 22, 0.5, 10, 11},     {-5.5, 3, 1, 0, 3},    {20, 1e300, 1, 20, 32},
                 {40, 50, 1, 0, 0},         {-50, -0.5, 1, 0, 0},  {1e9, -1e9, 1, 0, 0},
                 {NaN, 5, 1, 0, 0},         {1, NaN, 1, 0, 0},     {-inf, 5, 1, 0, 5}};
    for (const auto& c : cases) {
        const CellSpan s = cellSpan(c.lo, c.hi, c.scale, 32);
        EXPECT_TRUE(c.end <= c.begin ? s.empty() : s.begin == c.begin && s.end == c.end)
            << c.lo << " .. " << c.hi << " gave " << s.begin << ", " << s.end;
    }
}

// Catches a fill that keeps the later instead of the nearer depth, or uses max.z.
TEST(DepthBufferFill, EachCellKeepsTheNearestDepth) {
    DepthEstimationBuffer a = clearedBuffer();
    recordOccluder(a, {0, 0, 0.3}, {4, 4, 0.4}); // the nearer one first: the later must not win
    recordOccluder(a, {2, 2, 0.6}, {6, 6, 0.9});
    EXPECT_EQ(a.cells[3 * 32 + 3], 0.3);
    EXPECT_EQ(a.cells[5 * 32 + 5], 0.6);
    EXPECT_EQ(a.cells[6 * 32 + 6], 1.0);
}

// Catches a lookup that counts an equal depth as behind, or reads cells outside the halved rectangle.
TEST(DepthLookup, FindsOnlyACellStrictlyFartherUnderTheHalvedRectangle) {
    DepthEstimationBuffer buffer = clearedBuffer();
    buffer.cells.fill(0.5);
    const Vector min{10.0, 20.0, 0.5}, max{13.0, 22.0, 0.6}; // row 10, columns 5 and 6
    EXPECT_FALSE(hasCellBehind(buffer, min, max));
    buffer.cells[11 * 32 + 6] = buffer.cells[10 * 32 + 7] = buffer.cells[9 * 32 + 5] = 1.0;
    EXPECT_FALSE(hasCellBehind(buffer, min, max));
    buffer.cells[10 * 32 + 6] = 0.51;
    EXPECT_TRUE(hasCellBehind(buffer, min, max));
}

// Catches another halving rule, the corner not halved with the extent, and an infinite extent that
// halves forever.
TEST(LevelChoice, HalvesTheLargerExtentUntilAtMostOneTexelOrPastTheLastLevel) {
    const struct {
        double extent;
        unsigned level;
    } cases[] = {{0.0, 0}, {1.0, 0}, {1.5, 1}, {2.0, 1}, {2.5, 2}, {8.0, 3}, {8.5, 4}, {40, 4}, {inf, 4}};
    for (const auto& c : cases) {
        EXPECT_EQ(chooseMapLevel({10, 10, 0}, {10 + c.extent, 10.5, 0}).level, c.level) << c.extent;
        EXPECT_EQ(chooseMapLevel({10, 10, 0}, {10.5, 10 + c.extent, 0}).level, c.level) << c.extent;
    }
    const MapProbe probe = chooseMapLevel({7.7, 18.2, 0}, {10.7, 20.2, 0});
    EXPECT_EQ(probe.level, 2u);
    EXPECT_DOUBLE_EQ(probe.x, 10.7 / 4);
    EXPECT_DOUBLE_EQ(probe.y, 20.2 / 4);
}

// Catches a texel other than the one under the maximum corner, "greater" instead of "at least",
// and any rectangle off the map, beyond the pyramid or not finite that reads as covered.
TEST(OverlapLookup, ReadsOnlyTheTexelUnderTheMaximumCornerAndNothingOffTheMap) {
    OcclusionMap map = makeMap(0);
    map.levels[2][82] = 200; // column 2, row 5 of the 16 x 16 level
    const Vector min{7.7, 18.2, 0.5}, max{10.7, 20.2, 0.6};
    EXPECT_TRUE(isRectangleCovered(map, min, max, 200));
    EXPECT_FALSE(isRectangleCovered(map, min, max, 201));
    map.levels[2][82] = 0;
    map.levels[2][81] = 255; // also under the rectangle, but never read
    EXPECT_FALSE(isRectangleCovered(map, min, max, 1));

    map = makeMap(255);
    EXPECT_TRUE(isRectangleCovered(map, {0, 0, 0}, {8, 8, 0}, 255));
    EXPECT_TRUE(isRectangleCovered(map, {62.5, 62.5, 0}, {63.5, 63.5, 0}, 255));
    // clang-format off
    const std::pair<Vector, Vector> uncovered[] = {
        {{0, 0, 0}, {8.5, 8, 0}},       {{60, 10, 0}, {64.0, 10.5, 0}},  {{10, 60, 0}, {10.5, 64.5, 0}},
        {{-1, -1, 0}, {-0.5, -0.5, 0}}, {{1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9}}, {{0, 0, 0}, {NaN, 1, 0}},
        {{NaN, 10, 0}, {10.5, 10.5, 0}}, {{-inf, 10, 0}, {10.5, 10.5, 0}}, {{10, 10, 0}, {10.5, inf, 0}}};
    // clang-format on
    for (const auto& [lo, hi] : uncovered)
        EXPECT_FALSE(isRectangleCovered(map, lo, hi, 0)) << hi.x << ", " << hi.y;
}

// Catches a corner behind the eye projected mirrored and one on the eye plane skipped: either way
// the rectangle shrinks and may read as covered. Such a box has no rectangle: never covered, and
// it records nothing in the depth buffer. Also catches vertices past the eighth used.
TEST(ScreenBounds, FirstEightCornersInFrontOfTheEyeOrNoRectangle) {
    // Eye at the origin looking down -z through the viewer's frustum, 64 x 64 viewport: the point
    // (x, y, -d) lands at window (32 + 106.67 x / d, 106.67 y / d), depth (2001 - 4000 / d) / 3998 + 0.5.
    ViewTransforms t = handTransforms({0, 0, 0}, {0, 0, -1}, 64);
    const auto depth = [](double d) { return (2001.0 - 4000.0 / d) / 1999.0 / 2 + 0.5; };
    SceneObject box;
    box.vertices = {{-6, 3, -20}, {6, 3, -20},  {-6, 9, -20}, {6, 9, -20},    {-6, 3, -40},
                    {6, 3, -40},  {-6, 9, -40}, {6, 9, -40},  {500, 500, -20}};
    const double k = 64 / 0.6;
    ScreenBounds b = projectScreenBounds(box, t);
    expectVectorNear(b.min, {32 - k * 6 / 20, k * 3 / 40, depth(20)}, 1e-9);
    expectVectorNear(b.max, {32 + k * 6 / 20, k * 9 / 20, depth(40)}, 1e-9);
    for (const double z : {0.0, 5.0, NaN}) {
        SceneObject cut = box;
        cut.vertices[7].z = z;
        b = projectScreenBounds(cut, t);
        EXPECT_TRUE(b.min.x == 1e9 && b.max.x == -1e9) << "corner at z " << z;
        EXPECT_FALSE(isRectangleCovered(makeMap(255), b.min, b.max, 0));
        DepthEstimationBuffer buffer = clearedBuffer();
        recordOccluder(buffer, b.min, b.max);
        EXPECT_EQ(buffer.cells, clearedBuffer().cells);
    }
}
