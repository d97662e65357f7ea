// The max-depth pyramid, the depth rasterizer's fill rule and cpu-depth on hand-made scenes.
#include "methods/CpuDepth.h"
#include "HandScene.h"
#include "methods/ClipTransform.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Catches a min instead of a max rule, and odd sides rounded down (5 -> 2) instead of up.
TEST(DepthPyramid, KeepsTheFarthestOfEachBlockDownToOneTexelOnOddSides) {
    std::vector<float> depth(25, 0.1f);
    depth[0] = 0.9f;         // (0, 0): level 1 (0, 0) takes it over three nearer neighbours
    depth[4 * 5 + 4] = 0.7f; // (4, 4): alone under level 1 (2, 2)
    depth[2 * 5 + 3] = 0.3f; // (3, 2): under level 1 (1, 1)
    depth[1 * 5 + 4] = 0.8f; // (4, 1): the upper of the two under level 1 (2, 0)
    DepthPyramid pyramid;
    buildMaxPyramid(depth.data(), 5, pyramid);
    ASSERT_EQ(pyramid.sides, (std::vector<int>{5, 3, 2, 1}));
    const struct {
        int level, column, row;
        float expected;
    } cases[] = {{1, 0, 0, 0.9f}, {1, 2, 2, 0.7f}, {1, 1, 1, 0.3f}, {1, 2, 0, 0.8f},
                 {1, 2, 1, 0.1f}, {2, 0, 0, 0.9f}, {2, 1, 1, 0.7f}, {3, 0, 0, 0.9f}};
    for (const auto& c : cases) {
        const auto level = static_cast<std::size_t>(c.level);
        EXPECT_FLOAT_EQ(
            pyramid.levels[level][static_cast<std::size_t>(c.row * pyramid.sides[level] + c.column)],
            c.expected)
            << "level " << c.level << " texel (" << c.column << ", " << c.row << ")";
    }
}

// Catches a level chosen too coarse or too fine, and a test that reads fewer texels than the
// rectangle touches (only the maximum corner), or counts an equal depth as nearer.
TEST(DepthPyramid, HidesARectangleOnlyWhenEveryTouchedTexelIsNearer) {
    std::vector<float> depth(64, 0.5f);
    depth[3 * 8 + 3] = 1.0f; // one empty pixel at (3, 3)
    DepthPyramid pyramid;
    buildMaxPyramid(depth.data(), 8, pyramid);
    const double nan = std::nan("");
    const struct {
        double minX, minY, maxX, maxY, nearest;
        int level;
        bool hidden;
    } cases[] = {
        {1.2, 1.2, 2.8, 2.8, 0.6, 0, true}, // pixels 1..2: two texels at level 0
        {1.5, 1.5, 3.0, 3.0, 0.6, 0, true},  // a maximum on a boundary stays out of pixel 3
        {1.2, 1.2, 3.8, 2.8, 0.6, 1, false}, // three columns: level 1, whose texel (1, 1) is empty
        {3.2, 3.2, 4.8, 4.8, 0.6, 0, false}, // the empty pixel lies under the minimum corner only
        {0.0, 0.0, 8.0, 8.0, 0.6, 2, false},
        {1.2, 1.2, 2.8, 2.8, 0.5, 0, false},  // equal depth is not behind
        {-0.5, 1.2, 2.8, 2.8, 0.6, 0, false}, // reaches outside the buffer
        {2.8, 1.2, 1.2, 2.8, 0.6, 0, false},  // inverted
        {1.2, 1.2, 2.8, 2.8, nan, 0, false},
        {nan, 1.2, 2.8, 2.8, 0.6, 0, false},
    };
    for (const auto& c : cases) {
        if (!std::isnan(c.minX) && c.minX >= 0.0 && c.minX < c.maxX) {
            EXPECT_EQ(pyramidLevelFor(pyramid, c.minX, c.minY, c.maxX, c.maxY), c.level)
                << c.minX << " " << c.maxX;
        }
        EXPECT_EQ(isRectangleHidden(pyramid, c.minX, c.minY, c.maxX, c.maxY, c.nearest), c.hidden)
            << c.minX << " " << c.minY << " " << c.maxX << " " << c.maxY << " " << c.nearest;
    }
}

// Catches a fill rule off by one (centres on an edge taken by both triangles, by neither or by the
// wrong one), samples away from pixel centres, back faces drawn, and ties decided differently
// where wide triangles walk their edges row by row: squares split on a diagonal, edges through
// centres. Left and top edges own them; the diagonal is the lower triangle's left edge.
TEST(DepthRasterizer, SamplesPixelCentresWithATopLeftRule) {
    for (int n : {2, 12}) {
        const double e = n + 0.5;
        DepthRasterizer lower, upper, back;
        for (DepthRasterizer* r : {&lower, &upper, &back}) r->clear(16);
        lower.drawWindowTriangle({0.5, 0.5, 0.5}, {e, 0.5, 0.5}, {e, e, 0.5});
        upper.drawWindowTriangle({0.5, 0.5, 0.5}, {e, e, 0.5}, {0.5, e, 0.5});
        back.drawWindowTriangle({0.5, 0.5, 0.5}, {e, e, 0.5}, {e, 0.5, 0.5});
        for (std::size_t i = 0; i < 256; ++i) {
            const int x = static_cast<int>(i % 16), y = static_cast<int>(i / 16);
            EXPECT_EQ(lower.depth[i] < 1.0f, y >= 1 && x >= y && x < n) << n << ": " << x << ", " << y;
            EXPECT_EQ(upper.depth[i] < 1.0f, x < y && y <= n) << n << ": " << x << ", " << y;
            EXPECT_EQ(back.depth[i], 1.0f) << n << ": " << x << ", " << y;
        }
    }
}

// Catches a triangle overwriting nearer depths (in narrow boxes, in four-wide steps and in short
// span ends alike), and a wrong depth gradient.
TEST(DepthRasterizer, KeepsTheNearestInterpolatedDepth) {
    DepthRasterizer r;
    r.clear(8);
    r.drawWindowTriangle({0, 0, 0.9}, {16, 0, 0.9}, {0, 16, 0.9});
    r.drawWindowTriangle({0, 6, 0.01}, {2, 6, 0.01}, {0, 8, 0.01}); // pixel (0, 6) only
    r.drawWindowTriangle({2, 1, 0.2}, {4, 1, 0.2}, {2, 3, 0.2});    // pixel (2, 1) only
    r.drawWindowTriangle({0, 0, 0.0}, {8, 0, 1.0}, {0, 8, 0.0});    // depth x / 8
    r.drawWindowTriangle({3, 1, 0.95}, {5, 1, 0.95}, {3, 3, 0.95}); // pixel (3, 1) only
    const struct {
        int x, y;
        float depth;
    } cases[] = {{3, 1, 3.5f / 8.0f}, {5, 0, 5.5f / 8.0f}, {7, 0, 0.9f}, {0, 6, 0.01f}, {2, 1, 0.2f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(r.depth[static_cast<std::size_t>(c.y * 8 + c.x)], c.depth) << c.x << ", " << c.y;
}

// Draws the objects in the given order into a fresh buffer.
std::vector<float> drawn(const std::vector<const SceneObject*>& objects, const CullView& view, int side) {
    DepthRasterizer r;
    r.clear(side);
    for (const SceneObject* object : objects) r.drawObject(*object, viewProjection(view));
    return r.depth;
}

// Catches face pairs merged into a wrong quad: a box drawn with its faces in an order that puts
// no two halves of a side next to each other gives the same buffer. Faces 3 and 8 share an edge
// across a corner of the box: they must not merge.
TEST(DepthRasterizer, MergedFacePairsCoverWhatTheirTrianglesCover) {
    HandScene scene;
    scene.addBox({6, 12, -40}, {4, 4, 4}, true);
    SceneObject unpaired = scene.objects[0];
    unpaired.faces.clear();
    for (std::size_t f : {3, 8, 0, 2, 4, 6, 10, 1, 5, 7, 9, 11})
        unpaired.faces.push_back(scene.objects[0].faces[f]);
    CullView view = lookingDownMinusZ();
    view.camera.eye = {-30, 12, 0}; // from the left, so that faces 3 and 8 make a convex outline
    view.camera.target = {6, 0, -40};
    const std::vector<float> merged = drawn({&scene.objects[0]}, view, 640),
                             single = drawn({&unpaired}, view, 640);
    int covered = 0;
    for (std::size_t i = 0; i < merged.size(); ++i) {
        ASSERT_EQ(merged[i] < 1.0f, single[i] < 1.0f) << i;
        EXPECT_NEAR(merged[i], single[i], 1e-6) << i;
        covered += merged[i] < 1.0f;
    }
    EXPECT_GT(covered, 10000);
}

// Catches an object skipped though part of it is nearer than what the buffer holds (small objects
// over nearer pixels are skipped): the small box pierces the wall, front nearer, back farther.
TEST(DepthRasterizer, TheBufferDoesNotDependOnTheDrawingOrder) {
    HandScene scene;
    const SceneObject& wall = scene.objects[scene.addBox({0, 10, -45}, {4, 4, 0.5}, true)];
    const SceneObject& box = scene.objects[scene.addBox({0, 10, -45}, {1.2, 1.2, 2}, true)];
    const std::vector<float> wallFirst = drawn({&wall, &box}, lookingDownMinusZ(), 64);
    EXPECT_EQ(wallFirst, drawn({&box, &wall}, lookingDownMinusZ(), 64));
    EXPECT_LT(wallFirst[24 * 64 + 32], wallFirst[15 * 64 + 32]); // the box's front, the wall
}

// Catches occluders lost or misplaced by the near-plane and guard-band clipping, culls through a
// gap the buffer resolves, occludees reaching the near plane culled from their far corners, and
// pictures flipped in y or shifted (the occluder in front sits in the lower half).
TEST(CpuDepth, HandScenesAtEveryResolution) {
    const int sides[4] = {64, 128, 256, 640};
    const struct {
        const char* name;
        bool culled[4];
    } cases[] = {{"in front", {true, true, true, true}},
                 {"beside", {false, false, false, false}},
                 {"gap", {true, true, false, false}}, // culled though it shows through the gap
                 {"occluder through the near plane", {true, true, true, true}},
                 {"occluder far wider than the view", {true, true, true, true}},
                 {"occludee through the near plane", {false, false, false, false}},
                 {"deep occluder behind", {false, false, false, false}}};
    CpuDepthState state;
    for (const auto& c : cases) {
        const HandScene scene = namedScene(c.name);
        for (int i = 0; i < 4; ++i) {
            const bool pictures = i == 0 && std::string(c.name) == "in front";
            const CullOutcome outcome =
                runCpuDepth(scene.scene(), lookingDownMinusZ(), sides[i], state, pictures);
            ASSERT_EQ(outcome.culled.size(), 1u);
            EXPECT_EQ(outcome.culled[0], c.culled[i]) << c.name << " at " << sides[i];
            if (!pictures) continue;
            ASSERT_EQ(outcome.pictures.size(), 2u);
            EXPECT_EQ(outcome.pictures[0].caption, "depth buffer level 0, 64 x 64");
            EXPECT_EQ(outcome.pictures[0].grey[10 * 64 + 32], 255); // y 0.1 of the distance: covered, nearest
            EXPECT_EQ(outcome.pictures[0].grey[50 * 64 + 32], 0);   // y 0.47: empty
        }
    }
}

} // namespace
