#include "InstancedScene.h"

std::vector<MeshRun> meshRuns(const InstancedScene& scene, const std::vector<std::uint32_t>& list) {
    std::vector<MeshRun> runs;
    for (std::uint32_t i = 0; i < list.size(); ++i) {
        const std::uint32_t mesh = scene.objects[list[i]].mesh;
        if (runs.empty() || runs.back().mesh != mesh) runs.push_back({mesh, i, 0});
        ++runs.back().count;
    }
    return runs;
}

InstancedScene instancedFromObjects(const std::vector<SceneObject>& objects,
                                    const std::vector<std::uint32_t>& occluders) {
    InstancedScene scene;
    scene.meshes.resize(objects.size());
    scene.objects.resize(objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        SharedMesh& mesh = scene.meshes[i];
        for (const Geometry::Vector& v : objects[i].vertices) {
            mesh.positions.push_back(static_cast<float>(v.x));
            mesh.positions.push_back(static_cast<float>(v.y));
            mesh.positions.push_back(static_cast<float>(v.z));
        }
        for (const Face& face : objects[i].faces)
            for (std::uint32_t index : face.vertexIndices) mesh.indices.push_back(index);
        scene.objects[i].mesh = static_cast<std::uint32_t>(i);
    }
    scene.occluders = occluders;
    return scene;
}

bool isWellFormed(const InstancedScene& scene) {
    for (const SharedMesh& mesh : scene.meshes) {
        if (mesh.positions.size() % 3 != 0 || mesh.indices.size() % 3 != 0) return false;
        for (std::uint32_t index : mesh.indices)
            if (index >= mesh.positions.size() / 3) return false;
    }
    for (const Placement& p : scene.objects)
        if (p.mesh >= scene.meshes.size()) return false;
    for (std::uint32_t index : scene.occluders)
        if (index >= scene.objects.size()) return false;
    return true;
}
