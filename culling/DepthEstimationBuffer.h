#pragma once
// Depth estimation buffer: 32 x 32 nearest occluder depths seen from the fake camera, row-major,
// bottom row first; cell (c, r) covers window x in [c, c + 1), y in [r, r + 1) of a 32 x 32
// viewport. Window depth: 0 at the near plane, 1 (no occluder) at the far plane.

#include "geometry/Vector.h"

#include <array>

constexpr int depthBufferSide = 32;

struct DepthEstimationBuffer {
    std::array<double, depthBufferSide * depthBufferSide> cells;
};

extern DepthEstimationBuffer depthEstimationBuffer;

// Every cell to the far plane, 1.0.
void clearDepthBuffer(DepthEstimationBuffer& buffer);

// Lowers every cell under the rectangle [min.x, max.x] x [min.y, max.y] (in cells) to min.z where
// min.z is strictly nearer. The rectangle is clipped to the grid; an empty one writes nothing.
void recordOccluder(DepthEstimationBuffer& buffer, const Geometry::Vector& min, const Geometry::Vector& max);

// GL: projects every occluder from fakeCamera into a 32 x 32 viewport and records it; zeroes
// frameStats.passedDeb. Leaves the fake camera's view and the 32 x 32 viewport.
void buildDepthEstimationBuffer();
