// Windows smaller than the map, reshapes to nothing, and frames over a scene without a mesh.
#include "ViewerWindow.h"

#include "culling/DepthEstimationBuffer.h"

#include <algorithm>
#include <cstring>
#include <sstream>

using WindowAndSceneGl = GlTest;

// Catches pixels outside a 1 x 1 window, read back undefined, counted as cover.
TEST_F(WindowAndSceneGl, AOnePixelWindowReportsNoCoverAndFullSizeRestoresTheCounts) {
    spinFakeCamera(225.0);
    const CullingResult full = cullOnce();
    ASSERT_TRUE(resizeViewerWindow(1, 1));
    const CullingResult tiny = cullOnce();
    const auto& level0 = occlusionMap.levels[0];
    EXPECT_TRUE(std::all_of(level0.begin() + 1, level0.end(), [](std::uint8_t t) { return t == 0; }));
    EXPECT_EQ(tiny.passedHom, 0u);
    ASSERT_TRUE(resizeViewerWindow(viewerSide, viewerSide));
    EXPECT_EQ(cullOnce(), full);
}

// Catches a zero-sized reshape that loads a degenerate projection or viewport.
TEST_F(WindowAndSceneGl, AReshapeToZeroKeepsProjectionAndViewport) {
    const ViewTransforms before = readViewTransforms();
    for (const auto& [width, height] : {std::pair{0, viewerSide}, std::pair{viewerSide, 0}}) {
        reshape(width, height);
        const ViewTransforms after = readViewTransforms();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << width << " x " << height;
    }
}

// Catches stale map, buffer or counts surviving a frame, and objects without vertices (no mesh
// file, or one too large) reported covered even at threshold 0.
TEST_F(WindowAndSceneGl, FramesOverAnEmptySceneCullNothing) {
    std::vector<SceneObject> objects;
    std::vector<std::uint32_t> occluders, occludees;
    sceneObjects.swap(objects), occluderIndices.swap(occluders), occludeeIndices.swap(occludees);
    std::ostringstream errors;
    buildScene("/nonexistent/cube.geo", errors);
    spinFakeCamera(225.0);
    opacityThreshold = 0;
    frameStats = {7, 5};
    for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{90});
    depthEstimationBuffer.cells.fill(0.25);
    const CullingResult frame = cullOnce();
    EXPECT_EQ(frame.passedHom + frame.passedDeb, 0u);
    EXPECT_EQ(frame.visible.size(), 1000u);
    for (const auto& level : occlusionMap.levels) EXPECT_EQ(*std::max_element(level.begin(), level.end()), 0);
    for (double cell : depthEstimationBuffer.cells) ASSERT_EQ(cell, 1.0);
    display();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    sceneObjects.swap(objects), occluderIndices.swap(occluders), occludeeIndices.swap(occludees);
}
