#pragma once
// An InstancedScene in GL buffers, drawn one mesh at a time with instancing. The vertex shader
// fetches each vertex from a storage buffer (world = local * scale + offset) and transforms it with
// the fixed-function model-view-projection matrix, so the same floats land on the same pixels and
// depths as glVertex would put them. Needs OpenGL 4.3 (storage buffers) in a compatibility context.
// Every draw leaves the program, vertex array, buffer bindings and frame buffer as it found them.

#include "InstancedScene.h"

#include <cstdint>
#include <string>
#include <vector>

struct GpuScene {
    unsigned vertexArray = 0;
    unsigned positions = 0;   // every mesh's vertices, one after the other
    unsigned indices = 0;     // every mesh's indices, one after the other
    unsigned placements = 0;  // per object
    unsigned staticLists = 0; // every object in order, then the occluders
    unsigned frameList = 0;   // the last list passed to drawList
    unsigned flags = 0;       // one bit per object
    std::vector<std::uint32_t> meshFirstVertex, meshFirstIndex, meshIndexCount;
    std::vector<MeshRun> allRuns, occluderRuns; // occluderRuns' first counts from the objects' end
    std::uint32_t objectCount = 0;
    std::size_t frameListCapacity = 0;
    std::size_t bytes = 0; // buffer storage held
};

// The shaders of the passes; once per context. False, with the log in `error`, when they do not
// build or the context lacks storage buffers.
bool buildGpuPrograms(std::string& error);
void releaseGpuPrograms();

// Uploads the scene. Asserts isWellFormed.
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

// Draws the listed objects (ascending indices keep runs long).
void drawList(GpuScene& gpu, GpuPass pass, const InstancedScene& scene,
              const std::vector<std::uint32_t>& list);

// Zeroes the per-object flags; reads them back as one bool per object.
void clearFlags(GpuScene& gpu);
std::vector<bool> readFlags(const GpuScene& gpu);
