#pragma once
// The scene's faces in one GL buffer object, built once (the scene never moves), drawn a list of
// objects at a time. Per face corner: its position, its face's normal and its face's colour, each
// the float that glVertex3dv, glNormal3dv and glColor3d hand the GL, corners in drawing order. So a
// draw from here gives the pixels drawMesh gives, at a fraction of the calls. Objects lie one after
// the other in scene order. Needs buffer objects (OpenGL 1.5).

#include "mesh/SceneObject.h"

#include <cstdint>
#include <vector>

constexpr int meshArraysStride = 9; // floats a corner: x y z, nx ny nz, r g b

struct FlatFaces {
    std::vector<float> corners;      // meshArraysStride floats a corner
    std::vector<std::int32_t> first; // per object its first corner, and the total at the end
};

// Asserts hasValidFaceIndices for every object. All empty, `first` too, when the scene has more
// corners than a GL draw can address.
FlatFaces flattenFaces(const std::vector<SceneObject>& objects);

// The listed objects as draw ranges over `first` (as in FlatFaces), in list order, an object that
// follows the previous one in the buffer joining its range. Out-of-range and empty objects are
// left out. Reuses the outputs' storage.
void drawRanges(const std::vector<std::int32_t>& first, const std::vector<std::uint32_t>& indices,
                std::vector<std::int32_t>& starts, std::vector<std::int32_t>& counts);

struct MeshArrays {
    unsigned buffer = 0;                      // 0: not uploaded
    std::vector<std::int32_t> first;          // as in FlatFaces
    std::vector<std::int32_t> starts, counts; // scratch of drawMeshArrays
};

// GL: uploads the scene; false (and nothing held) when the GL lacks buffer objects or the memory.
bool uploadMeshArrays(const std::vector<SceneObject>& objects, MeshArrays& arrays);

void releaseMeshArrays(MeshArrays& arrays);

// GL: draws the listed objects' triangles in list order with the current state. With `colour`,
// every face in that colour instead of its own (and without normals: for unlit drawing). Leaves
// the client arrays disabled and no buffer bound; the current colour and normal are unspecified
// afterwards, as after any array draw. Asserts the arrays are uploaded.
void drawMeshArrays(MeshArrays& arrays, const std::vector<std::uint32_t>& indices,
                    const Geometry::Vector* colour = nullptr);
