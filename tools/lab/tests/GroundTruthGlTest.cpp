// The ID-colour ground truth on a hand-made scene with known answers, rendered for real through the
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
    std::ifstream(BRISEL_SOURCE_DIR "/data/cube.geo") >> object;
    object.scale = {half / 68.0, half / 68.0, half / 68.0};
    object.rotation = {0.0, 0.0, 0.0};
    object.translation = centre;
    object.applyTransform();
    return object;
}

// Catches an occluder that does not hide what is behind it (no depth test), colours that name
// other objects, and an object called visible only from two pixels on: the camera at the origin
// looks down -z, where the viewer's frustum shows x within +-0.3 and y within 0..0.6 of the distance.
TEST(GroundTruthGl, OccluderHidesWhatIsBehindItAndOnePixelMakesAnObjectVisible) {
    if (!openLabWindow(640))
        GTEST_FAIL() << "No X display (DISPLAY is unset): run the GL tests under xvfb-run, e.g. "
                        "xvfb-run -a -s \"-screen 0 1024x768x24 -noreset\" ctest -L gl";
    ASSERT_GE(colourChannelBits(), 8);
    reshape(640, 640);
    glMatrixMode(GL_MODELVIEW);
    OrbitCamera camera;
    camera.target = {0.0, 0.0, -1.0};
    // Indices whose ID codes use the green channel too; the hidden one is drawn after its occluder.
    enum : std::uint32_t { occluder = 256, hidden = 300, tiny = 400, beside = 511, behind = 599 };
    std::vector<SceneObject> objects(600); // empty objects draw nothing
    objects[hidden] = cube(3.0, {0.0, 5.0, -150.0});
    objects[occluder] = cube(5.0, {0.0, 5.0, -50.0});
    objects[beside] = cube(3.0, {40.0, 5.0, -150.0});
    objects[behind] = cube(3.0, {0.0, 5.0, 50.0});
    objects[tiny] = cube(0.02, {0.046875, 30.046875, -100.0}); // around the centre of pixel (320, 320)
    IdScene scene = makeIdScene(objects);
    const IdCoverage coverage = renderIdFrame(scene, camera, 640);
    EXPECT_EQ(coverage.unknownPixels, 0u);
    EXPECT_GT(coverage.pixels[occluder], 1000u);
    EXPECT_GT(coverage.pixels[beside], 100u);
    EXPECT_EQ(coverage.pixels[tiny], 1u);
    EXPECT_EQ(visibleFlags(coverage, {hidden, beside, behind, tiny, 600}),
              (std::vector<bool>{false, true, false, true, false}));
    objects[occluder] = SceneObject();
    IdScene without = makeIdScene(objects);
    EXPECT_GT(renderIdFrame(without, camera, 640).pixels[hidden], 100u);
}

} // namespace
