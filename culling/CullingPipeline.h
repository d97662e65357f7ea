#pragma once
// One frame's culling and drawing: build the occlusion map and the depth estimation buffer from
// fakeCamera, test every occludee, collect the survivors and then every occluder in
// visibleIndices, and draw them lit from the camera lockToFakeCamera selects.

#include <cstdint>

// GL: called by the display callback after the clears and the lighting set-up, with the
// model-view matrix mode. Leaves lighting, depth test and face culling on, the 640 x 640 viewport.
void cullAndDrawFrame();

// Steady-clock seconds spent in the culling traversal (map, buffer and tests) since start-up.
double traversalSeconds();
