#include "SceneSources.h"

#include "SceneFile.h"
#include "scene/Scene.h"

#include <algorithm>
#include <sstream>

namespace Scenes {

std::vector<SceneSource>& sceneSources() {
    static std::vector<SceneSource> sources = {
        {"grid", false,
         [](const std::string&, const LoadSettings& settings, SceneModel& scene, std::string& error) {
             return buildGridScene(settings.gridMesh, scene, error);
         }},
    };
    return sources;
}

std::optional<SceneRef> parseSceneRef(const std::string& text, std::string& error) {
    return parseSceneRef(text, sceneSources(), error);
}

bool loadScene(const SceneRef& ref, const LoadSettings& settings, SceneModel& scene, std::string& error) {
    scene = SceneModel{};
    if (ref.kind == SceneRef::Kind::File) return loadSceneFile(ref.path, scene, error);
    for (const SceneSource& source : sceneSources())
        if (source.name == ref.source) {
            scene.source = ref.argument.empty() ? ref.source : ref.source + ":" + ref.argument;
            return source.build(ref.argument, settings, scene, error);
        }
    error = "scene " + ref.source + ": no such source";
    return false;
}

bool buildGridScene(const std::string& meshPath, SceneModel& scene, std::string& error) {
    std::ostringstream messages;
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    buildScene(meshPath, messages);
    const bool empty = sceneObjects.empty() || sceneObjects.front().faces.empty();
    if (!empty) {
        // Every copy is object 0 moved by its grid offset (see scene/Scene.cpp), so object 0's
        // world-space vertices are the shared mesh.
        Mesh mesh;
        mesh.name = "cube";
        for (const Geometry::Vector& v : sceneObjects.front().vertices)
            mesh.positions.push_back(
                {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)});
        for (const Face& face : sceneObjects.front().faces)
            mesh.indices.insert(mesh.indices.end(), std::begin(face.vertexIndices),
                                std::end(face.vertexIndices));
        computeBox(mesh);
        scene.meshes.push_back(std::move(mesh));
        scene.source = "grid";
        scene.orbitOfGrid = true;
        for (std::size_t n = 0; n < sceneObjects.size(); ++n) {
            const int i = static_cast<int>(n) / (gridSize * gridSize),
                      j = static_cast<int>(n) / gridSize % gridSize, k = static_cast<int>(n) % gridSize;
            const auto index = static_cast<std::uint32_t>(n);
            const bool occluder = std::binary_search(occluderIndices.begin(), occluderIndices.end(), index);
            const Float3 offset{static_cast<float>(gridSpacing * i), static_cast<float>(gridSpacing * j),
                                static_cast<float>(gridSpacing * k)};
            addObject(scene, 0, translation(offset), occluder ? Occludes : Tested, sceneObjects[n].name);
        }
    }
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    if (empty) {
        std::string reason = messages.str();
        reason.erase(std::remove(reason.begin(), reason.end(), '\n'), reason.end());
        error = "scene grid: " + meshPath + ": no triangles" + (reason.empty() ? "" : " (" + reason + ")");
        return false;
    }
    return true;
}

} // namespace Scenes
