#include "culling/ScreenBounds.h"

#include "mesh/SceneObject.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>

namespace {

// Homogeneous w of a world point after both matrices, summed in the order gluProject uses.
double clipW(const Geometry::Vector& v, const ViewTransforms& t) {
    double eye[4];
    for (int r = 0; r < 4; ++r)
        eye[r] =
            v.x * t.modelview[r] + v.y * t.modelview[4 + r] + v.z * t.modelview[8 + r] + t.modelview[12 + r];
    return eye[0] * t.projection[3] + eye[1] * t.projection[7] + eye[2] * t.projection[11] +
           eye[3] * t.projection[15];
}

} // namespace

ScreenBounds projectScreenBounds(const SceneObject& object, const ViewTransforms& transforms) {
    ScreenBounds bounds;
    const std::size_t corners = std::min<std::size_t>(boxCornerCount, object.vertices.size());
    for (std::size_t i = 0; i < corners; ++i) {
        const Geometry::Vector& v = object.vertices[i];
        // Behind the eye a corner projects mirrored, on the eye plane not at all: either way the
        // rectangle would be wrong, possibly too small, so the box gets none.
        if (!(clipW(v, transforms) > 0.0)) return ScreenBounds{};
        GLdouble x = 0.0, y = 0.0, z = 0.0;
        gluProject(v.x, v.y, v.z, transforms.modelview, transforms.projection, transforms.viewport, &x, &y,
                   &z);
        bounds.max = {std::max(bounds.max.x, x), std::max(bounds.max.y, y), std::max(bounds.max.z, z)};
        bounds.min = {std::min(bounds.min.x, x), std::min(bounds.min.y, y), std::min(bounds.min.z, z)};
    }
    return bounds;
}

ViewTransforms readViewTransforms() {
    ViewTransforms t{};
    glGetDoublev(GL_PROJECTION_MATRIX, t.projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, t.modelview);
    glGetIntegerv(GL_VIEWPORT, t.viewport);
    return t;
}
