#pragma once
// A scene as the GPU draws it: a few shared meshes and, per object, one mesh placed by a per-axis
// scale and an offset (world = local * scale + offset, in float). Objects that carry their own
// world-space vertices get a mesh of their own with scale 1 and offset 0, which leaves the floats
// exactly as a glVertex call would pass them. Objects are drawn in index order, a run of
// consecutive objects sharing one mesh at a time, so equal depths resolve as in a one-by-one draw.

#include "mesh/SceneObject.h"

#include <array>
#include <cstdint>
#include <vector>

struct SharedMesh {
    std::vector<float> positions;       // x, y, z per vertex, local space
    std::vector<std::uint32_t> indices; // triangles, every index < positions.size() / 3
};

// 32 bytes, laid out as the vertex shader reads it.
struct Placement {
    std::array<float, 3> offset{0.0f, 0.0f, 0.0f};
    std::array<float, 3> scale{1.0f, 1.0f, 1.0f};
    std::uint32_t mesh = 0;
    std::uint32_t unused = 0;
};
static_assert(sizeof(Placement) == 32, "Placement mirrors a 32-byte std430 struct");

struct InstancedScene {
    std::vector<SharedMesh> meshes;
    std::vector<Placement> objects;
    std::vector<std::uint32_t> occluders; // ascending object indices
};

// A run of consecutive entries of an object list that use one mesh.
struct MeshRun {
    std::uint32_t mesh = 0;
    std::uint32_t first = 0; // position in the list
    std::uint32_t count = 0;
};

// The list cut into runs of one mesh each, in list order.
std::vector<MeshRun> meshRuns(const InstancedScene& scene, const std::vector<std::uint32_t>& list);

// Every object with its own world-space vertices (each vertex rounded to float, as GL does).
InstancedScene instancedFromObjects(const std::vector<SceneObject>& objects,
                                    const std::vector<std::uint32_t>& occluders);

// True when the mesh's triangles enclose space with every face turned outwards (counter-clockwise
// seen from outside): welded by position, each edge is shared by exactly two triangles that run it
// in opposite directions, none is degenerate, and every connected piece has a positive volume.
// Seen from outside such a mesh, every sample a back face covers is covered by a nearer front face.
bool isClosedOutward(const SharedMesh& mesh);

// False when a placement names a missing mesh, an index leaves its mesh, or an occluder index is
// out of range: the GPU would read outside its buffers.
bool isWellFormed(const InstancedScene& scene);
