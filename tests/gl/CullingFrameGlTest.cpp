// The occlusion map and the depth estimation buffer as the GL builds them, and whole culling passes
// over the real scene: what the counters and the visible list promise after every frame, what
// changes the culled set and what must not.
#include "ViewerWindow.h"

#include "culling/DepthEstimationBuffer.h"

#include <algorithm>

// In AllocationCounter.cpp: counts operator new calls from start to stop.
void startCountingAllocations();
std::size_t stopCountingAllocations();

using CullingFrameGl = GlTest;

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
TEST_F(CullingFrameGl, MapIsBinaryWithItsPyramidAndTheBufferHoldsTheNearestOccluders) {
    for (double angle : {0.0, 225.0}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        spinFakeCamera(angle);
        buildBoth();
        const auto& level0 = occlusionMap.levels[0];
        const auto covered = std::count(level0.begin(), level0.end(), 255);
        EXPECT_EQ(covered + std::count(level0.begin(), level0.end(), 0), 64 * 64) << "only 0 and 255";
        EXPECT_TRUE(covered > 400 && covered < 64 * 64 - 400) << covered;
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

// Catches counters not reset per frame, survivors out of order or twice, occluders left out or
// tested, and a depth test run on (or counted for) an occludee that was not covered.
TEST_F(CullingFrameGl, EveryFrameKeepsTheCountsAndTheDrawingOrderConsistent) {
    for (double angle : {0.0, 90.0, 180.0, 225.0, 315.0}) {
        for (int threshold : {255, 100, 0}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", threshold " << threshold);
            spinFakeCamera(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            const CullingResult frame = cullOnce();
            EXPECT_LE(frame.passedDeb, frame.passedHom);
            ASSERT_EQ(frame.visible.size(), occludeeIndices.size() - frame.passedDeb + occluderIndices.size());
            const auto survivorsEnd = frame.visible.end() - static_cast<long>(occluderIndices.size());
            EXPECT_TRUE(std::equal(survivorsEnd, frame.visible.end(), occluderIndices.begin()));
            EXPECT_TRUE(std::includes(occludeeIndices.begin(), occludeeIndices.end(), frame.visible.begin(),
                                      survivorsEnd));
            EXPECT_TRUE(std::adjacent_find(frame.visible.begin(), survivorsEnd) == survivorsEnd);
        }
    }
}

static long bluePixels() { // occludees below the overlay
    return countPixels(0, 0, 640, 510, [](int r, int g, int b) { return b > 60 && b > 2 * std::max(r, g); });
}

// Catches a culler that culls nothing or the wrong side, a lower threshold that culls less, culled
// occludees that are drawn all the same, and culling from the drawing camera instead of the fake.
TEST_F(CullingFrameGl, BehindTheWallsManyAreCulledFromTheMainViewAndLowerThresholdsCullMore) {
    spinFakeCamera(225.0);
    const CullingResult reference = cullOnce();
    lockToFakeCamera = true;
    EXPECT_EQ(cullOnce(), reference) << "locked";
    lockToFakeCamera = false;
    mainCamera.angle = 180;
    updateEye(mainCamera);
    EXPECT_EQ(cullOnce(), reference) << "main camera at 180";
    resetCameras();
    display();
    const long drawnFromTheFront = bluePixels();
    EXPECT_EQ(frameStats.passedDeb, 0u) << "from the front the walls hide nothing";
    for (double angle : {180.0, 225.0}) {
        spinFakeCamera(angle);
        std::uint32_t previous = 128;
        for (int threshold : {255, 200, 0}) {
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            display();
            EXPECT_GE(frameStats.passedDeb, previous) << "angle " << angle << ", threshold " << threshold;
            EXPECT_LT(bluePixels(), drawnFromTheFront * 0.97) << "angle " << angle << ", threshold " << threshold;
            previous = frameStats.passedDeb;
        }
    }
}

// Catches a frame that allocates (a visible list rebuilt or shrunk each frame) once warmed up.
TEST_F(CullingFrameGl, SteadyFramesAllocateNothing) {
    for (double angle : {0.0, 180.0, 225.0}) {
        spinFakeCamera(angle);
        for (int frame = 0; frame < 3; ++frame) cullOnce();
    }
    for (double angle : {0.0, 225.0}) {
        spinFakeCamera(angle);
        startCountingAllocations();
        for (int frame = 0; frame < 5; ++frame) cullAndDrawFrame();
        EXPECT_EQ(stopCountingAllocations(), 0u) << "angle " << angle;
    }
}
