#include "geometry/Transforms.h"

#include <cmath>

namespace Geometry {

double degreesToRadians(double degrees) { return degrees * 3.141592653589793 / 180.0; }

Matrix lookAt(const Vector& eye, const Vector& target, const Vector& up) {
    const Vector f = normalize(target - eye);
    const Vector s = normalize(cross(f, up));
    const Vector u = normalize(cross(s, f));
    return Matrix({s.x, s.y, s.z, -dot(s, eye)}, {u.x, u.y, u.z, -dot(u, eye)},
                  {-f.x, -f.y, -f.z, dot(f, eye)}, {0.0, 0.0, 0.0, 1.0});
}

Matrix modelMatrix(const Vector& t, const Vector& k, const Vector& r) {
    const double ax = degreesToRadians(r.x), ay = degreesToRadians(r.y), az = degreesToRadians(r.z);
    const double cx = std::cos(ax), sx = std::sin(ax);
    const double cy = std::cos(ay), sy = std::sin(ay);
    const double cz = std::cos(az), sz = std::sin(az);
    return Matrix({k.x * cy * cz, k.x * cy * sz, -k.x * sy, 0.0},
                  {k.y * (sx * sy * cz - cx * sz), k.y * (sx * sy * sz + cx * cz), k.y * sx * cy, 0.0},
                  {k.z * (cx * sy * cz + sx * sz), k.z * (cx * sy * sz - sx * cz), k.z * cx * cy, 0.0},
                  {t.x, t.y, t.z, 1.0});
}

} // namespace Geometry
