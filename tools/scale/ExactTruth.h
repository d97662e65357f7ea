#pragma once
// Both truths of a viewpoint for every object in a few full-scene draws: the occluders' depth, then
// every object once more with the depth test GL_LEQUAL, pulled four depth steps nearer, and no depth
// writes, each object whose sample passes setting its flag (so an occluder never hides itself, as
// the query-per-object truth of methods/OccluderTruth.h decides); and the whole scene in ID colours
// with GL_LESS, read back and counted. Only objects that can change a result are drawn: an object
// without a flag lies behind an occluder at every pixel, so it changes no ID pixel; an object with
// an ID pixel lies nearest there, so its flag is known without drawing it. Which of the two comes
// first depends on what the box tests leave. Renders off-screen at side x side through the view's
// frustum; restores every GL attribute, both matrices and the frame buffer bindings.

#include "BoxHierarchy.h"
#include "GpuScene.h"
#include "IdColours.h"
#include "methods/CullMethod.h"

#include <cstdint>
#include <vector>

struct TruthTarget {
    unsigned framebuffer = 0;
    unsigned colour = 0;  // RGBA8
    unsigned depth = 0;   // 24-bit depth, as the occluder-only truth's depth target
    unsigned idDepth = 0; // the window's depth format, as the ID frame drawn into the window had it
    int side = 0;
    std::vector<std::uint8_t> frame; // the last ID frame, RGBA, bottom row first
    // Scratch of the box tests.
    std::vector<float> occluderDepth;
    DepthPyramid pyramid;
    std::vector<bool> boxHidden;
    std::vector<std::uint32_t> drawn;
    std::vector<std::uint32_t> unsettled; // the second pass's objects
    std::vector<bool> along;              // objects a draw may take along (off the view)
    std::vector<bool> cull;               // objects drawn without their back faces
};

// The objects' world boxes and a hierarchy over them. Given to the truth, every box wholly behind
// the occluders' depth (by more than the flag pass's four steps and any rounding) is settled as
// hidden without drawing its object: no sample of it could pass.
struct TruthBoxes {
    const BoxHierarchy* hierarchy = nullptr;
    const std::vector<Box>* boxes = nullptr; // per object
};

struct ExactTruth {
    IdCoverage coverage;           // per object, the pixels showing it in the full scene
    std::vector<bool> passed;      // per object: a sample passed the occluders' depth
    std::vector<StageCost> stages; // "occluders", "flags", "ids", "read back"
};

// `inView`, when given: every object that may draw a pixel from the view, ascending (for instance
// frustumCandidates); the others are known to pass no sample and show no pixel, and are not drawn.
// `boxes`, when given, adds the stage "box tests" after "occluders", and the ID frame ("ids", "read
// back") is then drawn before the flags of the objects it does not show ("flags"). Objects whose
// back faces can decide nothing (closed, seen from outside, apart from all others) are then drawn
// without them: half the fragments on a scene of solid boxes. Without `timeStages`, no stage is
// timed and nothing waits between stages but the read-backs: the same truth, sooner.
ExactTruth takeExactTruth(GpuScene& gpu, TruthTarget& target, const CullView& view, int side,
                          const std::vector<std::uint32_t>* inView = nullptr,
                          const TruthBoxes* boxes = nullptr, bool timeStages = true);
void releaseTruthTarget(TruthTarget& target);
