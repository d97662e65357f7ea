#pragma once
// Projection of an object's box into window coordinates of a viewport (origin bottom-left, x and
// y in pixels, depth 0 at the near plane to 1 at the far plane). Matrices are in OpenGL's column
// order, as glGetDoublev returns them.

#include "geometry/Vector.h"

struct SceneObject;

struct ViewTransforms {
    double modelview[16];
    double projection[16];
    int viewport[4];
};

struct ScreenBounds {
    Geometry::Vector min{1e9, 1e9, 1e9};
    Geometry::Vector max{-1e9, -1e9, -1e9};
};

// Number of leading vertices that bound an object: its first eight (a box mesh's corners), or all
// of them when it has fewer. An object with no vertices has no box.
constexpr unsigned boxCornerCount = 8;

// Per-axis minimum and maximum of the projected box corners. Without corners, or when a corner lies
// on or behind the eye plane (homogeneous w <= 0, or NaN), the bounds stay inverted (min 1e9 >
// max -1e9): no rectangle, so the overlap lookup never reports the box covered (an occludee is
// drawn) and the depth buffer fill records nothing for it (an occluder hides nothing).
ScreenBounds projectScreenBounds(const SceneObject& object, const ViewTransforms& transforms);

// Reads the projection and model-view matrices and the viewport from the GL state.
ViewTransforms readViewTransforms();
