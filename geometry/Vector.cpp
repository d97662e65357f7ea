#include "geometry/Vector.h"

#include <cmath>
#include <limits>

namespace Geometry {

Vector operator-(const Vector& a, const Vector& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

double dot(const Vector& a, const Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector cross(const Vector& a, const Vector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// x87 extended precision squares anything a double holds, from the smallest subnormal
// (~4.9e-324, squared ~2.4e-647) to DBL_MAX (squared ~3.2e616), without overflow or underflow.
using Wide = long double;
static_assert(std::numeric_limits<Wide>::max_exponent >= 2 * std::numeric_limits<double>::max_exponent + 2,
              "normalize needs a floating type with twice the exponent range of double");
static_assert(std::numeric_limits<Wide>::min_exponent <=
                  2 * (std::numeric_limits<double>::min_exponent - std::numeric_limits<double>::digits),
              "normalize needs a floating type that can square the smallest subnormal double");

Vector normalize(const Vector& v) {
    if (v.x == 0.0 && v.y == 0.0 && v.z == 0.0) throw ZeroDivide{};
    const Wide x = v.x, y = v.y, z = v.z;
    const Wide length = std::sqrt(x * x + y * y + z * z);
    return {static_cast<double>(x / length), static_cast<double>(y / length),
            static_cast<double>(z / length)};
}

} // namespace Geometry
