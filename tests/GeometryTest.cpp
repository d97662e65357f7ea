// Vector and matrix arithmetic, normalisation over the whole double range, the view matrix and the
// model matrix's element order and factor order.
#include "geometry/Transforms.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <exception>
#include <limits>
#include <type_traits>

using namespace Geometry;

namespace {

constexpr double tolerance = 1e-12;

void expectVectorNear(const Vector& actual, const Vector& expected, double eps = tolerance) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix p;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) p.m[static_cast<unsigned>(4 * r + c)] += a(r, k) * b(k, c);
    return p;
}

} // namespace

TEST(Normalize, GivesUnitVectorsAcrossTheWholeDoubleRange) {
    const double third = 1.0 / std::sqrt(3.0), half = 1.0 / std::sqrt(2.0);
    const double tiny = std::numeric_limits<double>::denorm_min();
    const struct {
        Vector in, out;
    } cases[] = {
        {{3, 4, 12}, {3.0 / 13, 4.0 / 13, 12.0 / 13}},
        {{1e-300, 0, 0}, {1, 0, 0}},
        {{0, -1e-310, 0}, {0, -1, 0}},
        {{tiny, tiny, 0}, {half, half, 0}},
        {{DBL_MAX, DBL_MAX, DBL_MAX}, {third, third, third}},
        {{-DBL_MAX, DBL_MAX, -DBL_MAX}, {-third, third, -third}},
        {{DBL_MAX, tiny, 0}, {1, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.x << ", " << c.in.y << ", " << c.in.z);
        const Vector n = normalize(c.in);
        expectVectorNear(n, c.out);
        EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.z));
    }
    // Each component is divided by the length: exact for a length that is a power of two.
    const Vector exact = normalize({0, 0, 0.25});
    EXPECT_EQ(exact.z, 1.0);
}

TEST(Normalize, ZeroThrowsZeroDivideWhichIsNoStandardExceptionAndNanPassesThrough) {
    static_assert(!std::is_base_of_v<std::exception, ZeroDivide>);
    for (const Vector& zero : {Vector{0, 0, 0}, Vector{0, -0.0, 0}, Vector{-0.0, -0.0, -0.0}})
        EXPECT_THROW(normalize(zero), ZeroDivide);
    EXPECT_NO_THROW(normalize({0, 0, std::numeric_limits<double>::denorm_min()}));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Vector& v : {Vector{nan, 0, 0}, Vector{0, 0, nan}, Vector{nan, nan, nan}, Vector{1, nan, 2}}) {
        Vector n;
        EXPECT_NO_THROW(n = normalize(v));
        EXPECT_TRUE(std::isnan(n.x) && std::isnan(n.y) && std::isnan(n.z));
    }
}

TEST(VectorOps, CrossIsRightHandedAndDotSums) {
    const Vector x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    expectVectorNear(cross(x, y), z);
    expectVectorNear(cross(y, z), x);
    expectVectorNear(cross(z, x), y);
    expectVectorNear(cross(y, x), {0, 0, -1});
    expectVectorNear(cross({1, 2, 3}, {4, 5, 6}), {-3, 6, -3});
    EXPECT_EQ(dot({1, 2, 3}, {4, -5, 6}), 12.0);
    expectVectorNear(Vector{5, 7, 9} - Vector{1, 2, 3}, {4, 5, 6});
}

TEST(MatrixOps, RowConstructorProductAndTranspose) {
    const Matrix zero;
    for (double e : zero.m) EXPECT_EQ(e, 0.0);

    const Matrix shift({1, 0, 0, 5}, {0, 1, 0, 6}, {0, 0, 1, 7}, {0, 0, 0, 1});
    EXPECT_EQ(shift.m[3], 5.0); // row after row: translation in column 3
    EXPECT_EQ(shift.m[7], 6.0);
    EXPECT_EQ(shift.m[11], 7.0);
    const Vector4 moved = shift * Vector4{1, 2, 3, 1};
    EXPECT_EQ(moved.x, 6.0);
    EXPECT_EQ(moved.y, 8.0);
    EXPECT_EQ(moved.z, 10.0);
    EXPECT_EQ(moved.w, 1.0);

    Matrix distinct;
    for (unsigned i = 0; i < 16; ++i) distinct.m[i] = i + 1.0;
    const Vector4 row = distinct * Vector4{1, 10, 100, 1000};
    EXPECT_EQ(row.x, 4321.0);
    EXPECT_EQ(row.w, 17653.0);

    const Matrix t = transpose(distinct);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(t(r, c), distinct(c, r));
    EXPECT_EQ(transpose(t).m, distinct.m);
}

TEST(LookAt, MatchesTheViewersCameraAndThrowsOnDegenerateInput) {
    const Matrix view = lookAt({0, 500, 900}, {0, -400, 0}, {0, 1, 0});
    const double r = 1.0 / std::sqrt(2.0);
    const double expected[16] = {1, 0, 0, 0, 0, r, -r, 400 * r, 0, r, r, -1400 * r, 0, 0, 0, 1};
    for (unsigned i = 0; i < 16; ++i) EXPECT_NEAR(view.m[i], expected[i], 1e-9) << "element " << i;

    // Any camera: the eye goes to the origin and the target onto the -z axis.
    const Vector eye{-30, 70, 250}, target{10, -5, 3};
    const Matrix general = lookAt(eye, target, {0, 1, 0});
    const Vector4 e = general * Vector4{eye.x, eye.y, eye.z, 1};
    const Vector4 t = general * Vector4{target.x, target.y, target.z, 1};
    const Vector d = target - eye;
    expectVectorNear({e.x, e.y, e.z}, {0, 0, 0}, 1e-9);
    expectVectorNear({t.x, t.y, t.z}, {0, 0, -std::sqrt(dot(d, d))}, 1e-9);

    EXPECT_THROW(lookAt({1, 2, 3}, {1, 2, 3}, {0, 1, 0}), ZeroDivide);
    EXPECT_THROW(lookAt({0, 5, 0}, {0, 0, 0}, {0, 1, 0}), ZeroDivide);
    EXPECT_THROW(lookAt({0, 500, 900}, {0, -400, 0}, {0, 0, 0}), ZeroDivide);
}

TEST(ModelMatrix, ElementOrderIsTheTransposeOfTranslateRotateZYXScale) {
    EXPECT_EQ(degreesToRadians(180.0), 3.141592653589793);

    const Matrix m = modelMatrix({-200, -200, -200}, {0.25, 0.25, 0.25}, {0, 0, 0});
    const double expected[16] = {0.25, 0, 0, 0, 0, 0.25, 0, 0, 0, 0, 0.25, 0, -200, -200, -200, 1};
    for (unsigned i = 0; i < 16; ++i) EXPECT_EQ(m.m[i], expected[i]) << "element " << i;

    // Against T * Rz * Ry * Rx * S built factor by factor, for angles where every term differs.
    const Vector t{5, -6, 7}, k{2, 3, 4}, angles{30, 45, 70};
    const double ax = degreesToRadians(angles.x), ay = degreesToRadians(angles.y),
                 az = degreesToRadians(angles.z);
    const double cx = std::cos(ax), sx = std::sin(ax), cy = std::cos(ay), sy = std::sin(ay);
    const double cz = std::cos(az), sz = std::sin(az);
    const Matrix T({1, 0, 0, t.x}, {0, 1, 0, t.y}, {0, 0, 1, t.z}, {0, 0, 0, 1});
    const Matrix Rz({cz, -sz, 0, 0}, {sz, cz, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1});
    const Matrix Ry({cy, 0, sy, 0}, {0, 1, 0, 0}, {-sy, 0, cy, 0}, {0, 0, 0, 1});
    const Matrix Rx({1, 0, 0, 0}, {0, cx, -sx, 0}, {0, sx, cx, 0}, {0, 0, 0, 1});
    const Matrix S({k.x, 0, 0, 0}, {0, k.y, 0, 0}, {0, 0, k.z, 0}, {0, 0, 0, 1});
    const Matrix reference = multiply(T, multiply(Rz, multiply(Ry, multiply(Rx, S))));
    const Matrix actual = transpose(modelMatrix(t, k, angles));
    for (unsigned i = 0; i < 16; ++i) EXPECT_NEAR(actual.m[i], reference.m[i], tolerance) << "element " << i;
}
