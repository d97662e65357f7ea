#include "Viewpoints.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <istream>

namespace Scenes {

namespace {

constexpr double maxViewCoordinate = 1e6;

// Reads whitespace-separated numbers; false with the reason at the first word that is not one.
bool readNumbers(const std::string& text, std::vector<double>& numbers, std::string& reason) {
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t\r\v\f", at);
        if (at == std::string::npos) return true;
        const std::size_t end = std::min(text.find_first_of(" \t\r\v\f", at), text.size());
        const std::string word = text.substr(at, end - at);
        char* stop = nullptr;
        errno = 0;
        const double value = std::strtod(word.c_str(), &stop);
        if (stop == word.c_str() || *stop != '\0' || !std::isfinite(value) || errno == ERANGE) {
            reason = "\"" + word.substr(0, 32) + "\" is not a finite number";
            return false;
        }
        numbers.push_back(value);
        at = end;
    }
}

} // namespace

bool parseViews(std::istream& in, const std::string& fileName, std::vector<Viewpoint>& views,
                std::string& error) {
    views.clear();
    std::string line;
    std::size_t number = 0;
    const auto fail = [&](const std::string& reason) {
        error = fileName + ":" + std::to_string(number) + ": " + reason;
        views.clear();
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::vector<double> v;
        std::string reason;
        if (!readNumbers(line, v, reason)) return fail(reason);
        if (v.empty()) continue;
        if (v.size() != 6) return fail(std::to_string(v.size()) + " numbers; a viewpoint is x y z dx dy dz");
        for (double value : v)
            if (std::fabs(value) > maxViewCoordinate) return fail("a number beyond 1e6");
        const Geometry::Vector direction{v[3], v[4], v[5]};
        if (direction.x == 0.0 && direction.y == 0.0 && direction.z == 0.0)
            return fail("zero view direction");
        // lookAt needs a direction that is not along the up axis.
        if (std::hypot(direction.x, direction.z) <= 1e-6 * std::fabs(direction.y))
            return fail("view direction along y (straight up or down); tilt it a little");
        if (views.size() == maxViewpoints)
            return fail("more than " + std::to_string(maxViewpoints) + " viewpoints");
        views.push_back({{v[0], v[1], v[2]}, direction, -1});
    }
    if (in.bad()) return fail("read error");
    if (views.empty()) {
        error = fileName + ": no viewpoint in it";
        return false;
    }
    return true;
}

bool readViewsFile(const std::string& path, std::vector<Viewpoint>& views, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open it";
        return false;
    }
    return parseViews(in, path, views, error);
}

std::vector<Viewpoint> orbitViews(const Box& box, int count) {
    assert(count > 0 && !isEmpty(box));
    const Float3 c = centre(box);
    const double h = 0.5 * std::max(diagonal(box), 1e-3f);
    std::vector<Viewpoint> views;
    for (int i = 0; i < count; ++i) {
        const int angle = i * 360 / count;
        const double a = angle * 3.141592653589793 / 180.0;
        const Geometry::Vector eye{c.x + h * std::sin(a), c.y + h, c.z + h * std::cos(a)};
        views.push_back({eye, {c.x - eye.x, c.y - eye.y, c.z - eye.z}, angle});
    }
    return views;
}

Planes fitPlanes(const Box& box, const std::vector<Viewpoint>& views, std::optional<double> nearGiven,
                 std::optional<double> farGiven) {
    double farthest = 0.0;
    if (!isEmpty(box))
        for (const Viewpoint& view : views)
            for (int corner = 0; corner < 8; ++corner) {
                const double x = (corner & 1 ? box.max.x : box.min.x) - view.eye.x;
                const double y = (corner & 2 ? box.max.y : box.min.y) - view.eye.y;
                const double z = (corner & 4 ? box.max.z : box.min.z) - view.eye.z;
                farthest = std::max(farthest, std::sqrt(x * x + y * y + z * z));
            }
    Planes planes;
    planes.farPlane = farGiven ? *farGiven : std::max(1.01 * farthest, 1e-3);
    planes.nearPlane = nearGiven ? *nearGiven : planes.farPlane / 2000.0;
    return planes;
}

Frustum frustumOf(double fovDegrees, const Planes& planes) {
    assert(fovDegrees > 0.0 && fovDegrees < 180.0 && planes.nearPlane > 0.0 &&
           planes.farPlane > planes.nearPlane);
    const double half = planes.nearPlane * std::tan(fovDegrees * 3.141592653589793 / 360.0);
    return Frustum{-half, half, -half, half, planes.nearPlane, planes.farPlane};
}

} // namespace Scenes
