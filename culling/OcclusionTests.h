#pragma once
// The two per-occludee tests. Rectangles are in window pixels of the 64 x 64 map viewport (origin
// bottom-left); depths are window depths (0 near, 1 far). Both lookups read only texels and cells
// that exist: whatever lies outside the map or the buffer is decided by the rules stated below.

#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionMap.h"
#include "geometry/Vector.h"

#include <cstdint>

struct SceneObject;

struct MapProbe {
    unsigned level = 0; // smallest level at which the larger extent is at most one texel
    double x = 0.0;     // the rectangle's maximum corner in texels of that level
    double y = 0.0;
};

// Halves the larger extent (and the maximum corner) while the extent is above 1, but at most up to
// level occlusionMapLevels, one past the last level, which no lookup reads.
MapProbe chooseMapLevel(const Geometry::Vector& min, const Geometry::Vector& max);

// The overlap lookup: the one texel under the rectangle's maximum corner at the chosen level is
// compared with the threshold (equal counts as covered). Not covered - so the object is drawn,
// the safe answer - when a corner is not finite, the level would be above the map's last level,
// or the maximum corner lies outside the level (left of or below it, at or beyond its last texel).
bool isRectangleCovered(const OcclusionMap& map, const Geometry::Vector& min, const Geometry::Vector& max,
                        std::uint8_t threshold);

// The depth lookup: true at the first cell under the rectangle (halved into the 32 x 32 grid,
// clipped to it) that is strictly farther than min.z. False when no cell is, or none lies under it.
bool hasCellBehind(const DepthEstimationBuffer& buffer, const Geometry::Vector& min,
                   const Geometry::Vector& max);

// GL: projects the occludee from fakeCamera into the 64 x 64 viewport, stores screenMin/screenMax
// and looks it up in occlusionMap; counts frameStats.passedHom when covered.
bool overlapTest(SceneObject& object);

// Uses the rectangle the overlap test stored this frame; counts frameStats.passedDeb and returns
// false when the object lies behind the depth estimate everywhere under its rectangle.
bool depthTest(const SceneObject& object);
