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
        const int side = pyramid.sides[static_cast<std::size_t>(c.level)];
        EXPECT_FLOAT_EQ(pyramid.levels[static_cast<std::size_t>(c.level)]
                                      [static_cast<std::size_t>(c.row * side + c.column)],
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
        {1.2, 1.2, 2.8, 2.8, 0.6, 0, true},  // pixels 1..2: two texels at level 0
        {1.5, 1.5, 3.0, 3.0, 0.6, 0, true},  // a maximum on a boundary stays out of pixel 3
        {1.2, 1.2, 3.8, 2.8, 0.6, 1, false}, // three columns: level 1, whose texel (1, 1) is empty
        {4.2, 4.2, 5.8, 5.8, 0.6, 0, true},
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

std::vector<int> coveredPixels(const DepthRasterizer& r) {
    std::vector<int> pixels;
    for (int i = 0; i < r.side * r.side; ++i)
        if (r.depth[static_cast<std::size_t>(i)] < 1.0f) pixels.push_back(i);
    return pixels;
}

// Catches a fill rule off by one (centres on an edge taken by both triangles or by neither, or by
// the wrong side), samples away from pixel centres, and back faces drawn.
TEST(DepthRasterizer, SamplesPixelCentresWithATopLeftRule) {
    using V = Geometry::Vector;
    const struct {
        const char* name;
        V a, b, c;
        std::vector<int> pixels; // row * 8 + column
    } cases[] = {
        // Centres on the diagonal belong to the triangle whose left edge it is.
        {"lower right", {1, 1, 0.5}, {5, 1, 0.5}, {5, 5, 0.5}, {9, 10, 11, 12, 18, 19, 20, 27, 28, 36}},
        {"upper left", {1, 1, 0.5}, {5, 5, 0.5}, {1, 5, 0.5}, {17, 25, 26, 33, 34, 35}},
        // Edges through centres: left and top own them, right and bottom do not.
        {"square lower right", {0.5, 0.5, 0.5}, {2.5, 0.5, 0.5}, {2.5, 2.5, 0.5}, {9}},
        {"square upper left", {0.5, 0.5, 0.5}, {2.5, 2.5, 0.5}, {0.5, 2.5, 0.5}, {8, 16, 17}},
        {"clockwise", {1, 1, 0.5}, {5, 5, 0.5}, {5, 1, 0.5}, {}},
    };
    for (const auto& c : cases) {
        DepthRasterizer r;
        r.clear(8);
        r.drawWindowTriangle(c.a, c.b, c.c);
        EXPECT_EQ(coveredPixels(r), c.pixels) << c.name;
    }
}

// Catches ties on an edge decided differently where wide triangles walk their edges row by row: a
// 12 x 12 square split along its diagonal, edges through pixel centres, takes each centre inside
// exactly once, the left column and the top row included.
TEST(DepthRasterizer, WideTrianglesSharingAnEdgeTakeEachCentreOnItOnce) {
    DepthRasterizer lower, upper;
    lower.clear(16);
    upper.clear(16);
    lower.drawWindowTriangle({0.5, 0.5, 0.5}, {12.5, 0.5, 0.5}, {12.5, 12.5, 0.5});
    upper.drawWindowTriangle({0.5, 0.5, 0.5}, {12.5, 12.5, 0.5}, {0.5, 12.5, 0.5});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * 16 + x);
            const int times = (lower.depth[i] < 1.0f) + (upper.depth[i] < 1.0f);
            EXPECT_EQ(times, x <= 11 && y >= 1 && y <= 12 ? 1 : 0) << x << ", " << y;
        }
}

// Catches a span whose rows or ends are off (wide triangles walk their edges row by row): every
// pixel centre strictly inside, and no other, is covered. Corners are multiples of 1/256 pixel, so
// snapping moves nothing, and no centre lies on an edge.
TEST(DepthRasterizer, CoversExactlyTheCentresInsideWideAndNarrowTriangles) {
    using V = Geometry::Vector;
    const V triangles[][3] = {{{1.25, 2.5, 0.5}, {60.75, 7.125, 0.5}, {20.375, 55.875, 0.5}},
                              {{40.125, 3.0625, 0.5}, {44.875, 61.25, 0.5}, {3.75, 30.625, 0.5}},
                              {{10.25, 10.375, 0.5}, {12.625, 11.125, 0.5}, {11.125, 14.75, 0.5}},
                              {{-30.5, -20.25, 0.5}, {90.625, 31.375, 0.5}, {5.125, 100.75, 0.5}}};
    for (const auto& t : triangles) {
        DepthRasterizer r;
        r.clear(64);
        r.drawWindowTriangle(t[0], t[1], t[2]);
        std::vector<int> expected;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                bool inside = true;
                for (int i = 0; i < 3; ++i) {
                    const V &p = t[i], &q = t[(i + 1) % 3];
                    const double e = (q.x - p.x) * (y + 0.5 - p.y) - (q.y - p.y) * (x + 0.5 - p.x);
                    ASSERT_NE(e, 0.0);
                    inside = inside && e > 0.0;
                }
                if (inside) expected.push_back(y * 64 + x);
            }
        EXPECT_EQ(coveredPixels(r), expected) << t[0].x << ", " << t[0].y;
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
    const Geometry::Matrix clip = viewProjection(view);
    DepthRasterizer merged, single;
    merged.clear(640);
    single.clear(640);
    merged.drawObject(scene.objects[0], clip);
    single.drawObject(unpaired, clip);
    int covered = 0;
    for (std::size_t i = 0; i < merged.depth.size(); ++i) {
        ASSERT_EQ(merged.depth[i] < 1.0f, single.depth[i] < 1.0f) << i;
        EXPECT_NEAR(merged.depth[i], single.depth[i], 1e-6) << i;
        covered += merged.depth[i] < 1.0f;
    }
    EXPECT_GT(covered, 10000);
}

// Catches an object skipped though part of it is nearer than what the buffer holds (small objects
// over nearer pixels are skipped): the buffer must not depend on the drawing order. The small box
// pierces the wall, its front nearer than the wall and its back farther.
TEST(DepthRasterizer, TheBufferDoesNotDependOnTheDrawingOrder) {
    HandScene scene;
    scene.addBox({0, 10, -45}, {4, 4, 0.5}, true);
    scene.addBox({0, 10, -45}, {1.2, 1.2, 2}, true);
    const Geometry::Matrix clip = viewProjection(lookingDownMinusZ());
    DepthRasterizer wallFirst, boxFirst;
    wallFirst.clear(64);
    boxFirst.clear(64);
    wallFirst.drawObject(scene.objects[0], clip);
    wallFirst.drawObject(scene.objects[1], clip);
    boxFirst.drawObject(scene.objects[1], clip);
    boxFirst.drawObject(scene.objects[0], clip);
    EXPECT_EQ(wallFirst.depth, boxFirst.depth);
    EXPECT_LT(wallFirst.depth[24 * 64 + 32], wallFirst.depth[15 * 64 + 32]); // the box's front, the wall
}

struct SceneCase {
    const char* name;
    HandScene scene;
    bool culled[4]; // at 64, 128, 256 and 640
};

std::vector<SceneCase> sceneCases() {
    std::vector<SceneCase> cases;
    const Geometry::Vector small{2, 2, 2};
    {
        SceneCase c{"in front", {}, {true, true, true, true}};
        c.scene.addBox({0, 10, -50}, {10, 8, 2}, true);
        c.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        SceneCase c{"beside", {}, {false, false, false, false}};
        c.scene.addBox({0, 10, -50}, {10, 8, 2}, true);
        c.scene.addBox({25, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        // A gap 0.4 pixel wide at 64 x 64, centred on a pixel boundary: it holds no pixel centre
        // below 256 x 256, where the occludee then is culled though it shows through the gap.
        SceneCase c{"gap", {}, {true, true, false, false}};
        const double g = 0.184;
        c.scene.addBox({-10 - g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        c.scene.addBox({10 + g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        c.scene.addBox({0, 10, -150}, {3, 3, 3}, false);
        cases.push_back(c);
    }
    {
        // Only the underside faces the eye; it reaches behind the eye and must be clipped.
        SceneCase c{"occluder through the near plane", {}, {true, true, true, true}};
        c.scene.addBox({0, 25.5, -7.5}, {50, 24.5, 12.5}, true);
        c.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        // Reaches millions of pixels beside the view: only the guard band keeps the edge
        // arithmetic from overflowing.
        SceneCase c{"occluder far wider than the view", {}, {true, true, true, true}};
        c.scene.addBox({0, 1e4 - 1, -2.5}, {1e5, 1e4, 0.5}, true);
        c.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        // Larger than the view, in front of the eye.
        SceneCase c{"occludee through the near plane", {}, {false, false, false, false}};
        c.scene.addBox({0, 25, -11}, {50, 26, 1}, true);
        c.scene.addBox({0, 2, -97.5}, {1, 1, 102.5}, false);
        cases.push_back(c);
    }
    {
        // A slanting side face behind the occludee covers it: its depth must follow the slant.
        SceneCase c{"deep occluder behind", {}, {false, false, false, false}};
        c.scene.addBox({15, 20.5, -130}, {10, 19.5, 70}, true);
        c.scene.addBox({3.33, 10, -100}, {0.5, 0.5, 0.5}, false);
        cases.push_back(c);
    }
    return cases;
}

// Catches occluders lost or misplaced by the near-plane and guard-band clipping, culls through a
// gap the buffer resolves, and occludees reaching the near plane culled from their far corners.
TEST(CpuDepth, HandScenesAtEveryResolution) {
    const int sides[4] = {64, 128, 256, 640};
    CpuDepthState state;
    for (const SceneCase& c : sceneCases())
        for (int i = 0; i < 4; ++i) {
            const CullOutcome outcome =
                runCpuDepth(c.scene.scene(), lookingDownMinusZ(), sides[i], state, false);
            ASSERT_EQ(outcome.culled.size(), 1u);
            EXPECT_EQ(outcome.culled[0], c.culled[i]) << c.name << " at " << sides[i];
        }
}

// Catches a y flip or a shifted picture: the occluder sits in the lower half, so the bright rows do.
TEST(CpuDepth, PicturesShowTheBufferBottomRowFirst) {
    HandScene scene;
    scene.addBox({0, 5, -50}, {10, 4, 2}, true);
    scene.addBox({0, 5, -100}, {2, 2, 2}, false);
    CpuDepthState state;
    const CullOutcome outcome = runCpuDepth(scene.scene(), lookingDownMinusZ(), 64, state, true);
    ASSERT_EQ(outcome.pictures.size(), 2u);
    const BufferPicture& level0 = outcome.pictures[0];
    EXPECT_EQ(level0.caption, "depth buffer level 0, 64 x 64");
    EXPECT_EQ(level0.grey[10 * 64 + 32], 255); // y 0.1 of the distance: covered, nearest
    EXPECT_EQ(level0.grey[50 * 64 + 32], 0);   // y 0.47: empty
}

} // namespace
