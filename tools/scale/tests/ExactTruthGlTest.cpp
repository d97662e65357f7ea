// The one-frame truth against the one-object-at-a-time truths it replaces, on the viewer's grid
// from several fake-camera angles and on hand-made boxes at equal depth. Needs an X server.
#include "City.h"
#include "ExactTruth.h"
#include "GroundTruth.h"
#include "LabWindow.h"
#include "ModelScene.h"
#include "SceneInstall.h"
#include "SceneSetup.h"
#include "app/Viewer.h"
#include "methods/ClipTransform.h"
#include "methods/OccluderTruth.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class ExactTruthGl : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openLabWindow(640));
        reshape(640, 640);
        glMatrixMode(GL_MODELVIEW);
        std::string error;
        ASSERT_TRUE(buildGpuPrograms(error)) << error;
    }
    void TearDown() override {
        releaseGpuScene(gpu);
        releaseTruthTarget(target);
    }
    GpuScene gpu;
    TruthTarget target;
};

OrbitCamera orbitAt(int angle) {
    resetCameras();
    OrbitCamera camera = fakeCamera;
    camera.angle = angle;
    updateEye(camera);
    return camera;
}

// A box's twelve triangles over corners numbered by bits (x, y, z), counter-clockwise from outside.
const std::uint32_t cubeFaces[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
                                        {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};

// A cube of half-side `half` centred at (0, y, z).
SceneObject cubeAt(double y, double z, double half) {
    SceneObject object;
    for (int i = 0; i < 8; ++i)
        object.vertices.push_back(
            {(i & 1) ? half : -half, y + ((i & 2) ? half : -half), z + ((i & 4) ? half : -half)});
    for (const auto& f : cubeFaces) object.faces.push_back({{f[0], f[1], f[2]}, {}, {}});
    return object;
}

// At the origin, looking down -z.
OrbitCamera lookingDownZ() {
    OrbitCamera camera;
    camera.eye = {0, 0, 0};
    camera.target = {0, 0, -1};
    return camera;
}

// Catches any pixel or flag that differs from the slow truths: a vertex transform that rounds
// differently from fixed function, an ID colour off by one, objects drawn out of order (ties
// between equal depths), a flag bit in the wrong word, a depth test that is not early, a cube
// settled as hidden behind the walls while a sample of it passes, and, with the box tests, flags
// drawn for the wrong objects or not taken from the ID frame for those it shows.
TEST_F(ExactTruthGl, GridEqualsTheOneByOneTruthsPixelForPixel) {
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    std::ostringstream errors;
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", errors);
    ASSERT_EQ(errors.str(), "");
    uploadGpuScene(instancedFromObjects(sceneObjects, occluderIndices), gpu);
    IdScene ids = makeIdScene(sceneObjects);
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    const std::vector<Box> boxes = cornerBoxes(sceneObjects);
    const BoxHierarchy hierarchy = buildHierarchy(boxes);
    const TruthBoxes settle{&hierarchy, &boxes};
    TruthTarget untimedTarget;
    for (int angle : {0, 45, 165, 180, 225, 270, 300})
        for (const TruthBoxes* settled : {static_cast<const TruthBoxes*>(nullptr), &settle}) {
            SCOPED_TRACE(angle);
            SCOPED_TRACE(settled ? "boxes behind the occluders settled" : "every object drawn");
            const CullView view{orbitAt(angle), *frustumFor(640, 640)};
            // Untimed, nothing waits between stages: the same truth, no stage left out (its own
            // target, so that no stage can pass off the other call's frame as its own).
            const ExactTruth untimed = takeExactTruth(gpu, untimedTarget, view, 640, nullptr, settled, false);
            const ExactTruth truth = takeExactTruth(gpu, target, view, 640, nullptr, settled);
            EXPECT_EQ(untimed.coverage.pixels, truth.coverage.pixels);
            EXPECT_EQ(untimed.passed, truth.passed);
            EXPECT_TRUE(untimed.stages.empty());
            const IdCoverage slow = renderIdFrame(ids, view.camera, 640);
            ASSERT_EQ(target.frame.size(), ids.frame.size() / 3 * 4);
            std::size_t differing = 0;
            for (std::size_t p = 0; p < ids.frame.size() / 3; ++p)
                for (std::size_t c = 0; c < 3; ++c)
                    differing += target.frame[4 * p + c] != ids.frame[3 * p + c];
            EXPECT_EQ(differing, 0u);
            EXPECT_EQ(truth.coverage.pixels, slow.pixels);
            EXPECT_EQ(truth.coverage.unknownPixels, 0u);

            const std::vector<bool> hidden = hiddenByOccluders(occluderOnlyPixels(scene, view, 640));
            std::size_t hiddenCount = 0;
            for (std::size_t i = 0; i < occludeeIndices.size(); ++i) {
                EXPECT_EQ(!truth.passed[occludeeIndices[i]], hidden[i]) << "occludee " << occludeeIndices[i];
                hiddenCount += hidden[i];
            }
            for (std::uint32_t index : occluderIndices) {
                if (slow.pixels[index] > 0) {
                    EXPECT_TRUE(truth.passed[index]) << "occluder " << index;
                }
            }
            if (angle == 225) {
                EXPECT_GT(hiddenCount, 300u); // the walls hide most of the block there
            }
        }
    releaseTruthTarget(untimedTarget);
}

// The test room (a wall with a doorway, crates behind it, occluders tested too) from its
// viewpoints, object for object: catches the same faults on a scene file's objects, whose
// occluders must pass against their own depth; with the box tests, pixel for pixel as without. (Pixel for
// pixel, one pixel of one view may differ: where a crate's underside lies in the floor's plane, the two draws
// break the tie apart.)
TEST_F(ExactTruthGl, RoomEqualsTheOneByOneTruthsObjectForObject) {
    Scenes::SceneChoice choice;
    choice.scene = BRISEL_SOURCE_DIR "/tools/scenes/data/room.obj";
    choice.viewsPath = BRISEL_SOURCE_DIR "/tools/scenes/data/room-views.txt";
    Scenes::SceneSetup setup;
    std::string error;
    ASSERT_TRUE(Scenes::setUpScene(choice, setup, error)) << error;
    Scenes::installScene(setup.model);
    const Frustum& f = setup.frustum;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
    uploadGpuScene(instancedFromObjects(sceneObjects, occluderIndices), gpu);
    IdScene ids = makeIdScene(sceneObjects);
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    ASSERT_FALSE(setup.cameras.empty());
    const std::vector<Box> boxes = cornerBoxes(sceneObjects);
    const BoxHierarchy hierarchy = buildHierarchy(boxes);
    const TruthBoxes settle{&hierarchy, &boxes};
    std::size_t hiddenTotal = 0;
    std::vector<std::uint8_t> frame;
    for (std::size_t v = 0; v < setup.cameras.size(); ++v)
        for (const TruthBoxes* settled : {static_cast<const TruthBoxes*>(nullptr), &settle}) {
            SCOPED_TRACE(v);
            SCOPED_TRACE(settled ? "with the box tests" : "every object drawn");
            const CullView view{setup.cameras[v], f};
            const ExactTruth truth = takeExactTruth(gpu, target, view, 640, nullptr, settled);
            if (!settled) {
                frame = target.frame;
            } else {
                EXPECT_TRUE(frame == target.frame); // the box tests and what they allow change no pixel
            }
            const IdCoverage slow = renderIdFrame(ids, view.camera, 640);
            EXPECT_EQ(visibleFlags(truth.coverage, occludeeIndices), visibleFlags(slow, occludeeIndices));
            const std::vector<bool> hidden = hiddenByOccluders(occluderOnlyPixels(scene, view, 640));
            for (std::size_t i = 0; i < occludeeIndices.size(); ++i) {
                EXPECT_EQ(!truth.passed[occludeeIndices[i]], hidden[i]) << "object " << occludeeIndices[i];
                hiddenTotal += hidden[i];
            }
        }
    EXPECT_GT(hiddenTotal, 0u);
    reshape(640, 640);
    glMatrixMode(GL_MODELVIEW);
}

// A box behind a wall, one exactly on the wall's front face, one in front: equal depth passes, so
// an occluder never hides itself nor a twin. Catches GL_LESS or no four-step margin in the flag
// pass or in the box tests before it, and a flag pass that leaves depth writes on (an object would
// then hide the ones drawn after it).
TEST_F(ExactTruthGl, EqualDepthPassesAndObjectsDoNotHideEachOther) {
    const auto box = [](double z, double half) { return cubeAt(10, z, half); };
    // 0: wall; 1: a box in front that fills the view; 2: behind the wall; 3: the wall's twin, drawn
    // after box 1, which would hide it with depth writes on; 4: inside the wall, its front face two
    // steps of the 24-bit depth buffer behind the wall's, which counts as equal.
    const Frustum frustum = *frustumFor(640, 640);
    const double step = 1.0 / (1 << 24) * 45.0 * 45.0 * (1.0 / frustum.nearPlane - 1.0 / frustum.farPlane);
    std::vector<SceneObject> objects = {box(-50, 5), box(-30, 10), box(-80, 2), box(-50, 5),
                                        box(-47 - 2 * step, 2)};
    uploadGpuScene(instancedFromObjects(objects, {0}), gpu);
    const OrbitCamera camera = lookingDownZ();
    const std::vector<Box> boxes = cornerBoxes(objects);
    const BoxHierarchy hierarchy = buildHierarchy(boxes, 1);
    const TruthBoxes settle{&hierarchy, &boxes};
    for (const TruthBoxes* settled : {static_cast<const TruthBoxes*>(nullptr), &settle}) {
        const ExactTruth truth = takeExactTruth(gpu, target, {camera, frustum}, 640, nullptr, settled);
        EXPECT_EQ(truth.passed, (std::vector<bool>{true, true, false, true, true})) << (settled != nullptr);
        EXPECT_EQ(truth.coverage.pixels[1], 640u * 640u);
    }
    const std::vector<std::uint32_t> wall{0}, tested{0, 2, 3, 4};
    EXPECT_EQ(hiddenByOccluders(occluderOnlyPixels({&objects, &wall, &tested}, {camera, frustum}, 640)),
              (std::vector<bool>{false, true, false, false}));
}

// A wall filling most of the view, a box two depth steps behind its front face (which counts as
// equal) and one well behind it. Catches box tests that settle a box as hidden without the flag
// pass's four-step margin, and box tests that never settle anything.
TEST_F(ExactTruthGl, BoxTestsKeepTheFlagPassMargin) {
    const auto box = [](double z, double half) { return cubeAt(0, z, half); };
    const Frustum frustum{-1.0, 1.0, -1.0, 1.0, 1.0, 2000.0}; // 90 degrees, centred
    const double step = 1.0 / (1 << 24) * 30.0 * 30.0 * (1.0 / frustum.nearPlane - 1.0 / frustum.farPlane);
    std::vector<SceneObject> objects = {box(-60, 30), box(-31 - 2 * step, 1), box(-70, 1)};
    uploadGpuScene(instancedFromObjects(objects, {0}), gpu);
    const OrbitCamera camera = lookingDownZ();
    const std::vector<Box> boxes = cornerBoxes(objects);
    const BoxHierarchy hierarchy = buildHierarchy(boxes, 1);
    const TruthBoxes settle{&hierarchy, &boxes};
    const ExactTruth truth = takeExactTruth(gpu, target, {camera, frustum}, 640, nullptr, &settle);
    EXPECT_EQ(truth.passed, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(target.boxHidden, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(truth.stages.size(), 5u); // "box tests" among them
}

// Catches an object left out as off-view, or settled as behind the occluders, while it draws a
// pixel or passes a sample (a box test without the flag pass's margin), and a bridge between
// listed objects that draws them out of order, and flags drawn only for the objects the ID frame
// shows no pixel of that differ from a flag draw of every object: from a city's street walk and roof
// views, the truth over the frustum's candidates, with and without the box tests, equals the truth
// over every object.
TEST_F(ExactTruthGl, LeavingOutObjectsOffTheViewChangesNothing) {
    const City city = generateCity(4000, 9);
    uploadGpuScene(city.scene, gpu);
    const BoxHierarchy hierarchy = buildHierarchy(city.boxes);
    const TruthBoxes settle{&hierarchy, &city.boxes};
    std::vector<Scenes::Viewpoint> views = cityWalk(city, 8);
    for (const Scenes::Viewpoint& roof : cityRoofViews(city)) views.push_back(roof);
    std::vector<std::uint32_t> inView;
    for (std::size_t v = 0; v < views.size(); ++v) {
        SCOPED_TRACE(v);
        const CullView view = cityView(city, views[v]);
        const ExactTruth all = takeExactTruth(gpu, target, view, 640);
        const std::vector<std::uint8_t> frame = target.frame;
        frustumCandidates(hierarchy, city.boxes, viewProjection(view), inView);
        if (v < 8) {
            EXPECT_LT(inView.size(), city.boxes.size() * 3 / 4); // the street walk sees a part
        }
        const ExactTruth some = takeExactTruth(gpu, target, view, 640, &inView);
        EXPECT_TRUE(frame == target.frame);
        EXPECT_EQ(some.passed, all.passed);
        EXPECT_EQ(some.coverage.pixels, all.coverage.pixels);
        const ExactTruth fewer = takeExactTruth(gpu, target, view, 640, &inView, &settle);
        EXPECT_TRUE(frame == target.frame);
        EXPECT_EQ(fewer.passed, all.passed);
        EXPECT_EQ(fewer.coverage.pixels, all.coverage.pixels);
        std::size_t shown = 0;
        for (std::uint32_t p : all.coverage.pixels) shown += p > 0;
        EXPECT_GT(shown, 20u);
    }
}

// Back faces may be left out only where they decide nothing. Catches culling them on a closed box
// that the near plane cuts open (what shows through the cut is its inner walls, all back faces),
// and on an open quad seen from behind; either vanishes from the truth with the box tests.
TEST_F(ExactTruthGl, BackFacesStayWhereTheyShow) {
    auto flat = [](std::vector<Geometry::Vector> corners, std::vector<std::array<std::uint32_t, 3>> faces) {
        SceneObject object;
        object.vertices = std::move(corners);
        for (const auto& f : faces) object.faces.push_back({{f[0], f[1], f[2]}, {}, {}});
        return object;
    };
    std::vector<Geometry::Vector> cut, quad;
    for (int i = 0; i < 8; ++i) {
        cut.push_back({(i & 1) ? 0.4 : -0.4, (i & 2) ? 0.4 : -0.4, (i & 4) ? -0.5 : -100.0});
        quad.push_back({(i & 1) ? 5.0 : -5.0, (i & 2) ? 5.0 : -5.0, -50.0});
    }
    const std::vector<std::array<std::uint32_t, 3>> cube = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6},
                                                            {0, 1, 5}, {0, 5, 4}, {2, 6, 7}, {2, 7, 3},
                                                            {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
    const std::vector<SceneObject> scenes[] = {
        {flat(cut, cube)}, {flat(quad, {{0, 3, 1}, {0, 2, 3}})}, // clockwise from the eye
    };
    const Frustum frustum{-1.0, 1.0, -1.0, 1.0, 1.0, 2000.0};
    const OrbitCamera camera = lookingDownZ();
    for (const std::vector<SceneObject>& objects : scenes) {
        releaseGpuScene(gpu);
        uploadGpuScene(instancedFromObjects(objects, {0}), gpu);
        const std::vector<Box> boxes = cornerBoxes(objects);
        const BoxHierarchy hierarchy = buildHierarchy(boxes, 1);
        const TruthBoxes settle{&hierarchy, &boxes};
        const ExactTruth all = takeExactTruth(gpu, target, {camera, frustum}, 640);
        const ExactTruth fewer = takeExactTruth(gpu, target, {camera, frustum}, 640, nullptr, &settle);
        EXPECT_GT(all.coverage.pixels[0], 1000u) << objects[0].faces.size();
        EXPECT_EQ(fewer.coverage.pixels, all.coverage.pixels) << objects[0].faces.size();
        EXPECT_EQ(fewer.passed, all.passed) << objects[0].faces.size();
    }
}

} // namespace
