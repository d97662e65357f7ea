// The room test scene (a wall with a doorway, crates behind it) through the scene model and every
// lab method, from the viewpoint facing the doorway. Needs an X server (label gl).
#include "GroundTruth.h"
#include "LabMethods.h"
#include "LabWindow.h"
#include "SceneInstall.h"
#include "SceneSetup.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "methods/OccluderTruth.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::string roomFolder = BRISEL_SOURCE_DIR "/tools/scenes/data/";

class RoomScene : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Scenes::SceneChoice choice;
        choice.scene = roomFolder + "room.obj";
        choice.viewsPath = roomFolder + "room-views.txt";
        std::string error;
        ASSERT_TRUE(Scenes::setUpScene(choice, setup, error)) << error;
        Scenes::installScene(setup.model);
        ASSERT_TRUE(openLabWindow(640));
        allocateOcclusionMap();
        reshape(640, 640);
        const Frustum& f = setup.frustum;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
        glMatrixMode(GL_MODELVIEW);
    }
    static void TearDownTestSuite() { releaseOcclusionMap(); }

    // The object's place in the tested list.
    static std::size_t tested(const std::string& name) {
        for (std::size_t i = 0; i < occludeeIndices.size(); ++i)
            if (sceneObjects[occludeeIndices[i]].name == name) return i;
        ADD_FAILURE() << "no tested object " << name;
        return 0;
    }

    static CullView facingTheDoorway() { return {setup.cameras.at(0), setup.frustum}; }

    static Scenes::SceneSetup setup;
};

Scenes::SceneSetup RoomScene::setup;

// Catches a truth that lets an occluder hide itself, or counts the doorway as wall.
TEST_F(RoomScene, TruthsSeeThroughTheDoorwayOnly) {
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    const std::vector<bool> hideable = hiddenByOccluders(occluderOnlyPixels(scene, facingTheDoorway(), 640));
    IdScene ids = makeIdScene(sceneObjects);
    const std::vector<bool> visible =
        visibleFlags(renderIdFrame(ids, facingTheDoorway().camera, 640), occludeeIndices);
    const struct {
        const char* name;
        bool visible, hideable;
    } expected[] = {{"occluder_wall", true, false},     {"floor", true, false},
                    {"crate_behind_wall", false, true}, {"crate_through_doorway", true, false},
                    {"shelf_behind_wall", false, true}, {"table_in_front", true, false}};
    for (const auto& e : expected) {
        EXPECT_EQ(visible[tested(e.name)], e.visible) << e.name;
        EXPECT_EQ(hideable[tested(e.name)], e.hideable) << e.name;
    }
}

// Catches an exact method that culls through the doorway or lets the wall cull itself, and one
// that keeps the crate the wall hides.
TEST_F(RoomScene, ExactMethodsCullBehindTheWallButNotThroughTheDoorway) {
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    MethodCall call;
    call.scene = &scene;
    call.view = facingTheDoorway();
    call.previous = call.view;
    std::size_t exactRuns = 0;
    for (const CullingMethod& method : cullingMethods())
        for (std::size_t config = 0; config < method.configs.size(); ++config) {
            const CullOutcome outcome = method.run(call, config);
            const std::string what = method.name + " " + method.configs[config];
            ASSERT_EQ(outcome.culled.size(), occludeeIndices.size()) << what;
            if (std::find(method.exact.begin(), method.exact.end(), method.configs[config]) ==
                method.exact.end())
                continue;
            ++exactRuns;
            EXPECT_FALSE(outcome.culled[tested("crate_through_doorway")]) << what;
            EXPECT_TRUE(outcome.culled[tested("crate_behind_wall")]) << what;
            EXPECT_FALSE(outcome.culled[tested("occluder_wall")]) << what;
            EXPECT_FALSE(outcome.culled[tested("table_in_front")]) << what;
        }
    EXPECT_EQ(exactRuns,
              5u); // cpu-depth 640 (rectangles, triangles, two threads), gpu-hiz 640, stop-and-wait queries
}

} // namespace
