#pragma once
// 4x4 matrix of doubles stored row after row: element (r, c) is m[4r + c]. Points are column
// vectors (p' = M * (p, 1)). OpenGL reads 16 doubles column after column, so every matrix handed
// to it is the transpose of this storage.

#include "geometry/Vector.h"

#include <array>

namespace Geometry {

struct Matrix {
    std::array<double, 16> m{}; // all zero: a default Matrix is not the identity

    Matrix() = default;
    Matrix(const Vector4& row0, const Vector4& row1, const Vector4& row2, const Vector4& row3);

    double operator()(int row, int column) const { return m[static_cast<unsigned>(4 * row + column)]; }
};

Matrix transpose(const Matrix& a);

// Component i is sum_j a(i, j) * v_j, accumulated from 0 in order j = 0..3.
Vector4 operator*(const Matrix& a, const Vector4& v);

} // namespace Geometry
