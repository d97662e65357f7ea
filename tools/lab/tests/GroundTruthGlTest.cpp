// The ID-colour ground truth on hand-made scenes with known answers, rendered for real through the
// viewer's projection. Needs an X server (label gl).
#include "GroundTruth.h"
#include "LabWindow.h"
#include "app/Cameras.h"
#include "app/Viewer.h"
#include "mesh/GeoReader.h"

#include <GL/gl.h>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// The scene's cube mesh (corners at +-68) scaled to half-size `half` and centred on `centre`.
SceneObject cube(double half, const Geometry::Vector& centre) {
    SceneObject object;
    std::ifstream file(BRISEL_SOURCE_DIR "/data/cube.geo");
    file >> object;
    object.scale = {half / 68.0, half / 68.0, half / 68.0};
    object.rotation = {0.0, 0.0, 0.0};
    object.translation = centre;
    object.applyTransform();
    return object;
}

class GroundTruthGl : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openLabWindow(640));
        reshape(640, 640);
        glMatrixMode(GL_MODELVIEW);
    }

    void SetUp() override {
        // The camera at the origin looks down -z; the viewer's frustum shows only what lies above
        // the line of sight, x within +-0.3 and y within 0..0.6 of the distance.
        camera.eye = {0.0, 0.0, 0.0};
        camera.target = {0.0, 0.0, -1.0};
        // Multi-byte IDs: the objects sit at indices whose codes use the green channel too.
        objects.resize(600);
        objects[hiddenIndex] = cube(3.0, {0.0, 5.0, -150.0});
        objects[occluderIndex] = cube(5.0, {0.0, 5.0, -50.0});
        objects[besideIndex] = cube(3.0, {40.0, 5.0, -150.0});
        objects[behindIndex] = cube(3.0, {0.0, 5.0, 50.0});
    }

    OrbitCamera camera;
    std::vector<SceneObject> objects; // empty objects draw nothing
    // Drawn after its occluder: only the depth test can hide it.
    static constexpr std::uint32_t occluderIndex = 256;
    static constexpr std::uint32_t hiddenIndex = 300;
    static constexpr std::uint32_t besideIndex = 511;
    static constexpr std::uint32_t behindIndex = 599;
};

TEST_F(GroundTruthGl, OccluderHidesWhatIsBehindItAndNothingBesideIt) {
    ASSERT_GE(colourChannelBits(), 8);
    IdScene scene = makeIdScene(objects);
    const IdCoverage coverage = renderIdFrame(scene, camera, 640);
    EXPECT_EQ(coverage.unknownPixels, 0u);
    EXPECT_EQ(coverage.pixels[hiddenIndex], 0u);
    EXPECT_GT(coverage.pixels[occluderIndex], 1000u);
    EXPECT_GT(coverage.pixels[besideIndex], 100u);
    EXPECT_EQ(coverage.pixels[behindIndex], 0u); // behind the camera
    EXPECT_EQ(visibleFlags(coverage, {hiddenIndex, besideIndex, behindIndex}),
              (std::vector<bool>{false, true, false}));

    objects[occluderIndex] = SceneObject();
    IdScene without = makeIdScene(objects);
    EXPECT_GT(renderIdFrame(without, camera, 640).pixels[hiddenIndex], 100u);
}

} // namespace
