// Feeds arbitrary bytes to the .geo reader. A failed read must leave the target exactly as it was;
// a successful one must give faces that address existing vertices and carry nothing but indices,
// and the object must then survive colouring and the transform into world space.
#include "ObjectText.h"
#include "mesh/GeoReader.h"

#include <cstdint>
#include <cstdlib>

static void check(bool condition) {
    if (!condition) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneObject known{"known"};
    known.scale = known.rotation = known.translation = known.screenMin = {1, 2, 3};
    known.vertices = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    known.faces = {Face{{0, 1, 2}, {0.5, 0.5, 0.5}, {0.25, 0.25, 0.25}}};
    SceneObject object = known;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    in >> object;
    if (in.fail()) {
        check(objectText(object) == objectText(known));
        return 0;
    }
    check(object.screenMin.x == 0 && object.screenMin.y == 0 && object.screenMin.z == 0);
    for (const Face& face : object.faces) {
        for (std::uint32_t index : face.vertexIndices) check(index < object.vertices.size());
        check(face.normal.x == 0 && face.normal.y == 0 && face.normal.z == 0 && face.color.x == 0);
    }
    object.setColor({1, 0, 0});
    object.applyTransform();
    return 0;
}
