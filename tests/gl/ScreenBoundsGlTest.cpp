// projectScreenBounds with the transforms read back from the GL, against the same projection
// worked out with the geometry math: the fake camera's lookAt, the viewer's frustum for a
// 640 x 640 window (left -0.3, right 0.3, bottom 0, top 0.6, near 1, far 2000) and a 64 x 64
// viewport.
#include "GlTest.h"

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

constexpr double viewportSide = 64.0;

Vector windowCoordinates(const Vector& world) {
    const Geometry::Matrix view = Geometry::lookAt(fakeCamera.eye, fakeCamera.target, {0.0, 1.0, 0.0});
    const Geometry::Vector4 eye = view * Geometry::Vector4{world.x, world.y, world.z, 1.0};
    const double left = -0.3, right = 0.3, bottom = 0.0, top = 0.6, zNear = 1.0, zFar = 2000.0;
    const double clipX = 2 * zNear / (right - left) * eye.x + (right + left) / (right - left) * eye.z;
    const double clipY = 2 * zNear / (top - bottom) * eye.y + (top + bottom) / (top - bottom) * eye.z;
    const double clipZ = -(zFar + zNear) / (zFar - zNear) * eye.z - 2 * zFar * zNear / (zFar - zNear) * eye.w;
    const double clipW = -eye.z;
    return {viewportSide * (clipX / clipW + 1) / 2, viewportSide * (clipY / clipW + 1) / 2,
            (clipZ / clipW + 1) / 2};
}

ScreenBounds expectedBounds(const std::vector<Vector>& corners) {
    ScreenBounds b;
    for (const Vector& corner : corners) {
        const Vector w = windowCoordinates(corner);
        b.min = {std::min(b.min.x, w.x), std::min(b.min.y, w.y), std::min(b.min.z, w.z)};
        b.max = {std::max(b.max.x, w.x), std::max(b.max.y, w.y), std::max(b.max.z, w.z)};
    }
    return b;
}

ScreenBounds boundsFromGl(const SceneObject& object) {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(fakeCamera);
    glViewport(0, 0, static_cast<int>(viewportSide), static_cast<int>(viewportSide));
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
            const std::vector<Vector> corners(object.vertices.begin(), object.vertices.begin() + 8);
            const ScreenBounds expected = expectedBounds(corners);
            // A sanity check on the hand computation itself: the box is in front and a few texels wide.
            ASSERT_LT(expected.max.z, 1.0);
            ASSERT_GT(expected.max.x - expected.min.x, 1.0);
            expectNear(boundsFromGl(object), expected);
        }
    }
}

TEST_F(ScreenBoundsGl, OnlyTheFirstEightVerticesBoundAnObject) {
    SceneObject object = sceneObjects[555];
    const std::vector<Vector> corners(object.vertices.begin(), object.vertices.begin() + 8);
    // Two more points well outside the cube but in view: they must not widen the box.
    object.vertices.push_back({100.0, 50.0, -100.0});
    object.vertices.push_back({-150.0, -150.0, 150.0});
    expectNear(boundsFromGl(object), expectedBounds(corners));
}

TEST_F(ScreenBoundsGl, AnObjectWithFewerThanEightVerticesIsBoundByAllItHas) {
    SceneObject object("three");
    const auto& cube = sceneObjects[555].vertices;
    object.vertices = {cube[0], cube[7], cube[3]};
    expectNear(boundsFromGl(object), expectedBounds(object.vertices));
}

TEST_F(ScreenBoundsGl, AnObjectWithoutVerticesHasEmptyBounds) {
    const ScreenBounds bounds = boundsFromGl(SceneObject("empty"));
    EXPECT_EQ(bounds.min.x, 1e9);
    EXPECT_EQ(bounds.min.y, 1e9);
    EXPECT_EQ(bounds.min.z, 1e9);
    EXPECT_EQ(bounds.max.x, -1e9);
    EXPECT_EQ(bounds.max.y, -1e9);
    EXPECT_EQ(bounds.max.z, -1e9);
}
