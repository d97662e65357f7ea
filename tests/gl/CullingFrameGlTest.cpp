// Whole culling passes (cullAndDrawFrame) over the real scene: what the counters and the visible
// list promise after every frame, what changes the culled set and what must not.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "culling/CullingPipeline.h"
#include "scene/Scene.h"

#include <algorithm>

// In AllocationCounter.cpp: counts operator new calls from start to stop.
void startCountingAllocations();
std::size_t stopCountingAllocations();

using CullingFrameGl = GlTest;

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

// Catches occludees off the map or wider than the coarsest level reported covered (and so
// culled): at threshold 0 only where the lookup lands decides.
TEST_F(CullingFrameGl, AtThresholdZeroOnlyOccludeesOnTheMapAreCovered) {
    spinFakeCamera(225.0);
    // The real scene and three more occludees: below the image, right of it, and one so close
    // that it spans far more than eight texels.
    std::vector<SceneObject> objects = sceneObjects;
    std::vector<std::uint32_t> occludees = occludeeIndices;
    for (const Geometry::Vector& at : {pointInFakeView(0.0, -0.2, 900.0), pointInFakeView(0.5, 0.3, 900.0),
                                       pointInFakeView(0.0, 0.3, 300.0)}) {
        occludees.push_back(static_cast<std::uint32_t>(objects.size()));
        objects.push_back(cubeAt(at, 20.0, occludeeColor));
    }
    ScopedScene scene(std::move(objects), occluderIndices, std::move(occludees));
    opacityThreshold = 0;
    const CullingResult frame = cullOnce();
    EXPECT_EQ(frame.passedHom, 640u);
    const auto survivorsEnd = frame.visible.end() - static_cast<long>(occluderIndices.size());
    EXPECT_EQ(std::count_if(frame.visible.begin(), survivorsEnd, [](std::uint32_t i) { return i >= 1000; }), 3);
}

// Catches culling computed from the drawing camera instead of the fake one.
TEST_F(CullingFrameGl, NeitherTheLockNorTheMainCameraChangesWhatIsCulled) {
    spinFakeCamera(225.0);
    const CullingResult reference = cullOnce();
    ASSERT_GT(reference.passedDeb, 0u);
    lockToFakeCamera = true;
    EXPECT_EQ(cullOnce(), reference) << "locked";
    lockToFakeCamera = false;
    mainCamera.angle = 180;
    updateEye(mainCamera);
    EXPECT_EQ(cullOnce(), reference) << "main camera at 180";
}

// Catches a culler that culls nothing (or the wrong side): behind the walls many occludees go,
// and a lower threshold culls at least as many.
TEST_F(CullingFrameGl, BehindTheWallsManyAreCulledAndLowerThresholdsCullMore) {
    EXPECT_EQ(cullOnce().passedDeb, 0u) << "from the front the walls hide nothing";
    for (double angle : {180.0, 225.0}) {
        spinFakeCamera(angle);
        std::uint32_t previous = 128;
        for (int threshold : {255, 200, 0}) {
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            const std::uint32_t culled = cullOnce().passedDeb;
            EXPECT_GE(culled, previous) << "angle " << angle << ", threshold " << threshold;
            previous = culled;
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
