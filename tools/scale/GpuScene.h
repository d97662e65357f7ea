#pragma once
// An InstancedScene in GL buffers: every object's vertices placed in world space once, at upload
// (local * scale + offset in float, the same sum whatever draws it), each vertex carrying its
// object's index, and the objects' triangles one after the other in index order. A draw is one
// call per stretch of consecutive objects, so equal depths resolve as in a one-by-one draw, and the
// fixed-function model-view-projection matrix transforms the same floats to the same pixels and
// depths as glVertex would. Storage: 16 bytes a vertex and 4 an index, in the GL's memory.
// Needs OpenGL 4.3 (storage buffers for the flags) in a compatibility context. Every draw leaves the
// program, vertex array and buffer bindings as it found them.

#include "InstancedScene.h"

#include <cstdint>
#include <string>
#include <vector>

struct GpuScene {
    unsigned vertexArray = 0;
    unsigned vertices = 0;                 // x, y, z as floats and the object index, per vertex
    unsigned indices = 0;                  // every object's triangles in object order
    unsigned flags = 0;                    // one bit per object
    std::vector<std::uint32_t> firstIndex; // per object, and the total at the end
    std::vector<std::uint32_t> occluders;
    std::vector<bool> closed; // per object: its mesh isClosedOutward, placed without a mirror
    std::uint32_t objectCount = 0;
    std::size_t bytes = 0; // buffer storage held
    // Scratch of drawList, kept between calls.
    std::vector<int> counts;
    std::vector<const void*> offsets;
};

// The shaders of the passes; once per context. False, with the log in `error`, when they do not
// build or the context lacks storage buffers.
bool buildGpuPrograms(std::string& error);
void releaseGpuPrograms();

// Uploads the scene. Asserts isWellFormed.
// Asserts isWellFormed and at most 2^32 - 1 vertices and indices in all.
void uploadGpuScene(const InstancedScene& scene, GpuScene& gpu);
void releaseGpuScene(GpuScene& gpu);

enum class GpuPass {
    depth,  // depth only: no colour, no side effects
    flags,  // early depth test; every object with a passing sample sets its bit in gpu.flags
    ids,    // the object's ID colour (IdColours.h)
    shaded, // a flat grey lit from the eye, for timing the frame's drawing
};

// Draws every object (or only the occluders) with the current matrices, viewport, frame buffer and
// depth state.
void drawAll(GpuScene& gpu, GpuPass pass, bool occludersOnly);

// Draws the listed objects, ascending. Up to `bridge` unlisted objects between two listed ones are
// drawn too, to save a draw call: for passes where an extra object cannot change the outcome. When
// `along` is given, only the objects it marks are drawn along (say those off the view, which cost no
// pixels); a big object drawn along costs more than the draw call it saves. When `cull` is given,
// the objects it marks are drawn with their back faces culled and the others without, still in
// list order; face culling is left off.
void drawList(GpuScene& gpu, GpuPass pass, const std::vector<std::uint32_t>& list, std::uint32_t bridge = 0,
              const std::vector<bool>* along = nullptr, const std::vector<bool>* cull = nullptr);

// Zeroes the per-object flags; reads them back as one bool per object.
void clearFlags(GpuScene& gpu);
std::vector<bool> readFlags(const GpuScene& gpu);
