// What a real frame (display) leaves in the GL state: the drawing camera, the viewport, the light,
// the overlay's state; and a frame that cannot build the main view is abandoned.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Viewer.h"
#include "culling/FrameStats.h"

#include <GL/gl.h>
#include <array>

using FrameStateGl = GlTest;

namespace {

std::array<double, 16> modelview() {
    std::array<double, 16> m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

void expectViewOf(const OrbitCamera& camera) {
    const ViewTransforms expected = handTransforms(camera.eye, camera.target, viewerSide);
    const auto actual = modelview();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected.modelview[i], 1e-3) << "element " << i;
}

} // namespace

// One check after real frames catches: the drawing camera swapped under the lock, the final
// 640 x 640 viewport dropped, a positional light (w = 1) or one placed by another view, the
// overlay drawn with lighting or the depth test left on, and face culling left off.
TEST_F(FrameStateGl, AFrameLeavesTheDrawingCameraViewportLightAndOverlayState) {
    mainCamera.angle = 45;
    updateEye(mainCamera);
    spinFakeCamera(225);
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        lockToFakeCamera = locked;
        display();
        expectViewOf(locked ? fakeCamera : mainCamera); // the overlay restores the drawing view
        std::array<int, 4> viewport{};
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        EXPECT_EQ(viewport, (std::array<int, 4>{0, 0, 640, 640}));
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST)) << "overlay drawn with the depth test on";
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "overlay drawn lit";
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        // The light is set in the main camera's view, locked or not: eye space = view * direction.
        std::array<float, 4> light{};
        glGetLightfv(GL_LIGHT0, GL_POSITION, light.data());
        const ViewTransforms main = handTransforms(mainCamera.eye, mainCamera.target, viewerSide);
        const double direction[4] = {80, 120, 100, 0};
        for (int r = 0; r < 4; ++r) {
            double expected = 0;
            for (int c = 0; c < 4; ++c) expected += main.modelview[4 * c + r] * direction[c];
            EXPECT_NEAR(light[static_cast<unsigned>(r)], expected, 1e-3) << "light component " << r;
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
