#pragma once
// cpu-depth: the occluders rasterized on the processor into a side x side depth buffer, a max-depth
// pyramid over it, and each occludee's box rectangle tested at the level where it touches at most
// 2 x 2 texels: culled only when every texel there is nearer than the box's nearest corner.
// Occludees with a corner behind the eye or in front of the near plane are never culled.
// Stages: "rasterize", "pyramid", "tests".

#include "methods/CullMethod.h"
#include "methods/DepthPyramid.h"
#include "methods/DepthRasterizer.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The buffers a pass reuses: after the first pass at a side, later passes at that side allocate
// only the outcome they return.
struct CpuDepthState {
    DepthRasterizer rasterizer;
    DepthPyramid pyramid;                                // pyramid.levels[0] is the last pass's depth buffer
    std::vector<std::uint32_t> testsPerLevel;            // filled only when pictures are asked for
    std::vector<std::pair<double, std::uint32_t>> order; // occluders by distance
};

CullOutcome runCpuDepth(const CullScene& scene, const CullView& view, int side, CpuDepthState& state,
                        bool pictures);

// Share of texels, in [0, 1], whose coverage agrees between a depth buffer (covered: depth < 1) and
// an occlusion map level of the same side (covered: texel > 0, so that any partial value an
// antialiased map might hold counts as covered; the viewer's map is 0 or 255). 0 when the sizes
// differ or are 0.
double coverageAgreement(const std::vector<float>& depth, const std::vector<std::uint8_t>& mapLevel0);
