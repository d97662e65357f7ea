#pragma once
// The one perspective projection of the viewer. The frustum's bottom is 0: the view axis runs
// through the bottom centre of the image, so the camera's target sits on the bottom edge.

#include <optional>

struct Frustum {
    double left, right, bottom, top, nearPlane, farPlane;
};

// The frustum for a window of the given size; none when either side is 0 (the previous
// projection then stays).
std::optional<Frustum> frustumFor(int width, int height);
