// The occlusion map, the depth estimation buffer and the overlap test's rectangle as the GL builds
// them from the fake camera, against what the plain arithmetic gives for the same view.
#include "ViewerWindow.h"

#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionTests.h"

#include <algorithm>

using CullingStructuresGl = GlTest;

// Garbage in every level and cell first, so a build that skips one shows.
static void buildBoth() {
    for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{0x5A});
    depthEstimationBuffer.cells.fill(0.25);
    glMatrixMode(GL_MODELVIEW);
    buildOcclusionMap();
    buildDepthEstimationBuffer();
}

// Catches a map rendered lit or blended (not binary), a level not rebuilt, and a depth buffer built
// in another viewport, from another camera, or over the last frame's cells.
TEST_F(CullingStructuresGl, MapIsBinaryWithItsPyramidAndTheBufferHoldsTheNearestOccluders) {
    for (double angle : {0.0, 225.0}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        spinFakeCamera(angle);
        mainCamera.angle = 90; // never used for culling
        updateEye(mainCamera);
        buildBoth();
        const auto& level0 = occlusionMap.levels[0];
        const auto covered = std::count(level0.begin(), level0.end(), 255);
        EXPECT_EQ(covered + std::count(level0.begin(), level0.end(), 0), 64 * 64) << "only 0 and 255";
        EXPECT_GT(covered, 400);
        EXPECT_LT(covered, 64 * 64 - 400);
        OcclusionMap pyramid = occlusionMap;
        buildPyramid(pyramid);
        EXPECT_EQ(pyramid.levels, occlusionMap.levels);

        DepthEstimationBuffer expected;
        clearDepthBuffer(expected);
        const ViewTransforms view = handTransforms(fakeCamera.eye, fakeCamera.target, depthBufferSide);
        for (std::uint32_t index : occluderIndices) {
            const ScreenBounds b = projectScreenBounds(sceneObjects[index], view);
            recordOccluder(expected, b.min, b.max);
        }
        for (std::size_t i = 0; i < expected.cells.size(); ++i)
            ASSERT_NEAR(depthEstimationBuffer.cells[i], expected.cells[i], 1e-6) << "cell " << i;
        EXPECT_GT(std::count_if(expected.cells.begin(), expected.cells.end(), [](double d) { return d < 1; }), 100);
    }
}

// Catches the overlap test projecting through the wrong matrices, viewport or camera.
TEST_F(CullingStructuresGl, OverlapTestStoresTheBoxProjectedFromTheFakeCamera) {
    spinFakeCamera(180.0);
    buildBoth();
    const ViewTransforms view = handTransforms(fakeCamera.eye, fakeCamera.target, 64);
    for (std::uint32_t index : {555u, 999u}) {
        SceneObject& object = sceneObjects[index];
        overlapTest(object);
        const ScreenBounds expected = projectScreenBounds(object, view);
        ASSERT_GT(expected.max.x - expected.min.x, 1.0);
        expectVectorNear(object.screenMin, expected.min, 1e-4);
        expectVectorNear(object.screenMax, expected.max, 1e-4);
    }
}
