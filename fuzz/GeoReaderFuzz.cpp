// Feeds arbitrary bytes to the .geo reader. A failed read must leave the target exactly as it was;
// a successful one must give faces that address existing vertices and carry nothing but indices,
// and the object must then survive colouring and the transform into world space.
#include "mesh/GeoReader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

SceneObject knownObject() {
    SceneObject object{"known"};
    object.scale = {1, 2, 3};
    object.rotation = {4, 5, 6};
    object.translation = {7, 8, 9};
    object.vertices = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Face face;
    face.vertexIndices[1] = 1;
    face.vertexIndices[2] = 2;
    face.normal = {0.5, 0.5, 0.5};
    face.color = {0.25, 0.25, 0.25};
    object.faces = {face};
    object.screenMin = {-1, -1, -1};
    object.screenMax = {2, 2, 2};
    return object;
}

bool same(const Geometry::Vector& a, const Geometry::Vector& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool same(const SceneObject& a, const SceneObject& b) {
    if (a.name != b.name || !same(a.scale, b.scale) || !same(a.rotation, b.rotation) ||
        !same(a.translation, b.translation) || !same(a.screenMin, b.screenMin) ||
        !same(a.screenMax, b.screenMax) || a.vertices.size() != b.vertices.size() ||
        a.faces.size() != b.faces.size())
        return false;
    for (std::size_t i = 0; i < a.vertices.size(); ++i)
        if (!same(a.vertices[i], b.vertices[i])) return false;
    for (std::size_t i = 0; i < a.faces.size(); ++i) {
        const Face &f = a.faces[i], &g = b.faces[i];
        for (int k = 0; k < 3; ++k)
            if (f.vertexIndices[k] != g.vertexIndices[k]) return false;
        if (!same(f.normal, g.normal) || !same(f.color, g.color)) return false;
    }
    return true;
}

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    SceneObject object = knownObject();
    in >> object;
    if (in.fail()) {
        check(same(object, knownObject()));
        return 0;
    }
    const Geometry::Vector zero{};
    check(same(object.screenMin, zero) && same(object.screenMax, zero));
    for (const Face& face : object.faces) {
        for (std::uint32_t index : face.vertexIndices) check(index < object.vertices.size());
        check(same(face.normal, zero) && same(face.color, zero));
    }
    object.setColor({1, 0, 0});
    object.applyTransform();
    for (const Face& face : object.faces) check(same(face.color, {1, 0, 0}));
    return 0;
}
