#include "SceneModel.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace Scenes {

bool isEmpty(const Box& box) {
    return !(box.min.x <= box.max.x && box.min.y <= box.max.y && box.min.z <= box.max.z);
}

void extend(Box& box, const Float3& p) {
    box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
    box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
}

void extend(Box& box, const Box& other) {
    if (isEmpty(other)) return;
    extend(box, other.min);
    extend(box, other.max);
}

Float3 centre(const Box& box) {
    return {0.5f * (box.min.x + box.max.x), 0.5f * (box.min.y + box.max.y), 0.5f * (box.min.z + box.max.z)};
}

float diagonal(const Box& box) {
    if (isEmpty(box)) return 0.0f;
    const double dx = box.max.x - box.min.x, dy = box.max.y - box.min.y, dz = box.max.z - box.min.z;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

Transform translation(const Float3& offset) {
    Transform t;
    t.m[3] = offset.x;
    t.m[7] = offset.y;
    t.m[11] = offset.z;
    return t;
}

Transform compose(const Transform& a, const Transform& b) {
    Transform out;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = c == 3 ? a.m[4 * r + 3] : 0.0;
            for (int k = 0; k < 3; ++k) sum += static_cast<double>(a.m[4 * r + k]) * b.m[4 * k + c];
            out.m[4 * r + c] = static_cast<float>(sum);
        }
    }
    return out;
}

void apply(const Transform& t, const Float3& p, double out[3]) {
    for (int r = 0; r < 3; ++r)
        out[r] = static_cast<double>(t.m[4 * r]) * p.x + static_cast<double>(t.m[4 * r + 1]) * p.y +
                 static_cast<double>(t.m[4 * r + 2]) * p.z + static_cast<double>(t.m[4 * r + 3]);
}

Box transformedBox(const Transform& t, const Box& box) {
    Box out;
    if (isEmpty(box)) return out;
    for (int corner = 0; corner < 8; ++corner) {
        const Float3 p{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                       corner & 4 ? box.max.z : box.min.z};
        double w[3];
        apply(t, p, w);
        // Rounded outward, so that the float box never cuts off a double vertex.
        const Float3 lo{std::nextafter(static_cast<float>(w[0]), -INFINITY),
                        std::nextafter(static_cast<float>(w[1]), -INFINITY),
                        std::nextafter(static_cast<float>(w[2]), -INFINITY)};
        const Float3 hi{std::nextafter(static_cast<float>(w[0]), INFINITY),
                        std::nextafter(static_cast<float>(w[1]), INFINITY),
                        std::nextafter(static_cast<float>(w[2]), INFINITY)};
        const bool exact = static_cast<double>(static_cast<float>(w[0])) == w[0] &&
                           static_cast<double>(static_cast<float>(w[1])) == w[1] &&
                           static_cast<double>(static_cast<float>(w[2])) == w[2];
        if (exact) {
            extend(out, Float3{static_cast<float>(w[0]), static_cast<float>(w[1]), static_cast<float>(w[2])});
        } else {
            extend(out, lo);
            extend(out, hi);
        }
    }
    return out;
}

std::size_t triangleCount(const Mesh& mesh) { return mesh.indices.size() / 3; }

void computeBox(Mesh& mesh) {
    mesh.box = Box{};
    for (std::uint32_t index : mesh.indices) {
        assert(index < mesh.positions.size());
        extend(mesh.box, mesh.positions[index]);
    }
}

void addObject(SceneModel& scene, std::uint32_t mesh, const Transform& world, std::uint8_t role,
               std::string_view name) {
    assert(mesh < scene.meshes.size());
    SceneModelObject object;
    object.world = world;
    object.box = transformedBox(world, scene.meshes[mesh].box);
    object.mesh = mesh;
    object.name = static_cast<std::uint32_t>(scene.nameText.size());
    object.role = role;
    scene.nameText.append(name.data(), name.size());
    scene.nameText.push_back('\0');
    extend(scene.bounds, object.box);
    scene.objects.push_back(object);
}

std::string_view objectName(const SceneModel& scene, const SceneModelObject& object) {
    assert(object.name < scene.nameText.size());
    return std::string_view(scene.nameText.c_str() + object.name);
}

std::uint64_t placedTriangles(const SceneModel& scene) {
    std::uint64_t sum = 0;
    for (const SceneModelObject& object : scene.objects) sum += triangleCount(scene.meshes[object.mesh]);
    return sum;
}

bool occludes(const SceneModelObject& object) { return (object.role & Occludes) != 0; }
bool tested(const SceneModelObject& object) { return (object.role & Tested) != 0; }

} // namespace Scenes
