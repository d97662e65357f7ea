#include "mesh/SceneObject.h"

#include "geometry/Transforms.h"

#include <cassert>

using Geometry::Vector;

void SceneObject::setColor(const Vector& rgb) {
    for (Face& face : faces) face.color = rgb;
}

void SceneObject::applyTransform() {
    assert(hasValidFaceIndices(*this));
    const Geometry::Matrix m = Geometry::transpose(Geometry::modelMatrix(translation, scale, rotation));
    for (Vector& v : vertices) {
        const Geometry::Vector4 p = m * Geometry::Vector4{v.x, v.y, v.z, 1.0};
        v = {p.x, p.y, p.z};
    }
    // All vertices are placed before the first normal so each normal sees world coordinates.
    for (Face& face : faces) {
        const Vector& p = vertices[face.vertexIndices[0]];
        const Vector& q = vertices[face.vertexIndices[1]];
        const Vector& r = vertices[face.vertexIndices[2]];
        face.normal = Geometry::cross(p - q, p - r);
    }
}

bool hasValidFaceIndices(const SceneObject& object) {
    const std::size_t count = object.vertices.size();
    for (const Face& face : object.faces)
        for (std::uint32_t index : face.vertexIndices)
            if (index >= count) return false;
    return true;
}
