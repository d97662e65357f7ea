#pragma once
// Helpers shared by the unit and GL tests.
#include "culling/ScreenBounds.h"
#include "geometry/Transforms.h"

#include <gtest/gtest.h>

inline void expectVectorNear(const Geometry::Vector& actual, const Geometry::Vector& expected,
                             double eps = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}

// What the viewer's GL state should hold for a camera at eye/target in a side x side viewport of
// its 640 x 640 window, worked out by hand: glFrustum(-0.3, 0.3, 0, 0.6, 1, 2000), column order.
inline ViewTransforms handTransforms(const Geometry::Vector& eye, const Geometry::Vector& target, int side) {
    ViewTransforms t{{},
                     {2 / 0.6, 0, 0, 0, 0, 2 / 0.6, 0, 0, 0, 1, -2001.0 / 1999, -1, 0, 0, -4000.0 / 1999, 0},
                     {0, 0, side, side}};
    const Geometry::Matrix view = Geometry::transpose(Geometry::lookAt(eye, target, {0, 1, 0}));
    std::copy(view.m.begin(), view.m.end(), t.modelview);
    return t;
}
