#pragma once
// The viewer's culling pass taken apart into timed stages, built only from the core's own
// operations. Every GL function here expects the lab's window current, the model-view matrix mode
// and the projection that reshape() set; the camera is fakeCamera, the threshold opacityThreshold.

#include "LabMetrics.h"

#include <cstdint>
#include <vector>

struct CullResult {
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;
    std::vector<std::uint32_t> drawList; // surviving occludees in list order, then every occluder
    bool operator==(const CullResult& other) const {
        return passedHom == other.passedHom && passedDeb == other.passedDeb && drawList == other.drawList;
    }
};

// The viewer's own tests (cullOccludees) and what they decided. Needs this frame's occlusion map
// and depth estimation buffer, whose builds zeroed the counters.
CullResult runViewerTests();

// The same decisions with the fake camera's transforms read back once for all occludees.
CullResult runHoistedTests();

// The occludees culled by a result, as flags in occludeeIndices order.
std::vector<bool> culledFlags(const CullResult& result);

// Every occludee, then every occluder: the frame with nothing culled.
std::vector<std::uint32_t> drawAllList();

// The viewer's frame preamble (clear colour, lighting, clear depth, depth test), then the
// pipeline's final pass (drawVisibleObjects) over `list`, from the fake camera.
void drawFrame(const std::vector<std::uint32_t>& list);

struct Measurement {
    CullResult result;          // from the first repetition
    StageCosts median;          // per-stage medians over the repetitions
    bool hoistedAgrees = true;  // the once-per-frame read-back culls exactly the same objects
    bool pipelineAgrees = true; // cullAndDrawFrame, and every repetition, made the same list and counters
};

// Measures the fake camera's current angle at every threshold (setting opacityThreshold). Each of
// `repeats` rounds (at least one) times the draw-all frame once, then every threshold's culling
// stages and culled frame, so that both sides of the ratio see the same machine load. Every stage
// has glFinish on both sides. cullAndDrawFrame is timed once per threshold, as a cross-check.
std::vector<Measurement> measureAngle(const std::vector<int>& thresholds, int repeats);
