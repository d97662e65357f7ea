#pragma once
// Viewpoints and the projection for a scene: where the fake camera stands and looks, and the
// frustum it culls through. Up is +y; the frustum is symmetric about the view axis and square
// (the lab and the explorer render 640 x 640). Plain arithmetic, no GL.

#include "SceneModel.h"
#include "app/Projection.h"
#include "geometry/Vector.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace Scenes {

struct Viewpoint {
    Geometry::Vector eye;
    Geometry::Vector direction; // not zero, not along y
    int angle = -1;             // degrees on an orbit; -1 for a viewpoint read from a file
};

constexpr std::size_t maxViewpoints = 10000;

// A views file: one viewpoint per line, "x y z dx dy dz" (eye and view direction), blank lines and
// '#' comments allowed. False with "FILE:LINE: reason" in `error` for a line with too few or too
// many numbers, something that is not a finite number, a zero direction or one along y, a
// coordinate beyond 1e6, more than maxViewpoints lines, or a file without any viewpoint.
bool parseViews(std::istream& in, const std::string& fileName, std::vector<Viewpoint>& views,
                std::string& error);

// The same from a path; a file that cannot be opened is reported as such.
bool readViewsFile(const std::string& path, std::vector<Viewpoint>& views, std::string& error);

// `count` viewpoints every 360 / count degrees around the box's centre, looking at it down 45
// degrees from a horizontal distance of half its diagonal (the box then just fits a 90-degree
// view); at angle 0 the eye lies on the +z side, a growing angle moves it toward +x.
std::vector<Viewpoint> orbitViews(const Box& box, int count);

// The near and far planes: far just past the farthest box corner seen from any viewpoint, near
// 1/2000 of it (the viewer's ratio). `nearGiven` and `farGiven` replace either.
struct Planes {
    double nearPlane = 1.0;
    double farPlane = 2000.0;
};
Planes fitPlanes(const Box& box, const std::vector<Viewpoint>& views, std::optional<double> nearGiven,
                 std::optional<double> farGiven);

// The square frustum of a vertical field of view in degrees (0 < fov < 180).
Frustum frustumOf(double fovDegrees, const Planes& planes);

} // namespace Scenes
