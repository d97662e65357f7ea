#include "InstancedScene.h"

#include <algorithm>
#include <utility>

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

bool isClosedOutward(const SharedMesh& mesh) {
    const std::size_t vertexCount = mesh.positions.size() / 3;
    if (mesh.indices.empty() || mesh.indices.size() % 3 != 0) return false;
    for (std::uint32_t index : mesh.indices)
        if (index >= vertexCount) return false;
    // Vertices at one position are one vertex: meshes split them for normals.
    const auto position = [&](std::uint32_t v) {
        return std::array<float, 3>{mesh.positions[3 * v], mesh.positions[3 * v + 1],
                                    mesh.positions[3 * v + 2]};
    };
    std::vector<std::uint32_t> byPosition(vertexCount), weld(vertexCount);
    for (std::uint32_t v = 0; v < vertexCount; ++v) byPosition[v] = v;
    std::sort(byPosition.begin(), byPosition.end(),
              [&](std::uint32_t a, std::uint32_t b) { return position(a) < position(b); });
    for (std::size_t k = 0; k < vertexCount; ++k)
        weld[byPosition[k]] = k > 0 && position(byPosition[k]) == position(byPosition[k - 1])
                                  ? weld[byPosition[k - 1]]
                                  : byPosition[k];

    std::vector<std::pair<std::uint32_t, std::uint32_t>> edges;
    std::vector<std::uint32_t> piece(vertexCount);
    for (std::uint32_t v = 0; v < vertexCount; ++v) piece[v] = v;
    const auto root = [&](std::uint32_t v) {
        while (piece[v] != v) v = piece[v] = piece[piece[v]];
        return v;
    };
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3) {
        const std::uint32_t a = weld[mesh.indices[t]], b = weld[mesh.indices[t + 1]],
                            c = weld[mesh.indices[t + 2]];
        if (a == b || b == c || c == a) return false;
        edges.insert(edges.end(), {{a, b}, {b, c}, {c, a}});
        piece[root(b)] = root(a);
        piece[root(c)] = root(a);
    }
    std::sort(edges.begin(), edges.end());
    for (std::size_t e = 0; e < edges.size(); ++e) {
        if (e > 0 && edges[e] == edges[e - 1]) return false; // a third triangle on the edge, or a flipped one
        if (!std::binary_search(edges.begin(), edges.end(), std::make_pair(edges[e].second, edges[e].first)))
            return false; // an open edge, or neighbours that disagree on which side is out
    }

    // Six times each piece's signed volume, about the mesh's first vertex to keep the sums small.
    std::vector<double> volume(vertexCount, 0.0);
    const std::array<float, 3> origin = position(0);
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3) {
        double p[3][3];
        for (int k = 0; k < 3; ++k)
            for (int axis = 0; axis < 3; ++axis)
                p[k][axis] =
                    static_cast<double>(mesh.positions[3 * mesh.indices[t + k] + axis]) - origin[axis];
        volume[root(weld[mesh.indices[t]])] += p[0][0] * (p[1][1] * p[2][2] - p[1][2] * p[2][1]) -
                                               p[0][1] * (p[1][0] * p[2][2] - p[1][2] * p[2][0]) +
                                               p[0][2] * (p[1][0] * p[2][1] - p[1][1] * p[2][0]);
    }
    std::vector<bool> hasFaces(vertexCount, false); // an unused vertex is a piece of its own
    for (std::uint32_t index : mesh.indices) hasFaces[root(weld[index])] = true;
    for (std::uint32_t v = 0; v < vertexCount; ++v)
        if (hasFaces[v] && !(volume[v] > 0.0)) return false;
    return true;
}
