#include "culling/ScreenBounds.h"

#include "mesh/SceneObject.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>

ScreenBounds projectScreenBounds(const SceneObject& object, const ViewTransforms& transforms) {
    ScreenBounds bounds;
    const std::size_t corners = std::min<std::size_t>(boxCornerCount, object.vertices.size());
    for (std::size_t i = 0; i < corners; ++i) {
        const Geometry::Vector& v = object.vertices[i];
        GLdouble x = 0.0, y = 0.0, z = 0.0;
        if (gluProject(v.x, v.y, v.z, transforms.modelview, transforms.projection, transforms.viewport,
                       &x, &y, &z) != GL_TRUE)
            continue; // leaves x, y, z unwritten
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
