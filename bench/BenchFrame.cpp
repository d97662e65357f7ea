#include "BenchFrame.h"

#include "app/Cameras.h"
#include "app/Projection.h"
#include "culling/DepthEstimationBuffer.h"
#include "geometry/Transforms.h"
#include "scene/Scene.h"

#include <GL/glu.h>
#include <algorithm>
#include <iostream>

namespace {

constexpr int windowSide = 640;

struct Point {
    double x, y;
};

double turn(const Point& o, const Point& a, const Point& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Counter-clockwise convex hull (monotone chain); collinear points dropped.
std::vector<Point> convexHull(std::vector<Point> points) {
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    if (points.size() < 3) return points;
    std::vector<Point> hull(2 * points.size());
    std::size_t k = 0;
    for (const Point& p : points) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], p) <= 0.0) --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i]) <= 0.0) --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

bool inside(const std::vector<Point>& hull, const Point& p) {
    if (hull.size() < 3) return false;
    for (std::size_t i = 0; i < hull.size(); ++i)
        if (turn(hull[i], hull[(i + 1) % hull.size()], p) < 0.0) return false;
    return true;
}

} // namespace

ViewTransforms cpuViewTransforms(const OrbitCamera& camera, int viewportSide) {
    ViewTransforms t{};
    // OpenGL's column order is the transpose of the row-major view matrix.
    const Geometry::Matrix view =
        Geometry::transpose(Geometry::lookAt(camera.eye, camera.target, {0.0, 1.0, 0.0}));
    std::copy(view.m.begin(), view.m.end(), t.modelview);
    // glFrustum's matrix, column after column.
    const Frustum f = *frustumFor(windowSide, windowSide);
    const double width = f.right - f.left, height = f.top - f.bottom, depth = f.farPlane - f.nearPlane;
    // clang-format off
    const double projection[16] = {
        2.0 * f.nearPlane / width,  0.0,                         0.0,                                      0.0,
        0.0,                        2.0 * f.nearPlane / height,  0.0,                                      0.0,
        (f.right + f.left) / width, (f.top + f.bottom) / height, -(f.farPlane + f.nearPlane) / depth,      -1.0,
        0.0,                        0.0,                         -2.0 * f.farPlane * f.nearPlane / depth,  0.0};
    // clang-format on
    std::copy(std::begin(projection), std::end(projection), t.projection);
    t.viewport[0] = t.viewport[1] = 0;
    t.viewport[2] = t.viewport[3] = viewportSide;
    return t;
}

std::vector<std::uint8_t> silhouetteLevel0(const std::vector<SceneObject>& objects,
                                           const std::vector<std::uint32_t>& indices,
                                           const ViewTransforms& mapTransforms) {
    const int side = static_cast<int>(occlusionMapSide);
    std::vector<std::uint8_t> level(static_cast<std::size_t>(side * side), 0);
    for (std::uint32_t index : indices) {
        std::vector<Point> projected;
        for (const Geometry::Vector& v : objects[index].vertices) {
            GLdouble x, y, z;
            if (gluProject(v.x, v.y, v.z, mapTransforms.modelview, mapTransforms.projection,
                           mapTransforms.viewport, &x, &y, &z) == GL_TRUE)
                projected.push_back({x, y});
        }
        const std::vector<Point> hull = convexHull(projected);
        if (hull.size() < 3) continue;
        double left = side, right = 0.0, bottom = side, top = 0.0;
        for (const Point& p : hull) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
        const int c0 = std::max(0, static_cast<int>(left)), c1 = std::min(side - 1, static_cast<int>(right));
        const int r0 = std::max(0, static_cast<int>(bottom)), r1 = std::min(side - 1, static_cast<int>(top));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                if (inside(hull, {c + 0.5, r + 0.5})) level[static_cast<std::size_t>(r * side + c)] = 255;
    }
    return level;
}

BenchFrame captureFrame(const std::string& meshPath, int angle) {
    if (sceneObjects.empty()) buildScene(meshPath, std::cerr);
    resetCameras();
    fakeCamera.angle = angle;
    updateEye(fakeCamera);

    BenchFrame frame;
    frame.map.levelCount = occlusionMapLevels;
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        frame.map.levels.emplace_back(levelSide(level) * levelSide(level));
    const ViewTransforms mapView = cpuViewTransforms(fakeCamera, static_cast<int>(occlusionMapSide));
    const ViewTransforms bufferView = cpuViewTransforms(fakeCamera, depthBufferSide);
    frame.map.levels[0] = silhouetteLevel0(sceneObjects, occluderIndices, mapView);
    buildPyramid(frame.map);
    for (std::uint32_t index : occluderIndices)
        frame.occluders.push_back(projectScreenBounds(sceneObjects[index], bufferView));
    for (std::uint32_t index : occludeeIndices)
        frame.occludees.push_back(projectScreenBounds(sceneObjects[index], mapView));
    return frame;
}
