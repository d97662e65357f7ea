// The occlusion map as rendered by the GL: level 0 from a real read-back and the pyramid above it.
#include "ViewerWindow.h"

#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>

using OcclusionMapGl = GlTest;

namespace {

std::uint8_t texel(unsigned level, unsigned column, unsigned row) {
    return occlusionMap.levels[level][row * levelSide(level) + column];
}

// Garbage in every level first, so a build that skips a level or a texel shows.
void buildMap() {
    for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{0x5A});
    glMatrixMode(GL_MODELVIEW);
    buildOcclusionMap();
}

} // namespace

TEST_F(OcclusionMapGl, LevelZeroIsBinaryAndEachCoarserLevelIsTheMeanOfTheOneBelow) {
    for (double angle : {0.0, 135.0, 225.0}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        spinFakeCamera(angle);
        buildMap();
        const auto& level0 = occlusionMap.levels[0];
        const auto covered = std::count(level0.begin(), level0.end(), 255);
        const auto empty = std::count(level0.begin(), level0.end(), 0);
        EXPECT_EQ(covered + empty, static_cast<long>(level0.size())) << "level 0 holds only 0 and 255";
        // The walls of occluders fill a good part of the view, not all of it.
        EXPECT_GT(covered, 400);
        EXPECT_GT(empty, 400);
        for (unsigned level = 1; level < occlusionMapLevels; ++level) {
            std::vector<std::uint8_t> expected(levelSide(level) * levelSide(level));
            downsampleLevel(occlusionMap.levels[level - 1].data(), levelSide(level - 1), expected.data());
            EXPECT_EQ(occlusionMap.levels[level], expected) << "level " << level;
        }
    }
}

TEST_F(OcclusionMapGl, OneOccluderInFrontOfTheCameraCoversTheMapCentreOnly) {
    ScopedScene scene({cubeAt(pointInFakeView(0.0, 0.3, 300.0), 50.0, occluderColor)}, {0}, {});
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
