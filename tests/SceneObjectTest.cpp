// Scene objects: the transform into world space with its face normals, colouring, the index check.
#include "mesh/SceneObject.h"
#include "TestSupport.h"

// Catches a normal of the wrong sign or formed before the move, a divide by w, a second transform
// that is skipped, colouring that touches the geometry, and an index check that accepts the count.
TEST(SceneObject, TransformMovesVerticesThenDerivesNormalsAndColourTouchesNothingElse) {
    // A triangle counter-clockwise seen from +z, the same reversed, and three collinear points.
    SceneObject object{"tri"};
    object.scale = {1, 1, 1};
    object.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}};
    object.faces = {Face{{0, 1, 2}, {}, {}}, Face{{0, 2, 1}, {}, {}}, Face{{0, 1, 3}, {}, {}}};
    SceneObject turned = object;
    object.applyTransform();
    expectVectorNear(object.faces[0].normal, {0, 0, 1}); // (P - Q) x (P - R)
    expectVectorNear(object.faces[1].normal, {0, 0, -1});
    expectVectorNear(object.faces[2].normal, {0, 0, 0});
    object.setColor({1, 0, 0});
    for (const Face& f : object.faces) expectVectorNear(f.color, {1, 0, 0});
    expectVectorNear(object.faces[1].normal, {0, 0, -1});
    EXPECT_EQ(object.faces[1].vertexIndices[1], 2u);
    EXPECT_TRUE(hasValidFaceIndices(object));
    object.faces.push_back(Face{{0, 1, 4}, {}, {}});
    EXPECT_FALSE(hasValidFaceIndices(object));

    // Scale 2 and a quarter turn about x: the face turns from +z to -y and its normal, twice the
    // area, grows by 4. A second transform applies it again.
    turned.scale = {2, 2, 2};
    turned.rotation = {90, 0, 0};
    turned.translation = {10, 20, 30};
    turned.applyTransform();
    expectVectorNear(turned.vertices[2], {10, 20, 32});
    expectVectorNear(turned.vertices[3], {14, 20, 30});
    expectVectorNear(turned.faces[0].normal, {0, -4, 0});
    turned.applyTransform();
    expectVectorNear(turned.vertices[3], {38, -40, 70});
}
