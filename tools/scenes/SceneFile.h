#pragma once
// Scene files, read with the Open Asset Import Library: whatever it reads (Wavefront OBJ, glTF 2.0,
// ...). Every node instance with triangles is one object (an OBJ "o" or "g" group is one); nodes
// placing the same meshes share one model mesh. Points and lines are dropped, polygons split into
// triangles.
//
// Roles: every object is tested. An object occludes when its name starts with "occluder" (any
// letter case). When no name does, the size rule picks the occluders: every object whose box
// diagonal is at least occluderSizeShare of the scene's, or the largest one if none is that big.

#include "SceneModel.h"
#include "SceneRef.h"

#include <string>

namespace Scenes {

constexpr float occluderSizeShare = 0.125f;

struct FileLimits {
    std::size_t objects = maxFileObjects;
    std::uint64_t triangles = maxFileTriangles;
};

// Fills an empty model from the file; false with one line naming the file in `error` for a file
// that is missing, unreadable or malformed, holds no triangles, has non-finite coordinates or ones
// beyond maxCoordinate, or more objects or triangles than the limits.
bool loadSceneFile(const std::string& path, SceneModel& scene, std::string& error,
                   const FileLimits& limits = FileLimits{});

// True when `name` starts with "occluder", in any letter case.
bool namedOccluder(std::string_view name);

// Sets every object's role: tested, and occluding by name or else by the size rule above.
void assignRoles(SceneModel& scene);

} // namespace Scenes
