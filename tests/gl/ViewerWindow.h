#pragma once
// The one window of the GL tests: a freeglut window with the viewer's pixel format, its reshape
// handler and projection, and the cube scene built into the global lists. It is opened on first
// use, never at start-up, so listing the tests needs no X server.
#include "TestSupport.h"
#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

constexpr int viewerSide = 640;
inline int reshapedWidth = 0, reshapedHeight = 0;
inline bool exposed = false;

template <typename Done> bool pumpEventsUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

// Opens the window and builds the scene once per process. False when there is no X display.
inline bool openViewerWindow() {
    static bool open = false;
    static int argc = 1;
    static char name[] = "brisel_gl_tests", *argv[] = {name, nullptr};
    if (open) return true;
    if (std::getenv("DISPLAY") == nullptr || *std::getenv("DISPLAY") == '\0') return false;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(viewerSide, viewerSide);
    glutCreateWindow("- Brisel Project -");
    glutDisplayFunc([] { exposed = true; }); // frames are driven by the tests
    glutReshapeFunc([](int width, int height) {
        reshapedWidth = width, reshapedHeight = height;
        reshape(width, height);
    });
    if (!pumpEventsUntil([] { return exposed; })) return false;
    startFrameTimer();
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
    allocateOcclusionMap();
    return open = true;
}

// Fixture of every GL test: the shared window, with the start-up settings (cameras reset,
// threshold 255, lock off, the 640 x 640 projection) before and after each test.
class GlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!openViewerWindow())
            GTEST_FAIL() << "No X display (DISPLAY is unset): run the GL tests under xvfb-run, e.g. "
                            "xvfb-run -a -s \"-screen 0 1024x768x24 -noreset\" ctest -L gl";
        TearDown();
    }
    void TearDown() override {
        resetCameras();
        opacityThreshold = 255;
        lockToFakeCamera = false;
        reshape(viewerSide, viewerSide);
        glMatrixMode(GL_MODELVIEW);
    }
};

// Resizes the real window and pumps events until the viewer's reshape handler saw that size.
inline bool resizeViewerWindow(int width, int height) {
    glutReshapeWindow(width, height);
    return pumpEventsUntil([&] { return reshapedWidth == width && reshapedHeight == height; });
}

// What one culling pass (cullAndDrawFrame, in model-view mode) decided.
struct CullingResult {
    std::uint32_t passedHom = 0, passedDeb = 0;
    std::vector<std::uint32_t> visible;
    bool operator==(const CullingResult& o) const {
        return passedHom == o.passedHom && passedDeb == o.passedDeb && visible == o.visible;
    }
};
inline CullingResult cullOnce() {
    glMatrixMode(GL_MODELVIEW);
    cullAndDrawFrame();
    return {frameStats.passedHom, frameStats.passedDeb, visibleIndices};
}

inline void spinFakeCamera(double angle) {
    fakeCamera.angle = angle;
    updateEye(fakeCamera);
}

// Pixels of the last frame in the rectangle (x, y, width, height) that `kind` accepts. Mesa keeps
// the back buffer's pixels across the swap.
template <typename Kind> long countPixels(int x, int y, int width, int height, Kind kind) {
    std::vector<GLubyte> rgb(static_cast<std::size_t>(width * height * 4));
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgb.data());
    long n = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 4) n += kind(rgb[i], rgb[i + 1], rgb[i + 2]);
    return n;
}
