#pragma once
// The scene model of the lab and the explorer (the viewer keeps its own): meshes shared between
// objects, and per object a world transform, its world-space box and its role. Right-handed world
// coordinates with y up, in the file's units. Positions are floats: a scene of a million objects
// must fit in memory, and every source's coordinates are checked finite and below maxCoordinate.
//
// Memory per object, beyond its shared mesh: sizeof(SceneModelObject) (84 bytes) plus its name's
// characters and a terminating zero in SceneModel::nameText.

#include "geometry/Vector.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Scenes {

struct Float3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Axis-aligned; empty while min > max on any axis (the default).
struct Box {
    Float3 min{1e30f, 1e30f, 1e30f};
    Float3 max{-1e30f, -1e30f, -1e30f};
};

bool isEmpty(const Box& box);
void extend(Box& box, const Float3& point);
void extend(Box& box, const Box& other);
Float3 centre(const Box& box);
float diagonal(const Box& box); // 0 for an empty box

// Affine, row-major 3 x 4: world = linear * model + translation, m[4r + 3] holding translation r.
struct Transform {
    float m[12] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
};

Transform translation(const Float3& offset);
// a * b: b applied first.
Transform compose(const Transform& a, const Transform& b);
// Evaluated in double, so that a float translation of float vertices is exact where it can be.
void apply(const Transform& t, const Float3& p, double out[3]);
// The box of the transformed corners of `box` (tight for a pure translation, never too small).
Box transformedBox(const Transform& t, const Box& box);

// A triangle mesh in its own (model) space, shared by every object that places it.
struct Mesh {
    std::string name;
    std::vector<Float3> positions;
    std::vector<std::uint32_t> indices; // three per triangle, each < positions.size()
    Box box;                            // of the positions the triangles use
};

std::size_t triangleCount(const Mesh& mesh);
// Recomputes mesh.box from the positions its triangles address.
void computeBox(Mesh& mesh);

// What an object does in the culling: an occluder is drawn into the occluders' buffers; a tested
// object gets a decision from every method and may be culled. The grid's wall cubes occlude but
// are never tested; a scene file's occluders are both.
enum RoleFlags : std::uint8_t { Occludes = 1, Tested = 2 };

struct SceneModelObject {
    Transform world;            // model to world
    Box box;                    // world space: transformedBox(world, mesh box)
    std::uint32_t mesh = 0;     // index into SceneModel::meshes
    std::uint32_t name = 0;     // offset into SceneModel::nameText
    std::uint8_t role = Tested; // RoleFlags
};

// A viewpoint a generated scene comes with: the eye and the view direction (up is +y).
struct SourceView {
    Geometry::Vector eye;
    Geometry::Vector direction;
};

struct SceneModel {
    std::string source; // what it was built from: "grid", "NAME:ARGUMENT" or the file path
    std::vector<Mesh> meshes;
    std::vector<SceneModelObject> objects;
    std::string nameText;     // the objects' names, each followed by '\0'
    Box bounds;               // of every object's box
    bool orbitOfGrid = false; // the viewer's own cameras and projection apply
    // A generated scene's own viewpoints and near plane, used where the user gives none; empty
    // and 0 for the orbit and the fitted near plane.
    std::vector<SourceView> views;
    double nearPlane = 0.0;
};

// Appends an object placing `mesh` at `world` with `role`; fills its box and extends the bounds.
void addObject(SceneModel& scene, std::uint32_t mesh, const Transform& world, std::uint8_t role,
               std::string_view name);

std::string_view objectName(const SceneModel& scene, const SceneModelObject& object);

// Triangles drawn per frame with every object: each object counts its mesh's triangles.
std::uint64_t placedTriangles(const SceneModel& scene);

bool occludes(const SceneModelObject& object);
bool tested(const SceneModelObject& object);

} // namespace Scenes
