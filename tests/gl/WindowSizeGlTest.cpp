// Window sizes: a window smaller than the 64 x 64 map, a reshape to nothing, and the projection
// that reshape loads for other shapes.
#include "ViewerWindow.h"

#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>

using WindowSizeGl = GlTest;

namespace {

// Puts the real window back to the viewer's size however the test ends.
struct ViewerSizeRestorer {
    ~ViewerSizeRestorer() {
        resizeViewerWindow(viewerSide, viewerSide);
        reshape(viewerSide, viewerSide);
    }
};

std::array<double, 16> projectionMatrix() {
    std::array<double, 16> m{};
    glGetDoublev(GL_PROJECTION_MATRIX, m.data());
    return m;
}

std::array<int, 4> viewport() {
    std::array<int, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

} // namespace

TEST_F(WindowSizeGl, AOnePixelWindowReportsNoCoverOutsideItAndFullSizeRestoresTheCounts) {
    spinFakeCamera(225.0);
    const CullingResult full = cullOnce();
    ASSERT_GT(full.passedDeb, 0u);

    ViewerSizeRestorer restorer;
    ASSERT_TRUE(resizeViewerWindow(1, 1));
    reshape(1, 1); // the toolkit has called it already; the viewer's own call order does not matter
    const CullingResult tiny = cullOnce();
    // Pixels outside the window read back undefined: none of them may count as covered.
    const auto& level0 = occlusionMap.levels[0];
    EXPECT_TRUE(std::all_of(level0.begin() + 1, level0.end(), [](std::uint8_t t) { return t == 0; }));
    // Every occludee spans more than one texel, so it is looked up at a coarser level, where one
    // covered pixel averages to at most 63: nothing is covered at threshold 255.
    EXPECT_EQ(tiny.passedHom, 0u);
    EXPECT_EQ(tiny.passedDeb, 0u);
    EXPECT_EQ(tiny.visible.size(), sceneObjects.size());
    display();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    ASSERT_TRUE(resizeViewerWindow(viewerSide, viewerSide));
    EXPECT_EQ(cullOnce(), full);
}

TEST_F(WindowSizeGl, AReshapeToZeroWidthOrHeightKeepsProjectionAndViewport) {
    const auto projection = projectionMatrix();
    const auto view = viewport();
    for (const auto& [width, height] :
         {std::pair{0, viewerSide}, std::pair{viewerSide, 0}, std::pair{0, 0}}) {
        reshape(width, height);
        EXPECT_EQ(projectionMatrix(), projection) << width << " x " << height;
        EXPECT_EQ(viewport(), view) << width << " x " << height;
    }
}

TEST_F(WindowSizeGl, ReshapeLoadsTheFrustumAndViewport) {
    // Column-major glFrustum for a 1280 x 640 window, left -0.6, right 0.6, bottom 0, top 0.6:
    // [0] = 2n / (r - l), [5] = 2n / (t - b), [8] = (r + l) / (r - l), [9] = (t + b) / (t - b).
    reshape(1280, 640);
    const auto m = projectionMatrix();
    EXPECT_NEAR(m[0], 2.0 / 1.2, 1e-6);
    EXPECT_NEAR(m[5], 2.0 / 0.6, 1e-6);
    EXPECT_NEAR(m[8], 0.0, 1e-6);
    EXPECT_NEAR(m[9], 1.0, 1e-6);
    EXPECT_EQ(viewport(), (std::array<int, 4>{0, 0, 1280, 640}));
}
