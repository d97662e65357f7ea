#pragma once
// Both truths of a viewpoint for every object in a few full-scene draws: the occluders' depth, then
// every object once more with the depth test GL_LEQUAL, pulled four depth steps nearer, and no depth
// writes, each object whose sample passes setting its flag (so an occluder never hides itself, as
// the query-per-object truth of methods/OccluderTruth.h decides); then the whole scene in ID
// colours with GL_LESS, read back and counted, leaving out the objects without a flag (they lie
// behind an occluder at every pixel, so they change none). Renders off-screen at side x side through the
// view's frustum; restores every GL attribute, both matrices and the frame buffer bindings.

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
};

struct ExactTruth {
    IdCoverage coverage;           // per object, the pixels showing it in the full scene
    std::vector<bool> passed;      // per object: a sample passed the occluders' depth
    std::vector<StageCost> stages; // "occluders", "flags", "ids", "read back"
};

// `inView`, when given: every object that may draw a pixel from the view, ascending (for instance
// frustumCandidates); the others are known to pass no sample and show no pixel, and are not drawn.
ExactTruth takeExactTruth(GpuScene& gpu, TruthTarget& target, const CullView& view, int side,
                          const std::vector<std::uint32_t>* inView = nullptr);
void releaseTruthTarget(TruthTarget& target);
