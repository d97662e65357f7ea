#include "app/Projection.h"

std::optional<Frustum> frustumFor(int width, int height) {
    if (width == 0 || height == 0) return std::nullopt;
    const double w = width, h = height;
    if (width > height) return Frustum{-0.3 * w / h, 0.3 * w / h, 0.0, 0.6, 1.0, 2000.0};
    return Frustum{-0.3, 0.3, 0.0, 0.6 * h / w, 1.0, 2000.0};
}
