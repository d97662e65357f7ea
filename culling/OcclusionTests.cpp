#include "culling/OcclusionTests.h"

#include "app/Cameras.h"
#include "culling/CellSpan.h"
#include "culling/FrameStats.h"
#include "culling/ScreenBounds.h"
#include "mesh/SceneObject.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

MapProbe chooseMapLevel(const Geometry::Vector& min, const Geometry::Vector& max) {
    double extent = std::max(max.x - min.x, max.y - min.y);
    MapProbe probe{0, max.x, max.y};
    // Stops one level past the last: an infinite extent would halve forever.
    while (extent > 1.0 && probe.level < occlusionMapLevels) {
        extent *= 0.5;
        probe.level += 1;
        probe.x *= 0.5;
        probe.y *= 0.5;
    }
    return probe;
}

bool isRectangleCovered(const OcclusionMap& map, const Geometry::Vector& min, const Geometry::Vector& max,
                        std::uint8_t threshold) {
    if (!std::isfinite(min.x) || !std::isfinite(min.y) || !std::isfinite(max.x) || !std::isfinite(max.y))
        return false;
    const MapProbe probe = chooseMapLevel(min, max);
    if (probe.level >= map.levelCount) return false;
    const double side = levelSide(probe.level);
    if (!(probe.x >= 0.0 && probe.x < side && probe.y >= 0.0 && probe.y < side)) return false;
    const auto column = static_cast<unsigned>(probe.x);
    const auto row = static_cast<unsigned>(probe.y);
    const std::uint8_t texel = map.levels[probe.level][row * levelSide(probe.level) + column];
    return texel >= threshold;
}

bool hasCellBehind(const DepthEstimationBuffer& buffer, const Geometry::Vector& min,
                   const Geometry::Vector& max) {
    const CellSpan rows = cellSpan(min.y, max.y, 0.5, depthBufferSide);
    const CellSpan columns = cellSpan(min.x, max.x, 0.5, depthBufferSide);
    for (int r = rows.begin; r < rows.end; ++r) {
        const double* row = &buffer.cells[static_cast<std::size_t>(r * depthBufferSide)];
        for (int c = columns.begin; c < columns.end; ++c)
            if (row[c] > min.z) return true;
    }
    return false;
}

bool overlapTest(SceneObject& object) {
    loadCameraView(fakeCamera);
    glViewport(0, 0, occlusionMapSide, occlusionMapSide);
    const ScreenBounds bounds = projectScreenBounds(object, readViewTransforms());
    object.screenMin = bounds.min;
    object.screenMax = bounds.max;
    if (!isRectangleCovered(occlusionMap, bounds.min, bounds.max, opacityThreshold)) return false;
    ++frameStats.passedHom;
    return true;
}

bool depthTest(const SceneObject& object) {
    if (hasCellBehind(depthEstimationBuffer, object.screenMin, object.screenMax)) return true;
    ++frameStats.passedDeb;
    return false;
}
