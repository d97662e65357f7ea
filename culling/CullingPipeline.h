#pragma once
// One frame's culling and drawing: build the occlusion map and the depth estimation buffer from
// fakeCamera, test every occludee, collect the survivors and then every occluder in
// visibleIndices, and draw them lit from the camera lockToFakeCamera selects.

#include <cstdint>

// GL: called by the display callback after the clears and the lighting set-up, with the
// model-view matrix mode. Leaves lighting, depth test and face culling on, the 640 x 640 viewport.
// It is buildOcclusionMap, buildDepthEstimationBuffer, cullOccludees and drawVisibleObjects.
void cullAndDrawFrame();

// Refills visibleIndices from this frame's map and buffer: each occludee gets the overlap test and,
// when covered, the depth test; the survivors in list order, then every occluder. Counts frameStats
// (which the two builds zeroed).
void cullOccludees();

// GL: draws visibleIndices, lit, from the camera lockToFakeCamera selects, with depth test and
// back-face culling, in a 640 x 640 viewport.
void drawVisibleObjects();

// Steady-clock seconds spent in the culling traversal (map, buffer and tests) since start-up.
double traversalSeconds();
