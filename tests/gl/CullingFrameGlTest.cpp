// Whole culling passes (cullAndDrawFrame) over the real scene: what the counters and the visible
// list promise after every frame, what changes the culled set and what must not.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "culling/FrameStats.h"
#include "scene/Scene.h"

#include <algorithm>

using CullingFrameGl = GlTest;

namespace {

const double angles[] = {0.0, 45.0, 90.0, 135.0, 180.0, 225.0, 270.0, 315.0};
const int thresholds[] = {255, 200, 100, 1, 0};

void expectConsistentFrame(const CullingResult& frame) {
    const std::size_t occludees = occludeeIndices.size();
    EXPECT_LE(frame.passedDeb, frame.passedHom);
    EXPECT_LE(frame.passedHom, occludees);
    ASSERT_EQ(frame.visible.size(), occludees - frame.passedDeb + occluderIndices.size());
    // Surviving occludees first, in list order, then every occluder in list order.
    const auto survivorsEnd = frame.visible.end() - static_cast<long>(occluderIndices.size());
    EXPECT_TRUE(std::equal(survivorsEnd, frame.visible.end(), occluderIndices.begin()));
    EXPECT_TRUE(
        std::includes(occludeeIndices.begin(), occludeeIndices.end(), frame.visible.begin(), survivorsEnd))
        << "survivors are occludees in ascending list order";
    EXPECT_TRUE(std::adjacent_find(frame.visible.begin(), survivorsEnd) == survivorsEnd)
        << "no survivor twice";
}

} // namespace

TEST_F(CullingFrameGl, EveryFrameKeepsTheCountsAndTheDrawingOrderConsistent) {
    for (double angle : angles) {
        for (int threshold : thresholds) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", threshold " << threshold);
            spinFakeCamera(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            expectConsistentFrame(cullOnce());
        }
    }
}

// At threshold 0 every texel is opaque enough, so only where the lookup lands decides: an
// occludee is reported covered exactly when its projected maximum corner lies inside the map and
// its rectangle fits the coarsest level. Occludees whose maximum corner falls off the map, and
// occludees wider than eight texels, are never reported covered, and so never culled.
TEST_F(CullingFrameGl, AtThresholdZeroEveryOccludeeOnTheMapIsReportedCovered) {
    for (double angle : angles) {
        spinFakeCamera(angle);
        // The real scene (all of it on the map) and three more occludees: below the image, right
        // of it, and one so close that it spans far more than eight texels.
        std::vector<SceneObject> objects = sceneObjects;
        std::vector<std::uint32_t> occludees = occludeeIndices;
        for (const Geometry::Vector& at :
             {pointInFakeView(0.0, -0.2, 900.0), pointInFakeView(0.5, 0.3, 900.0),
              pointInFakeView(0.0, 0.3, 300.0)}) {
            occludees.push_back(static_cast<std::uint32_t>(objects.size()));
            objects.push_back(cubeAt(at, 20.0, occludeeColor));
        }
        ScopedScene scene(std::move(objects), occluderIndices, std::move(occludees));
        opacityThreshold = 0;
        const CullingResult frame = cullOnce();

        std::uint32_t onMap = 0;
        for (std::uint32_t index : occludeeIndices) {
            const SceneObject& object = sceneObjects[index];
            const double extent =
                std::max(object.screenMax.x - object.screenMin.x, object.screenMax.y - object.screenMin.y);
            onMap += object.screenMax.x >= 0.0 && object.screenMax.x < 64.0 && object.screenMax.y >= 0.0 &&
                     object.screenMax.y < 64.0 && extent <= 8.0;
        }
        EXPECT_EQ(frame.passedHom, onMap) << "angle " << angle;
        // The three extra occludees (the last ones) are never covered, so they are drawn.
        const auto firstExtra = static_cast<std::uint32_t>(sceneObjects.size() - 3);
        const auto survivorsEnd = frame.visible.end() - static_cast<long>(occluderIndices.size());
        EXPECT_EQ(std::count_if(frame.visible.begin(), survivorsEnd,
                                [&](std::uint32_t i) { return i >= firstExtra; }),
                  3)
            << "angle " << angle;
    }
}

TEST_F(CullingFrameGl, NeitherTheLockNorTheMainCameraChangesWhatIsCulled) {
    spinFakeCamera(225.0);
    const CullingResult reference = cullOnce();
    ASSERT_GT(reference.passedDeb, 0u) << "a view that culls something";

    lockToFakeCamera = true;
    EXPECT_EQ(cullOnce(), reference) << "locked";
    lockToFakeCamera = false;

    for (double angle : {90.0, 180.0, 355.0}) {
        mainCamera.angle = angle;
        updateEye(mainCamera);
        EXPECT_EQ(cullOnce(), reference) << "main camera at " << angle;
    }
}

TEST_F(CullingFrameGl, TurningTheFakeCameraBehindTheWallsCullsManyOccludees) {
    const CullingResult front = cullOnce();
    for (double angle : {180.0, 225.0}) {
        spinFakeCamera(angle);
        opacityThreshold = 255;
        const CullingResult behind = cullOnce();
        // From these sides the two occluder walls stand between the camera and the occludees.
        EXPECT_GT(behind.passedDeb, front.passedDeb) << "angle " << angle;
        EXPECT_GE(behind.passedDeb, 128u) << "angle " << angle;

        // A lower threshold reports more rectangles covered; the depth test is unchanged, so at
        // least the same occludees are culled.
        std::uint32_t previous = behind.passedDeb;
        for (int threshold : {200, 100, 0}) {
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            const CullingResult lower = cullOnce();
            EXPECT_GE(lower.passedDeb, previous) << "angle " << angle << ", threshold " << threshold;
            previous = lower.passedDeb;
        }
    }
}
