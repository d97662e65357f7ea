#pragma once
// View and model transforms. lookAt returns the system's row-major, column-vector form (hand its
// transpose to OpenGL); modelMatrix returns its elements already in OpenGL's column order
// (transpose it to transform points on the CPU). Angles are degrees.

#include "geometry/Matrix.h"

namespace Geometry {

// angle * 3.141592653589793 / 180, multiplication first.
double degreesToRadians(double degrees);

// Right-handed view: the camera looks down -z with +y up. Throws ZeroDivide when eye == target or
// when up is zero or parallel to the viewing direction.
Matrix lookAt(const Vector& eye, const Vector& target, const Vector& up);

// transpose(T(translation) * Rz * Ry * Rx * S(scale)): scale first, then rotate about x, y, z.
Matrix modelMatrix(const Vector& translation, const Vector& scale, const Vector& rotation);

} // namespace Geometry
