// Normalisation, the view matrix and the model matrix. Cross and dot products and the matrix
// product are checked through them and through the scene objects' transform.
#include "TestSupport.h"

#include <cfloat>
#include <cmath>
#include <limits>

using namespace Geometry;

// Catches a length formed as sqrt(x*x + y*y + z*z), which overflows or underflows at the range's ends.
TEST(Normalize, GivesUnitVectorsAcrossTheWholeDoubleRange) {
    const double third = 1.0 / std::sqrt(3.0), tiny = std::numeric_limits<double>::denorm_min();
    const struct {
        Vector in, out;
    } cases[] = {{{3, 4, 12}, {3.0 / 13, 4.0 / 13, 12.0 / 13}},
                 {{0, -1e-310, 0}, {0, -1, 0}},
                 {{tiny, tiny, 0}, {1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0}},
                 {{-DBL_MAX, DBL_MAX, -DBL_MAX}, {-third, third, -third}},
                 {{DBL_MAX, tiny, 0}, {1, 0, 0}}};
    for (const auto& c : cases) expectVectorNear(normalize(c.in), c.out, 1e-12);
}

// Catches a wrong basis order or sign in lookAt (or in cross and dot), and a degenerate view (a
// zero vector to normalise) that does not throw ZeroDivide.
TEST(LookAt, MatchesTheViewersCameraAndThrowsOnDegenerateInput) {
    const Matrix view = lookAt({0, 500, 900}, {0, -400, 0}, {0, 1, 0});
    const double r = 1.0 / std::sqrt(2.0);
    const double expected[16] = {1, 0, 0, 0, 0, r, -r, 400 * r, 0, r, r, -1400 * r, 0, 0, 0, 1};
    for (unsigned i = 0; i < 16; ++i) EXPECT_NEAR(view.m[i], expected[i], 1e-9) << "element " << i;
    EXPECT_THROW(lookAt({1, 2, 3}, {1, 2, 3}, {0, 1, 0}), ZeroDivide);
    EXPECT_THROW(lookAt({0, 5, 0}, {0, 0, 0}, {0, 1, 0}), ZeroDivide);
}

// Catches another factor order than T * Rz * Ry * Rx * S, a transposed result and a rounded pi.
TEST(ModelMatrix, IsTheTransposeOfTranslateRotateZYXScale) {
    EXPECT_EQ(degreesToRadians(180.0), 3.141592653589793);
    // Rz(90) Ry(90) Rx(90) scale (2, 3, 4), then translate (5, -6, 7), row after row; the other
    // order Rx Ry Rz gives (0, -3, 0) and (2, 0, 0) in the middle rows.
    const double expected[16] = {0, 0, 4, 5, 0, 3, 0, -6, -2, 0, 0, 7, 0, 0, 0, 1};
    const Matrix m = transpose(modelMatrix({5, -6, 7}, {2, 3, 4}, {90, 90, 90}));
    for (unsigned i = 0; i < 16; ++i) EXPECT_NEAR(m.m[i], expected[i], 1e-12) << "element " << i;
}
