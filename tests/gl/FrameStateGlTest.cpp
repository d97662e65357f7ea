// What a real frame (display) leaves in the GL state: the drawing camera, the viewport, the light
// and the overlay's state; a frame that cannot build the main view; and window sizes.
#include "ViewerWindow.h"

#include <algorithm>
#include <array>
#include <cstring>

using FrameStateGl = GlTest;

// One check after real frames catches: the drawing camera swapped under the lock, the final
// 640 x 640 viewport dropped, a positional light (w = 1) or one placed by another view, the
// overlay drawn with lighting or the depth test left on or not drawn at all, face culling left
// off, and the map's silhouettes cleared away.
TEST_F(FrameStateGl, AFrameLeavesTheDrawingCameraViewportLightAndOverlayState) {
    mainCamera.angle = 45;
    updateEye(mainCamera);
    spinFakeCamera(225);
    const ViewTransforms mainView = handTransforms(mainCamera.eye, mainCamera.target, viewerSide);
    const ViewTransforms fakeView = handTransforms(fakeCamera.eye, fakeCamera.target, viewerSide);
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        lockToFakeCamera = locked;
        display();
        ViewTransforms state = readViewTransforms(); // the overlay restores the drawing view
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(state.modelview[i], (locked ? fakeView : mainView).modelview[i], 1e-3) << "element " << i;
        EXPECT_EQ(std::vector<int>(state.viewport, state.viewport + 4), (std::vector<int>{0, 0, 640, 640}));
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST)) << "overlay drawn with the depth test on";
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "overlay drawn lit";
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        // On screen: white overlay text in the top band, red map silhouettes in the bottom-left.
        EXPECT_GT(countPixels(0, 510, 640, 130, [](int r, int g, int b) { return std::min({r, g, b}) > 200; }), 500);
        EXPECT_GT(countPixels(0, 0, 64, 64, [](int r, int g, int b) { return r > 60 && r > 2 * std::max(g, b); }), 200);
        // Set in the main camera's view, locked or not: eye space = view * (80, 120, 100, 0).
        std::array<float, 4> light{};
        glGetLightfv(GL_LIGHT0, GL_POSITION, light.data());
        for (unsigned r = 0; r < 4; ++r) {
            const double* m = mainView.modelview;
            EXPECT_NEAR(light[r], m[r] * 80 + m[4 + r] * 120 + m[8 + r] * 100, 1e-3) << "light component " << r;
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Catches a ZeroDivide in the main view that escapes display, or a frame that still clears,
// culls or draws after it; only the frame timer moves on.
TEST_F(FrameStateGl, ZeroDivideInTheMainViewAbandonsTheFrame) {
    glClearColor(0.0f, 1.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    frameStats = {7, 5};
    const std::int64_t counterBefore = lastCounter;
    mainCamera.eye = mainCamera.target;
    EXPECT_NO_THROW(display());
    EXPECT_EQ(frameStats.passedHom + frameStats.passedDeb, 12u);
    EXPECT_NE(lastCounter, counterBefore);
    GLubyte pixel[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(320, 320, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[1], 255) << "the back buffer was cleared or drawn into";
}

// Catches pixels outside a 1 x 1 window, read back undefined, counted as cover.
TEST_F(FrameStateGl, AOnePixelWindowReportsNoCoverAndFullSizeRestoresTheCounts) {
    spinFakeCamera(225.0);
    const CullingResult full = cullOnce();
    ASSERT_TRUE(resizeViewerWindow(1, 1));
    const CullingResult tiny = cullOnce();
    const auto& level0 = occlusionMap.levels[0];
    EXPECT_TRUE(std::all_of(level0.begin() + 1, level0.end(), [](std::uint8_t t) { return t == 0; }));
    EXPECT_EQ(tiny.passedHom, 0u);
    ASSERT_TRUE(resizeViewerWindow(viewerSide, viewerSide));
    EXPECT_EQ(cullOnce(), full);
}

// Catches a zero-sized reshape that loads a degenerate projection or viewport.
TEST_F(FrameStateGl, AReshapeToZeroKeepsProjectionAndViewport) {
    const ViewTransforms before = readViewTransforms();
    for (const auto& [width, height] : {std::pair{0, viewerSide}, std::pair{viewerSide, 0}}) {
        reshape(width, height);
        const ViewTransforms after = readViewTransforms();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << width << " x " << height;
    }
}
