#pragma once
// Plain value types of the geometry math: 3-vectors (points, directions, per-axis factors,
// angles in degrees, colours, window coordinates with depth), 4-vectors and the one failure.
// Right-handed coordinates with y up.

namespace Geometry {

struct Vector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct Vector4 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

// Thrown by value from normalize() for a zero-length vector; deliberately not a std::exception.
struct ZeroDivide {};

Vector operator-(const Vector& a, const Vector& b);
double dot(const Vector& a, const Vector& b);
Vector cross(const Vector& a, const Vector& b);

// Each component divided by the length. The length is formed with more exponent range than a
// double has, so every finite non-zero vector (subnormal or near DBL_MAX) gives a unit vector.
// Throws ZeroDivide when all three components compare equal to 0 (-0 included); NaN passes through.
Vector normalize(const Vector& v);

} // namespace Geometry
