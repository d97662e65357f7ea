#pragma once
// What every culling method of the lab takes and returns. A method gets the scene's world-space
// geometry, the camera it culls for and the window's frustum as arguments; it never reads the
// viewer's globals itself (the hom adapter sets them, since the viewer's own functions read them).
// Window space as in OpenGL: x, y in pixels from the bottom-left of a side x side viewport, depth 0
// at the near plane and 1 at the far plane. Buffers are row-major, bottom row first.

#include "app/Cameras.h"
#include "app/Projection.h"
#include "mesh/SceneObject.h"

#include <cstdint>
#include <string>
#include <vector>

struct CullScene {
    const std::vector<SceneObject>* objects = nullptr;     // world-space vertices (after applyTransform)
    const std::vector<std::uint32_t>* occluders = nullptr; // indices into objects
    const std::vector<std::uint32_t>* occludees = nullptr; // indices into objects
    // Nonzero: a number from newSceneGeneration, promising that every scene passed with it holds the
    // same objects and lists, so a method may keep what it derived from them. 0: no promise.
    std::uint64_t generation = 0;
};

// A generation no scene has had before in this process.
std::uint64_t newSceneGeneration();

struct CullView {
    OrbitCamera camera; // the camera the pass culls for (the viewer's fake camera)
    Frustum frustum{};  // the window's projection: frustumFor(640, 640) in the lab
};

// One timed stage of a culling pass: wall-clock seconds, with glFinish on both sides of GL work.
struct StageCost {
    std::string name;
    double seconds = 0.0;
};

// A picture of one of a method's buffers: grey bytes, bottom row first, 255 = covered / nearest.
struct BufferPicture {
    std::string caption; // e.g. "map level 2, 16 x 16" or "depth pyramid level 0, 64 x 64"
    int side = 0;
    std::vector<std::uint8_t> grey; // side * side bytes
};

struct CullOutcome {
    std::vector<bool> culled;            // per occludee, in the order of CullScene::occludees
    std::vector<StageCost> stages;       // in the order the pass runs them
    std::uint32_t passedHom = 0;         // hom methods: occludees the map reported covered
    std::uint32_t passedDeb = 0;         // hom methods: of those, culled by the depth buffer
    std::vector<BufferPicture> pictures; // filled only when the caller asks for them
};

// Sum of the stages' seconds: the whole culling pass.
double passSeconds(const CullOutcome& outcome);

// Number of culled occludees.
std::uint32_t culledCount(const CullOutcome& outcome);
