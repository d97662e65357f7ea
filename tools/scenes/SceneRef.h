#pragma once
// Scene names: "grid" (the viewer's 1000 cubes), "NAME:ARGUMENT" for a generated source registered
// under NAME, or else the path of a scene file. Plain text handling, no files read.

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

struct SceneRef {
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

// None, with the reason, for an empty name, a known source without its argument or a source
// that takes none followed by one. Anything that names no source is a file path.
std::optional<SceneRef> parseSceneRef(const std::string& text, const std::vector<SceneSource>& sources,
                                      std::string& error);

} // namespace Scenes
