// The occlusion map as rendered by the GL: level 0 from a real read-back, the pyramid above it,
// an empty map without occluders, and the counter reset.
#include "GlTest.h"

#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>

using OcclusionMapGl = GlTest;

namespace {

std::uint8_t texel(unsigned level, unsigned column, unsigned row) {
    return occlusionMap.levels[level][row * levelSide(level) + column];
}

// Garbage in every level, so a build that skips a level or a texel shows.
void scribbleOverMap() {
    for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{0x5A});
}

void buildMap() {
    glMatrixMode(GL_MODELVIEW);
    buildOcclusionMap();
}

} // namespace

TEST_F(OcclusionMapGl, LevelZeroOfTheSceneIsBinaryAndPartlyCovered) {
    scribbleOverMap();
    buildMap();
    const auto& level0 = occlusionMap.levels[0];
    const auto covered = std::count(level0.begin(), level0.end(), 255);
    const auto empty = std::count(level0.begin(), level0.end(), 0);
    EXPECT_EQ(covered + empty, static_cast<long>(level0.size())) << "level 0 holds only 0 and 255";
    // From the start position the walls of occluders fill a good part of the view, not all of it.
    EXPECT_GT(covered, 400);
    EXPECT_GT(empty, 400);
}

TEST_F(OcclusionMapGl, OneOccluderInFrontOfTheCameraCoversTheMapCentreOnly) {
    ScopedScene scene({cubeAt(pointInFakeView(0.0, 0.3, 300.0), 50.0, occluderColor)}, {0}, {});
    scribbleOverMap();
    buildMap();
    // The cube encloses a ball of radius 50 at distance 300: about 18 texels around (32, 32).
    for (unsigned r = 26; r < 38; ++r)
        for (unsigned c = 26; c < 38; ++c) ASSERT_EQ(texel(0, c, r), 255) << "texel " << c << ", " << r;
    for (unsigned corner : {0u, 63u}) {
        EXPECT_EQ(texel(0, corner, 0), 0);
        EXPECT_EQ(texel(0, corner, 63), 0);
    }
    // The 8 x 8 level: the four middle texels lie wholly inside the cube's silhouette.
    for (unsigned r = 3; r < 5; ++r)
        for (unsigned c = 3; c < 5; ++c) EXPECT_EQ(texel(3, c, r), 255);
    EXPECT_EQ(texel(3, 0, 0), 0);
    EXPECT_EQ(texel(3, 7, 7), 0);
}

TEST_F(OcclusionMapGl, EachCoarserLevelIsTheMeanOfTheLevelBelowIt) {
    for (double angle : {0.0, 135.0, 225.0}) {
        spinFakeCamera(angle);
        scribbleOverMap();
        buildMap();
        for (unsigned level = 1; level < occlusionMapLevels; ++level) {
            std::vector<std::uint8_t> expected(levelSide(level) * levelSide(level));
            downsampleLevel(occlusionMap.levels[level - 1].data(), levelSide(level - 1), expected.data());
            EXPECT_EQ(occlusionMap.levels[level], expected) << "angle " << angle << ", level " << level;
        }
    }
}

TEST_F(OcclusionMapGl, WithoutOccludersEveryLevelIsEmpty) {
    ScopedScene scene(sceneObjects, {}, occludeeIndices);
    scribbleOverMap();
    buildMap();
    for (unsigned level = 0; level < occlusionMapLevels; ++level) {
        const auto& texels = occlusionMap.levels[level];
        EXPECT_TRUE(std::all_of(texels.begin(), texels.end(), [](std::uint8_t t) { return t == 0; }))
            << "level " << level;
    }
}

TEST_F(OcclusionMapGl, BuildingTheMapStartsANewCoverCount) {
    frameStats.passedHom = 123;
    frameStats.passedDeb = 45;
    buildMap();
    EXPECT_EQ(frameStats.passedHom, 0u);
    EXPECT_EQ(frameStats.passedDeb, 45u) << "the map build leaves the depth counter to the buffer build";
}
