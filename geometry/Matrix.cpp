#include "geometry/Matrix.h"

namespace Geometry {

Matrix::Matrix(const Vector4& row0, const Vector4& row1, const Vector4& row2, const Vector4& row3)
    : m{row0.x, row0.y, row0.z, row0.w, row1.x, row1.y, row1.z, row1.w,
        row2.x, row2.y, row2.z, row2.w, row3.x, row3.y, row3.z, row3.w} {}

Matrix transpose(const Matrix& a) {
    Matrix t;
    for (unsigned r = 0; r < 4; ++r)
        for (unsigned c = 0; c < 4; ++c) t.m[4 * r + c] = a.m[4 * c + r];
    return t;
}

Vector4 operator*(const Matrix& a, const Vector4& v) {
    const double in[4] = {v.x, v.y, v.z, v.w};
    double out[4];
    for (unsigned i = 0; i < 4; ++i) {
        double sum = 0.0;
        for (unsigned j = 0; j < 4; ++j) sum += a.m[4 * i + j] * in[j];
        out[i] = sum;
    }
    return {out[0], out[1], out[2], out[3]};
}

} // namespace Geometry
