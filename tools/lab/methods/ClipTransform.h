#pragma once
// The fake camera's view and the window's projection on the processor, row-major with column
// vectors (p' = M p), as geometry/Matrix.h stores them; the same numbers the GL path loads
// transposed. Window space: x, y in pixels of a side x side viewport at the origin, depth 0..1.

#include "geometry/Matrix.h"
#include "methods/CullMethod.h"

// projection * view: world space to clip space.
Geometry::Matrix viewProjection(const CullView& view);

// glFrustum's matrix, row-major.
Geometry::Matrix frustumMatrix(const Frustum& frustum);

struct WindowRect {
    Geometry::Vector min{1e9, 1e9, 1e9};   // window x, y and the nearest depth
    Geometry::Vector max{-1e9, -1e9, -1e9}; // window x, y and the farthest depth
    bool crossesNear = false; // a corner has clip w <= 0 or lies in front of the near plane:
                              // the rectangle is then unknown and must never count as hidden
};

// The window rectangle of an object's box corners (its first eight vertices, or all when fewer).
// An object with no vertices gives an inverted rectangle (min > max) and crossesNear false.
WindowRect boxWindowRect(const SceneObject& object, const Geometry::Matrix& clip, int side);

// One point to window space; w is the clip w (<= 0: behind the eye, x, y, z then meaningless).
Geometry::Vector4 toWindow(const Geometry::Matrix& clip, const Geometry::Vector& point, int side);
