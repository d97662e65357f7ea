#pragma once
// The viewer's own culling pass behind the method contract: its map build, depth-buffer build and
// per-occludee tests, run through the viewer's own functions and timed stage by stage. Those
// functions read the viewer's globals, so the scene must be the viewer's (sceneObjects and its
// lists) and the frustum the one reshape() loaded; the camera and threshold are set from the call.

#include "methods/CullMethod.h"

// GL: sets fakeCamera and opacityThreshold, then builds the map and the buffer and tests every
// occludee as cullAndDrawFrame does, leaving visibleIndices, frameStats and the map as it would.
// Pictures: the four map levels and the depth estimation buffer.
CullOutcome runHom(const CullScene& scene, const CullView& view, int threshold, bool pictures);
