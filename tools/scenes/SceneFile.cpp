#include "SceneFile.h"

#include "SceneSources.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <map>

namespace Scenes {

namespace {

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

Transform fromAssimp(const aiMatrix4x4& a) {
    Transform t;
    const float rows[12] = {a.a1, a.a2, a.a3, a.a4, a.b1, a.b2, a.b3, a.b4, a.c1, a.c2, a.c3, a.c4};
    std::copy(rows, rows + 12, t.m);
    return t;
}

bool finiteBelow(const Float3& p, float limit) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::fabs(p.x) <= limit &&
           std::fabs(p.y) <= limit && std::fabs(p.z) <= limit;
}

// The triangles of the node's meshes as one model mesh; empty when they hold none.
Mesh combine(const aiScene& file, const aiNode& node) {
    Mesh mesh;
    mesh.name = node.mName.C_Str();
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        const aiMesh& part = *file.mMeshes[node.mMeshes[m]];
        const auto base = static_cast<std::uint32_t>(mesh.positions.size());
        for (unsigned v = 0; v < part.mNumVertices; ++v)
            mesh.positions.push_back({part.mVertices[v].x, part.mVertices[v].y, part.mVertices[v].z});
        for (unsigned f = 0; f < part.mNumFaces; ++f) {
            const aiFace& face = part.mFaces[f];
            if (face.mNumIndices != 3) continue;
            if (face.mIndices[0] >= part.mNumVertices || face.mIndices[1] >= part.mNumVertices ||
                face.mIndices[2] >= part.mNumVertices)
                continue;
            for (int k = 0; k < 3; ++k) mesh.indices.push_back(base + face.mIndices[k]);
        }
    }
    return mesh;
}

} // namespace

bool namedOccluder(std::string_view name) {
    static constexpr std::string_view prefix = "occluder";
    if (name.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i]) return false;
    return true;
}

void assignRoles(SceneModel& scene) {
    bool named = false;
    for (const SceneModelObject& object : scene.objects)
        named = named || namedOccluder(objectName(scene, object));
    const float big = occluderSizeShare * diagonal(scene.bounds);
    std::size_t largest = 0;
    bool anyBig = false;
    for (std::size_t i = 0; i < scene.objects.size(); ++i) {
        const SceneModelObject& object = scene.objects[i];
        if (diagonal(object.box) > diagonal(scene.objects[largest].box)) largest = i;
        anyBig = anyBig || diagonal(object.box) >= big;
    }
    for (std::size_t i = 0; i < scene.objects.size(); ++i) {
        SceneModelObject& object = scene.objects[i];
        const bool occluder = named ? namedOccluder(objectName(scene, object))
                                    : (anyBig ? diagonal(object.box) >= big : i == largest);
        object.role = static_cast<std::uint8_t>(Tested | (occluder ? Occludes : 0));
    }
}

bool loadSceneFile(const std::string& path, SceneModel& scene, std::string& error, const FileLimits& limits) {
    scene = SceneModel{};
    scene.source = path;
    const auto fail = [&](const std::string& reason) {
        error = path + ": " + oneLine(reason);
        scene = SceneModel{};
        return false;
    };
    {
        std::ifstream probe(path, std::ios::binary);
        if (!probe) return fail("cannot open it");
        char byte = 0;
        if (!probe.get(byte)) return fail("empty or unreadable");
    }

    // Points and lines are skipped below, face by face: left to assimp, a file of nothing else
    // would fail as a file it cannot read.
    Assimp::Importer importer;
    const aiScene* file = importer.ReadFile(path, aiProcess_Triangulate);
    if (!file || !file->mRootNode || (file->mFlags & AI_SCENE_FLAGS_INCOMPLETE))
        return fail(std::string("not a scene assimp can read: ") + importer.GetErrorString());

    // Depth first with an explicit stack: a file may nest nodes deeper than the call stack allows.
    struct Pending {
        const aiNode* node;
        Transform world;
    };
    std::vector<Pending> stack{{file->mRootNode, fromAssimp(file->mRootNode->mTransformation)}};
    std::map<std::vector<unsigned>, std::uint32_t> shared; // a node's mesh list -> model mesh
    std::uint64_t triangles = 0;
    while (!stack.empty()) {
        const Pending at = stack.back();
        stack.pop_back();
        for (unsigned c = at.node->mNumChildren; c-- > 0;) {
            const aiNode* child = at.node->mChildren[c];
            stack.push_back({child, compose(at.world, fromAssimp(child->mTransformation))});
        }
        if (at.node->mNumMeshes == 0) continue;
        const std::vector<unsigned> key(at.node->mMeshes, at.node->mMeshes + at.node->mNumMeshes);
        for (unsigned m : key)
            if (m >= file->mNumMeshes) return fail("a node names a mesh that does not exist");
        auto found = shared.find(key);
        if (found == shared.end()) {
            Mesh mesh = combine(*file, *at.node);
            if (mesh.indices.empty()) continue;
            for (std::uint32_t index : mesh.indices)
                if (!finiteBelow(mesh.positions[index], maxCoordinate))
                    return fail("a vertex of " + mesh.name + " is not finite or lies beyond 1e6 in size");
            computeBox(mesh);
            found = shared.emplace(key, static_cast<std::uint32_t>(scene.meshes.size())).first;
            scene.meshes.push_back(std::move(mesh));
        }
        if (scene.objects.size() >= limits.objects)
            return fail("more than " + std::to_string(limits.objects) + " objects");
        triangles += triangleCount(scene.meshes[found->second]);
        if (triangles > limits.triangles)
            return fail("more than " + std::to_string(limits.triangles) + " triangles");
        addObject(scene, found->second, at.world, Tested, at.node->mName.C_Str());
        const Box& box = scene.objects.back().box;
        if (!finiteBelow(box.min, maxCoordinate) || !finiteBelow(box.max, maxCoordinate))
            return fail("object " + std::string(at.node->mName.C_Str()) +
                        " is placed at non-finite coordinates or beyond 1e6");
    }
    if (scene.objects.empty()) return fail("no triangles");
    assignRoles(scene);
    return true;
}

} // namespace Scenes
