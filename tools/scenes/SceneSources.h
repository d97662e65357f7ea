#pragma once
// Where a scene comes from. A scene SPEC is "grid" (the viewer's 1000 cubes), "NAME:ARGUMENT" for a
// generated source registered under NAME, or else the path of a scene file. Every failure comes
// back as one line naming the spec (and the file) in `error`; nothing is thrown.

#include "SceneModel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Scenes {

// A file may place at most this many objects and triangles (objects times their meshes'
// triangles), and no coordinate of a vertex in world space may exceed maxCoordinate in size: the
// lab keeps a drawable world-space copy of every object, and float depth beyond that is noise.
constexpr std::size_t maxFileObjects = 200000;
constexpr std::uint64_t maxFileTriangles = 4000000;
constexpr float maxCoordinate = 1e6f;

struct SceneSpec {
    enum class Kind { Source, File } kind = Kind::Source;
    std::string source;   // the generated source's name (Kind::Source)
    std::string argument; // after "NAME:", empty for "grid"
    std::string path;     // Kind::File
};

struct LoadSettings {
    std::string gridMesh = "data/cube.geo"; // the .geo mesh the grid copies
};

struct SceneSource {
    std::string name;
    bool needsArgument = false;
    // Fills an empty model, or returns false with a one-line reason.
    std::function<bool(const std::string& argument, const LoadSettings&, SceneModel&, std::string& error)>
        build;
};

// The generated sources, "grid" first.
std::vector<SceneSource>& sceneSources();

// None, with the reason, for an empty spec, a known source without its argument or a bare source
// name followed by an argument it does not take.
std::optional<SceneSpec> parseSceneSpec(const std::string& text, std::string& error);

// Builds the scene the spec names; false with a one-line reason.
bool loadScene(const SceneSpec& spec, const LoadSettings& settings, SceneModel& scene, std::string& error);

// The grid of scene/Scene.h, built by the viewer's own code from `meshPath`: one shared mesh, 1000
// translated copies, the wall cubes occluding and untested, the others tested. Leaves the viewer's
// scene lists empty.
bool buildGridScene(const std::string& meshPath, SceneModel& scene, std::string& error);

} // namespace Scenes
