#pragma once
// One drawable object: a named triangle mesh, the scale/rotation/translation that place it, and the
// projected screen rectangle the culling tests work with. Vertices are transformed into world space
// once, in place, by applyTransform; afterwards the object is drawn without any model matrix.

#include "geometry/Vector.h"

#include <cstdint>
#include <string>
#include <vector>

struct Face {
    std::uint32_t vertexIndices[3] = {0, 0, 0}; // positions in the owner's vertices, drawing order
    Geometry::Vector normal;                     // (P - Q) x (P - R): not unit length
    Geometry::Vector color;                      // red, green, blue in [0, 1]
};

struct SceneObject {
    std::string name;
    Geometry::Vector scale;
    Geometry::Vector rotation;    // degrees about x, y, z
    Geometry::Vector translation;
    std::vector<Geometry::Vector> vertices;
    std::vector<Face> faces;      // invariant: every vertex index < vertices.size()
    Geometry::Vector screenMin;   // written by the overlap test each frame: window x, y, depth
    Geometry::Vector screenMax;

    explicit SceneObject(std::string objectName = {}) : name(std::move(objectName)) {}

    // Sets the colour of every face; vertices, indices and normals are untouched.
    void setColor(const Geometry::Vector& rgb);

    // Transforms every vertex by T * Rz * Ry * Rx * S built from the members, then recomputes
    // every face normal from the new vertices. A second call transforms again.
    void applyTransform();
};

// True when every face index addresses an existing vertex.
bool hasValidFaceIndices(const SceneObject& object);
