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

// Per-axis minimum and maximum of the projected box corners. A corner that does not project
// (homogeneous w of 0) is left out. With no corner projected the bounds stay inverted
// (min 1e9 > max -1e9): an empty rectangle that covers no texel or cell.
ScreenBounds projectScreenBounds(const SceneObject& object, const ViewTransforms& transforms);

// Reads the projection and model-view matrices and the viewport from the GL state.
ViewTransforms readViewTransforms();
