#include "methods/ClipTransform.h"

#include "geometry/Transforms.h"

#include <algorithm>
#include <cassert>

Geometry::Matrix frustumMatrix(const Frustum& f) {
    const double w = f.right - f.left, h = f.top - f.bottom, d = f.farPlane - f.nearPlane;
    return {{2 * f.nearPlane / w, 0, (f.right + f.left) / w, 0},
            {0, 2 * f.nearPlane / h, (f.top + f.bottom) / h, 0},
            {0, 0, -(f.farPlane + f.nearPlane) / d, -2 * f.farPlane * f.nearPlane / d},
            {0, 0, -1, 0}};
}

Geometry::Matrix viewProjection(const CullView& view) {
    const Geometry::Matrix p = frustumMatrix(view.frustum);
    const Geometry::Matrix v = Geometry::lookAt(view.camera.eye, view.camera.target, {0.0, 1.0, 0.0});
    Geometry::Matrix out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += p(r, k) * v(k, c);
            out.m[static_cast<unsigned>(4 * r + c)] = sum;
        }
    return out;
}

Geometry::Vector4 toWindow(const Geometry::Matrix& clip, const Geometry::Vector& point, int side) {
    const Geometry::Vector4 c = clip * Geometry::Vector4{point.x, point.y, point.z, 1.0};
    if (!(c.w > 0.0)) return {0.0, 0.0, 0.0, c.w};
    const double s = side;
    return {(c.x / c.w * 0.5 + 0.5) * s, (c.y / c.w * 0.5 + 0.5) * s, c.z / c.w * 0.5 + 0.5, c.w};
}

WindowRect boxWindowRect(const SceneObject& object, const Geometry::Matrix& clip, int side) {
    assert(side > 0);
    WindowRect rect;
    const std::size_t corners = std::min<std::size_t>(8, object.vertices.size());
    for (std::size_t i = 0; i < corners; ++i) {
        const Geometry::Vector4 p = toWindow(clip, object.vertices[i], side);
        if (!(p.w > 0.0) || !(p.z >= 0.0)) {
            rect.crossesNear = true;
            continue;
        }
        rect.min = {std::min(rect.min.x, p.x), std::min(rect.min.y, p.y), std::min(rect.min.z, p.z)};
        rect.max = {std::max(rect.max.x, p.x), std::max(rect.max.y, p.y), std::max(rect.max.z, p.z)};
    }
    return rect;
}
