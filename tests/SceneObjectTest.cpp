// Scene objects: construction, the transform into world space with its face normals, colouring
// and the face index check.
#include "mesh/SceneObject.h"

#include <gtest/gtest.h>

#include <cmath>

using Geometry::Vector;

namespace {

void expectVectorNear(const Vector& actual, const Vector& expected, double eps = 1e-12) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}

void expectZero(const Vector& v) {
    EXPECT_EQ(v.x, 0.0);
    EXPECT_EQ(v.y, 0.0);
    EXPECT_EQ(v.z, 0.0);
}

// A unit right triangle in the z = 0 plane, counter-clockwise seen from +z, listed twice: once in
// that order and once reversed, plus a degenerate face over three collinear points.
SceneObject triangles() {
    SceneObject object{"tri"};
    object.scale = {1, 1, 1};
    object.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}};
    object.faces = {Face{{0, 1, 2}, {}, {}}, Face{{0, 2, 1}, {}, {}}, Face{{0, 1, 3}, {}, {}}};
    return object;
}

} // namespace

TEST(SceneObject, StartsEmptyAndTransformingNothingDoesNothing) {
    SceneObject object{"box"};
    EXPECT_EQ(object.name, "box");
    for (const Vector* v :
         {&object.scale, &object.rotation, &object.translation, &object.screenMin, &object.screenMax})
        expectZero(*v);
    EXPECT_TRUE(object.vertices.empty());
    EXPECT_TRUE(object.faces.empty());
    object.applyTransform();
    object.setColor({1, 0, 0});
    EXPECT_TRUE(object.vertices.empty());
    EXPECT_TRUE(object.faces.empty());
}

TEST(SceneObject, TransformMovesEveryVertexThenDerivesNormalsFromTheNewPositions) {
    SceneObject object = triangles();
    object.applyTransform();
    expectVectorNear(object.faces[0].normal, {0, 0, 1}); // (P - Q) x (P - R)
    expectVectorNear(object.faces[1].normal, {0, 0, -1});
    expectZero(object.faces[2].normal); // collinear corners

    // Scale 2 and a quarter turn about x: the face turns from +z to -y and its normal, being twice
    // the area, grows by 4. The last vertex is placed before any normal is formed.
    SceneObject turned = triangles();
    turned.scale = {2, 2, 2};
    turned.rotation = {90, 0, 0};
    turned.translation = {10, 20, 30};
    turned.applyTransform();
    expectVectorNear(turned.vertices[1], {12, 20, 30});
    expectVectorNear(turned.vertices[2], {10, 20, 32});
    expectVectorNear(turned.vertices[3], {14, 20, 30});
    expectVectorNear(turned.faces[0].normal, {0, -4, 0});
    expectZero(turned.faces[2].normal);

    // The fourth homogeneous component is never divided through.
    SceneObject point{""};
    point.scale = {1, 1, 1};
    point.translation = {4, 0, 0};
    point.vertices = {{1, 1, 1}};
    point.applyTransform();
    expectVectorNear(point.vertices[0], {5, 1, 1});
}

TEST(SceneObject, SecondTransformAppliesTheTransformAgain) {
    SceneObject object = triangles();
    object.translation = {10, 0, 0};
    object.applyTransform();
    object.applyTransform();
    expectVectorNear(object.vertices[1], {21, 0, 0});

    SceneObject spun = triangles();
    spun.rotation = {0, 0, 90};
    spun.applyTransform();
    spun.applyTransform();
    expectVectorNear(spun.vertices[1], {-1, 0, 0});
    expectVectorNear(spun.faces[0].normal, {0, 0, 1});
}

TEST(SceneObject, ColourAndTransformLeaveEachOthersResultsAlone) {
    SceneObject object = triangles();
    object.setColor({0, 0, 1});
    object.applyTransform();
    for (const Face& f : object.faces) expectVectorNear(f.color, {0, 0, 1});

    const std::vector<Vector> placed = object.vertices;
    object.setColor({1, 0, 0});
    for (const Face& f : object.faces) expectVectorNear(f.color, {1, 0, 0});
    expectVectorNear(object.faces[0].normal, {0, 0, 1});
    expectVectorNear(object.faces[1].normal, {0, 0, -1});
    ASSERT_EQ(object.vertices.size(), placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i) expectVectorNear(object.vertices[i], placed[i]);
    EXPECT_EQ(object.faces[1].vertexIndices[1], 2u);
}

TEST(SceneObject, FaceIndexCheckAcceptsOnlyIndicesBelowTheVertexCount) {
    SceneObject object = triangles();
    EXPECT_TRUE(hasValidFaceIndices(object));
    object.faces.push_back(Face{{0, 1, 4}, {}, {}});
    EXPECT_FALSE(hasValidFaceIndices(object));
    object.faces.back().vertexIndices[2] = 3;
    EXPECT_TRUE(hasValidFaceIndices(object));
    object.vertices.clear();
    EXPECT_FALSE(hasValidFaceIndices(object));
}
