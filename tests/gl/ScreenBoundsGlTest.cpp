// projectScreenBounds with the transforms read back from the GL, against the same projection
// worked out with the geometry math: the fake camera's lookAt, the viewer's frustum for a
// 640 x 640 window (left -0.3, right 0.3, bottom 0, top 0.6, near 1, far 2000) and a 64 x 64
// viewport.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "culling/OcclusionMap.h"
#include "culling/ScreenBounds.h"
#include "geometry/Transforms.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>

using Geometry::Vector;

using ScreenBoundsGl = GlTest;

namespace {

ScreenBounds expectedBounds(const std::vector<Vector>& corners) {
    const Geometry::Matrix view = Geometry::lookAt(fakeCamera.eye, fakeCamera.target, {0.0, 1.0, 0.0});
    ScreenBounds b;
    for (const Vector& corner : corners) {
        const Geometry::Vector4 eye = view * Geometry::Vector4{corner.x, corner.y, corner.z, 1.0};
        const double n = 1.0, f = 2000.0, w = -eye.z; // right - left = 0.6, top - bottom = 0.6
        const double x = (2 * n / 0.6 * eye.x) / w, y = (2 * n / 0.6 * eye.y + eye.z) / w;
        const double z = (-(f + n) / (f - n) * eye.z - 2 * f * n / (f - n)) / w;
        const Vector window{32 * (x + 1), 32 * (y + 1), (z + 1) / 2};
        b.min = {std::min(b.min.x, window.x), std::min(b.min.y, window.y), std::min(b.min.z, window.z)};
        b.max = {std::max(b.max.x, window.x), std::max(b.max.y, window.y), std::max(b.max.z, window.z)};
    }
    return b;
}

ScreenBounds boundsFromGl(const SceneObject& object) {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(fakeCamera);
    glViewport(0, 0, 64, 64);
    return projectScreenBounds(object, readViewTransforms());
}

// The GL keeps its matrices in single precision: allow for that in pixels and in depth.
void expectNear(const ScreenBounds& actual, const ScreenBounds& expected) {
    EXPECT_NEAR(actual.min.x, expected.min.x, 1e-4);
    EXPECT_NEAR(actual.min.y, expected.min.y, 1e-4);
    EXPECT_NEAR(actual.min.z, expected.min.z, 1e-6);
    EXPECT_NEAR(actual.max.x, expected.max.x, 1e-4);
    EXPECT_NEAR(actual.max.y, expected.max.y, 1e-4);
    EXPECT_NEAR(actual.max.z, expected.max.z, 1e-6);
}

} // namespace

TEST_F(ScreenBoundsGl, ProjectedBoxMatchesTheViewAndFrustumWorkedByHand) {
    for (double angle : {0.0, 180.0}) {
        spinFakeCamera(angle);
        for (std::uint32_t index : {555u, 999u}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", object " << index);
            const SceneObject& object = sceneObjects[index];
            const ScreenBounds expected =
                expectedBounds(std::vector<Vector>(object.vertices.begin(), object.vertices.begin() + 8));
            // A check of the hand computation itself: the box is in front and a few texels wide.
            ASSERT_LT(expected.max.z, 1.0);
            ASSERT_GT(expected.max.x - expected.min.x, 1.0);
            expectNear(boundsFromGl(object), expected);
        }
    }
}

TEST_F(ScreenBoundsGl, TheFirstEightVerticesOrAsManyAsThereAreBoundAnObject) {
    SceneObject object = sceneObjects[555];
    const std::vector<Vector> corners(object.vertices.begin(), object.vertices.begin() + 8);
    // Two more points well outside the cube but in view: they must not widen the box.
    object.vertices.push_back({100.0, 50.0, -100.0});
    object.vertices.push_back({-150.0, -150.0, 150.0});
    expectNear(boundsFromGl(object), expectedBounds(corners));

    object.vertices = {corners[0], corners[7], corners[3]};
    expectNear(boundsFromGl(object), expectedBounds(object.vertices));

    // No vertices: a rectangle that no lookup can find.
    const ScreenBounds none = boundsFromGl(SceneObject("empty"));
    for (double v : {none.min.x, none.min.y, none.min.z}) EXPECT_EQ(v, 1e9);
    for (double v : {none.max.x, none.max.y, none.max.z}) EXPECT_EQ(v, -1e9);
}
