// The max-depth pyramid gpu-hiz tests with, and cpu-depth on hand-made scenes.
#include "methods/CpuDepth.h"
#include "HandScene.h"
#include "methods/DepthPyramid.h"

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

// Catches a level chosen too coarse or too fine (for the default span of 2 texels and for wider
// ones), and a test that reads fewer texels than the rectangle touches (only the maximum corner),
// or counts an equal depth as nearer.
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
        int span = 2;
    } cases[] = {
        {1.2, 1.2, 2.8, 2.8, 0.6, 0, true},  // pixels 1..2: two texels at level 0
        {1.5, 1.5, 3.0, 3.0, 0.6, 0, true},  // a maximum on a boundary stays out of pixel 3
        {1.2, 1.2, 3.8, 2.8, 0.6, 1, false}, // three columns: level 1, whose texel (1, 1) is empty
        {3.2, 3.2, 4.8, 4.8, 0.6, 0, false}, // the empty pixel lies under the minimum corner only
        {0.0, 0.0, 8.0, 8.0, 0.6, 2, false},
        {1.2, 1.2, 2.8, 2.8, 0.5, 0, false},  // equal depth is not behind
        {-0.5, 1.2, 2.8, 2.8, 0.6, 0, false}, // reaches outside the buffer
        {2.8, 1.2, 1.2, 2.8, 0.6, 0, false},  // inverted
        {1.2, 1.2, 2.8, 2.8, nan, 0, false},
        {nan, 1.2, 2.8, 2.8, 0.6, 0, false},
        {1.2, 1.2, 3.8, 2.8, 0.6, 0, true, 4},  // three columns at level 0 clear the empty pixel
        {0.0, 0.0, 8.0, 8.0, 0.6, 1, false, 4}, // eight columns: level 1
        {0.0, 0.0, 8.0, 8.0, 0.6, 0, false, 16},
        {0.0, 0.0, 8.0, 3.0, 0.6, 0, true, 16}, // every pixel below the empty one's row
        {0.0, 0.0, 8.0, 3.0, 0.6, 2, false},
    };
    for (const auto& c : cases) {
        if (!std::isnan(c.minX) && c.minX >= 0.0 && c.minX < c.maxX) {
            EXPECT_EQ(pyramidLevelFor(pyramid, c.minX, c.minY, c.maxX, c.maxY, c.span), c.level)
                << c.minX << " " << c.maxX << " span " << c.span;
        }
        EXPECT_EQ(isRectangleHidden(pyramid, c.minX, c.minY, c.maxX, c.maxY, c.nearest, c.span), c.hidden)
            << c.minX << " " << c.minY << " " << c.maxX << " " << c.maxY << " " << c.nearest << " span "
            << c.span;
    }
}

// Catches occluders lost or misplaced on their way into the library (a matrix transposed, boxes
// gathered from the wrong object), culls through a gap the buffer resolves, occludees reaching the
// near plane culled from their far corners, and a picture flipped in y or shifted (the occluder in
// front sits in the lower half). Every configuration kind decides alike on these scenes.
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
        for (int i = 0; i < 4; ++i)
            for (const CpuDepthConfig config :
                 {CpuDepthConfig{sides[i], false, 1}, CpuDepthConfig{sides[i], true, 1},
                  CpuDepthConfig{sides[i], false, 2}}) {
                const bool pictures = i == 0 && std::string(c.name) == "in front";
                const CullOutcome outcome =
                    runCpuDepth(scene.scene(), lookingDownMinusZ(), config, state, pictures);
                ASSERT_EQ(outcome.culled.size(), 1u);
                EXPECT_EQ(outcome.culled[0], c.culled[i])
                    << c.name << " at " << sides[i] << (config.triangles ? " triangles" : "") << " threads "
                    << config.threads;
                if (!pictures) continue;
                ASSERT_EQ(outcome.pictures.size(), 1u);
                EXPECT_EQ(outcome.pictures[0].caption, "depth buffer, 64 x 64 in 8 x 4 tiles");
                EXPECT_EQ(outcome.pictures[0].grey[10 * 64 + 32],
                          255); // y 0.1 of the distance: covered, nearest
                EXPECT_EQ(outcome.pictures[0].grey[50 * 64 + 32], 0); // y 0.47: empty
            }
    }
}

// Catches a pass that keeps the arrays it gathered from a scene that has changed since: the
// occluder moved aside in place, without a new allocation, must stop hiding the occludee.
TEST(CpuDepth, AMovedOccluderIsGatheredAgain) {
    HandScene scene = namedScene("in front");
    CpuDepthState state;
    EXPECT_TRUE(runCpuDepth(scene.scene(), lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
    EXPECT_TRUE(runCpuDepth(scene.scene(), lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
    for (Geometry::Vector& v : scene.objects[scene.occluders[0]].vertices) v.x += 40.0;
    EXPECT_FALSE(runCpuDepth(scene.scene(), lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
}

// Catches a pass that trusts a generation it was not gathered for: a scene that changes comes back
// with a new generation, or with none, and must be gathered again either way; one that keeps its
// generation is taken as it was.
TEST(CpuDepth, AChangedSceneUnderANewGenerationOrNoneIsGatheredAgain) {
    for (const bool named : {true, false}) {
        HandScene hand = namedScene("in front");
        CullScene scene = hand.scene();
        CpuDepthState state;
        scene.generation = newSceneGeneration();
        EXPECT_TRUE(runCpuDepth(scene, lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
        for (Geometry::Vector& v : hand.objects[hand.occluders[0]].vertices) v.x += 40.0;
        scene.generation = named ? newSceneGeneration() : 0;
        EXPECT_FALSE(runCpuDepth(scene, lookingDownMinusZ(), {64, false, 1}, state, false).culled[0])
            << named;
        // Same generation: the promise holds, the arrays stay and the stale answer shows it.
        const std::uint64_t kept = scene.generation;
        for (Geometry::Vector& v : hand.objects[hand.occluders[0]].vertices) v.x -= 40.0;
        if (kept != 0) {
            EXPECT_FALSE(runCpuDepth(scene, lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
        }
        scene.generation = newSceneGeneration();
        EXPECT_TRUE(runCpuDepth(scene, lookingDownMinusZ(), {64, false, 1}, state, false).culled[0]);
    }
}

} // namespace
