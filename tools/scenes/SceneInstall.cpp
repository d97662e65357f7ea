#include "SceneInstall.h"

#include "scene/Scene.h"

namespace Scenes {

bool installsLean(const SceneModel& scene) { return scene.objects.size() > leanObjectCount; }

std::vector<std::uint32_t> installScene(const SceneModel& scene) {
    const bool lean = installsLean(scene);
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    visibleIndices.clear();
    std::vector<std::uint32_t> untested;
    sceneObjects.reserve(scene.objects.size());
    for (std::size_t n = 0; n < scene.objects.size(); ++n) {
        const SceneModelObject& object = scene.objects[n];
        const Mesh& mesh = scene.meshes[object.mesh];
        const bool boxOnly = lean && !occludes(object);
        SceneObject out{boxOnly ? std::string() : std::string(objectName(scene, object))};
        out.scale = {1.0, 1.0, 1.0};
        out.vertices.reserve(boxOnly ? 8 : 8 + mesh.positions.size());
        for (int corner = 0; corner < 8; ++corner)
            out.vertices.push_back({corner & 1 ? object.box.max.x : object.box.min.x,
                                    corner & 2 ? object.box.max.y : object.box.min.y,
                                    corner & 4 ? object.box.max.z : object.box.min.z});
        const auto index = static_cast<std::uint32_t>(n);
        if (occludes(object)) occluderIndices.push_back(index);
        (tested(object) ? occludeeIndices : untested).push_back(index);
        if (boxOnly) {
            sceneObjects.push_back(std::move(out));
            continue;
        }
        for (const Float3& p : mesh.positions) {
            double w[3];
            apply(object.world, p, w);
            out.vertices.push_back({w[0], w[1], w[2]});
        }
        const Geometry::Vector colour = occludes(object) ? occluderColor : occludeeColor;
        out.faces.reserve(triangleCount(mesh));
        for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            Face face;
            for (int k = 0; k < 3; ++k)
                face.vertexIndices[k] = 8 + mesh.indices[t + static_cast<std::size_t>(k)];
            const Geometry::Vector& p = out.vertices[face.vertexIndices[0]];
            const Geometry::Vector& q = out.vertices[face.vertexIndices[1]];
            const Geometry::Vector& r = out.vertices[face.vertexIndices[2]];
            face.normal = Geometry::cross(p - q, p - r); // as SceneObject::applyTransform makes it
            face.color = colour;
            out.faces.push_back(face);
        }
        sceneObjects.push_back(std::move(out));
    }
    return untested;
}

} // namespace Scenes
