// A frame whose main-camera view cannot be built is abandoned before anything is cleared, culled,
// drawn or swapped; only the frame timer has moved on.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Viewer.h"
#include "culling/FrameStats.h"
#include "scene/Scene.h"

#include <GL/gl.h>

using DisplayGl = GlTest;

TEST_F(DisplayGl, ZeroDivideInTheMainViewAbandonsTheFrame) {
    glClearColor(0.0f, 1.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    frameStats = {7, 5};
    const std::int64_t counterBefore = lastCounter;
    mainCamera.eye = mainCamera.target;

    EXPECT_NO_THROW(display());

    EXPECT_EQ(frameStats.passedHom, 7u);
    EXPECT_EQ(frameStats.passedDeb, 5u);
    EXPECT_NE(lastCounter, counterBefore);
    GLubyte pixel[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(320, 320, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 0);
    EXPECT_EQ(pixel[1], 255) << "the back buffer was cleared or drawn into";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
