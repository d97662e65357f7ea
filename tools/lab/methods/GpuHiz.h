#pragma once
// gpu-hiz: the occluders rendered depth-only by GL into an off-screen target, the depth read back
// as float, a max-depth pyramid built from it and each occludee's box rectangle tested against the
// pyramid at the level where it touches at most 2 x 2 texels. What it shows: the cost of the GL
// round trip against the processor rasterizer. Stages "render", "read-back", "pyramid", "tests".

#include "methods/CullMethod.h"
#include "methods/DepthPyramid.h"
#include "methods/GlDepthPass.h"

#include <vector>

// Everything a pass needs, kept between passes so that a steady pass makes nothing new.
struct GpuHizState {
    DepthTarget target;
    std::vector<float> depth; // the read-back, side * side
    DepthPyramid pyramid;
    std::vector<int> levelUses; // pictures only: occludees tested at each level
};

// Deletes the state's GL objects (needs the context); the state can then be used again.
void releaseGpuHizState(GpuHizState& state);

// GL: one pass at side x side. An occludee is culled only when its box lies wholly in front of the
// near plane and every texel its rectangle touches, at the level where that is at most 2 x 2, is
// nearer than the box's nearest corner. With `pictures`: the read-back depth and the level most
// occludees were tested at, grey (brighter = nearer, black = empty).
CullOutcome runGpuHiz(const CullScene& scene, const CullView& view, int side, GpuHizState& state,
                      bool pictures = false);
void runGpuHiz(const CullScene& scene, const CullView& view, int side, GpuHizState& state, bool pictures,
               CullOutcome& outcome);
