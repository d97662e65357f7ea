// The viewer in one real GL window (its pixel format, reshape handler and scene), opened on first
// use so that listing the tests needs no X server: the state and pixels a frame leaves, the map and
// buffer the GL builds, whole culling passes, and window sizes.
#include "TestSupport.h"
#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>
#include <tuple>

constexpr int viewerSide = 640;
static int reshapedWidth = 0, reshapedHeight = 0;
static bool exposed = false;

template <typename Done> bool pumpEventsUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

// Opens the window and builds the scene once per process. False when there is no X display.
bool openViewerWindow() {
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
class ViewerGl : public ::testing::Test {
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
bool resizeViewerWindow(int width, int height) {
    glutReshapeWindow(width, height);
    return pumpEventsUntil([&] { return reshapedWidth == width && reshapedHeight == height; });
}

// What one culling pass (cullAndDrawFrame, in model-view mode) decided.
struct CullingResult {
    std::uint32_t passedHom, passedDeb;
    std::vector<std::uint32_t> visible;
    bool operator==(const CullingResult& o) const {
        return std::tie(passedHom, passedDeb, visible) == std::tie(o.passedHom, o.passedDeb, o.visible);
    }
};
CullingResult cullOnce() {
    glMatrixMode(GL_MODELVIEW);
    cullAndDrawFrame();
    return {frameStats.passedHom, frameStats.passedDeb, visibleIndices};
}

void spinFakeCamera(double angle) {
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

// In AllocationCounter.cpp: counts operator new calls from start to stop.
void startCountingAllocations();
std::size_t stopCountingAllocations();

// One check after real frames catches: either camera's start-up orbit (target, eye height, radius)
// moved, the drawing camera swapped under the lock, the final 640 x 640 viewport dropped, a
// positional light (w = 1) or one placed by another view, the overlay drawn with lighting or the
// depth test left on or not drawn at all, face culling left off, and the map's silhouettes cleared
// away.
TEST_F(ViewerGl, AFrameLeavesTheDrawingCameraViewportLightAndOverlayState) {
    // The start-up orbits, written out: 900 units around (0, -400, 0), eyes at height 500.
    const Geometry::Vector target{0, -400, 0};
    display(); // before any key: the main camera at angle 0, on +z
    const ViewTransforms startUp = readViewTransforms();
    const ViewTransforms startView = handTransforms({0, 500, 900}, target, viewerSide);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(startUp.modelview[i], startView.modelview[i], 1e-3) << "start-up element " << i;

    mainCamera.angle = 45;
    updateEye(mainCamera);
    spinFakeCamera(225);
    const double offset = 900 * std::sqrt(0.5);
    const ViewTransforms mainView = handTransforms({offset, 500, offset}, target, viewerSide);
    const ViewTransforms fakeView = handTransforms({-offset, 500, -offset}, target, viewerSide);
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        lockToFakeCamera = locked;
        display();
        ViewTransforms state = readViewTransforms(); // the overlay restores the drawing view
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(state.modelview[i], (locked ? fakeView : mainView).modelview[i], 1e-3)
                << "element " << i;
        EXPECT_EQ(std::vector<int>(state.viewport, state.viewport + 4), (std::vector<int>{0, 0, 640, 640}));
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST)) << "overlay drawn with the depth test on";
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "overlay drawn lit";
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        // On screen: white overlay text in the top band, red map silhouettes in the bottom-left.
        EXPECT_GT(countPixels(0, 510, 640, 130,
                              [](int r, int g, int b) {
                                  return std::min({r, g, b}) > 200;
                              }),
                  500);
        EXPECT_GT(
            countPixels(0, 0, 64, 64, [](int r, int g, int b) { return r > 60 && r > 2 * std::max(g, b); }),
            200);
        // Set in the main camera's view, locked or not: eye space = view * (80, 120, 100, 0).
        std::array<float, 4> light{};
        glGetLightfv(GL_LIGHT0, GL_POSITION, light.data());
        for (unsigned r = 0; r < 4; ++r) {
            const double* m = mainView.modelview;
            EXPECT_NEAR(light[r], m[r] * 80 + m[4 + r] * 120 + m[8 + r] * 100, 1e-3)
                << "light component " << r;
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Catches a ZeroDivide in the main view that escapes display, or a frame that still clears,
// culls or draws after it; only the frame timer moves on.
TEST_F(ViewerGl, ZeroDivideInTheMainViewAbandonsTheFrame) {
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

// Catches pixels outside a 1 x 1 window, read back undefined, counted as cover, and a zero-sized
// reshape that loads a degenerate projection or viewport.
TEST_F(ViewerGl, AOnePixelWindowReportsNoCoverAndAZeroSizeChangesNothing) {
    spinFakeCamera(225.0);
    const CullingResult full = cullOnce();
    ASSERT_TRUE(resizeViewerWindow(1, 1));
    const CullingResult tiny = cullOnce();
    const auto& level0 = occlusionMap.levels[0];
    EXPECT_TRUE(std::all_of(level0.begin() + 1, level0.end(), [](std::uint8_t t) { return t == 0; }));
    EXPECT_EQ(tiny.passedHom, 0u);
    ASSERT_TRUE(resizeViewerWindow(viewerSide, viewerSide));
    EXPECT_EQ(cullOnce(), full);
    // A reshape to nothing keeps the projection and viewport.
    const ViewTransforms before = readViewTransforms();
    for (const auto& [width, height] : {std::pair{0, viewerSide}, std::pair{viewerSide, 0}}) {
        reshape(width, height);
        const ViewTransforms after = readViewTransforms();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << width << " x " << height;
    }
}

// Garbage in every level and cell first, so a build that skips one shows.
static void buildBoth() {
    for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{0x5A});
    depthEstimationBuffer.cells.fill(0.25);
    glMatrixMode(GL_MODELVIEW);
    buildOcclusionMap();
    buildDepthEstimationBuffer();
}

// Catches a map rendered lit or blended (not binary), a level not rebuilt, and a depth buffer built
// in another viewport, from another camera, or over the last frame's cells.
TEST_F(ViewerGl, MapIsBinaryWithItsPyramidAndTheBufferHoldsTheNearestOccluders) {
    for (double angle : {0.0, 225.0}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        spinFakeCamera(angle);
        buildBoth();
        const auto& level0 = occlusionMap.levels[0];
        const auto covered = std::count(level0.begin(), level0.end(), 255);
        EXPECT_EQ(covered + std::count(level0.begin(), level0.end(), 0), 64 * 64) << "only 0 and 255";
        EXPECT_TRUE(covered > 400 && covered < 64 * 64 - 400) << covered;
        OcclusionMap pyramid = occlusionMap;
        buildPyramid(pyramid);
        EXPECT_EQ(pyramid.levels, occlusionMap.levels);

        DepthEstimationBuffer expected;
        clearDepthBuffer(expected);
        const ViewTransforms view = handTransforms(fakeCamera.eye, fakeCamera.target, depthBufferSide);
        for (std::uint32_t index : occluderIndices) {
            const ScreenBounds b = projectScreenBounds(sceneObjects[index], view);
            recordOccluder(expected, b.min, b.max);
        }
        for (std::size_t i = 0; i < expected.cells.size(); ++i)
            ASSERT_NEAR(depthEstimationBuffer.cells[i], expected.cells[i], 1e-6) << "cell " << i;
        EXPECT_GT(std::count_if(expected.cells.begin(), expected.cells.end(), [](double d) { return d < 1; }),
                  100);
    }
}

// Catches counters not reset per frame, survivors out of order or twice, occluders left out or
// tested, and a depth test run on (or counted for) an occludee that was not covered.
TEST_F(ViewerGl, EveryFrameKeepsTheCountsAndTheDrawingOrderConsistent) {
    for (double angle : {0.0, 90.0, 180.0, 225.0, 315.0}) {
        for (int threshold : {255, 100, 0}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", threshold " << threshold);
            spinFakeCamera(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            const CullingResult frame = cullOnce();
            EXPECT_LE(frame.passedDeb, frame.passedHom);
            ASSERT_EQ(frame.visible.size(),
                      occludeeIndices.size() - frame.passedDeb + occluderIndices.size());
            const auto survivorsEnd = frame.visible.end() - static_cast<long>(occluderIndices.size());
            EXPECT_TRUE(std::equal(survivorsEnd, frame.visible.end(), occluderIndices.begin()));
            EXPECT_TRUE(std::includes(occludeeIndices.begin(), occludeeIndices.end(), frame.visible.begin(),
                                      survivorsEnd));
            EXPECT_TRUE(std::adjacent_find(frame.visible.begin(), survivorsEnd) == survivorsEnd);
        }
    }
}

static long bluePixels() { // occludees below the overlay
    return countPixels(0, 0, 640, 510, [](int r, int g, int b) { return b > 60 && b > 2 * std::max(r, g); });
}

// Catches a culler that culls nothing or the wrong side, a lower threshold that culls less, culled
// occludees that are drawn all the same, and culling from the drawing camera instead of the fake.
TEST_F(ViewerGl, BehindTheWallsManyAreCulledFromTheMainViewAndLowerThresholdsCullMore) {
    spinFakeCamera(225.0);
    const CullingResult reference = cullOnce();
    lockToFakeCamera = true;
    EXPECT_EQ(cullOnce(), reference) << "locked";
    lockToFakeCamera = false;
    mainCamera.angle = 180;
    updateEye(mainCamera);
    EXPECT_EQ(cullOnce(), reference) << "main camera at 180";
    resetCameras();
    display();
    const long drawnFromTheFront = bluePixels();
    EXPECT_EQ(frameStats.passedDeb, 0u) << "from the front the walls hide nothing";
    for (double angle : {180.0, 225.0}) {
        spinFakeCamera(angle);
        std::uint32_t previous = 128;
        for (int threshold : {255, 200, 0}) {
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            display();
            EXPECT_GE(frameStats.passedDeb, previous) << "angle " << angle << ", threshold " << threshold;
            EXPECT_LT(bluePixels(), drawnFromTheFront * 0.97)
                << "angle " << angle << ", threshold " << threshold;
            previous = frameStats.passedDeb;
        }
    }
}

// Catches a frame that allocates (a visible list rebuilt or shrunk each frame) once warmed up.
TEST_F(ViewerGl, SteadyFramesAllocateNothing) {
    for (double angle : {0.0, 180.0, 225.0}) {
        spinFakeCamera(angle);
        for (int frame = 0; frame < 3; ++frame) cullOnce();
    }
    for (double angle : {0.0, 225.0}) {
        spinFakeCamera(angle);
        startCountingAllocations();
        for (int frame = 0; frame < 5; ++frame) cullAndDrawFrame();
        EXPECT_EQ(stopCountingAllocations(), 0u) << "angle " << angle;
    }
}
