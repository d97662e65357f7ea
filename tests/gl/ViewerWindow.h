#pragma once
// The one window of the GL tests: a freeglut window with the viewer's pixel format, its reshape
// handler and projection, and the cube scene built into the global lists. It is opened on first
// use, never at start-up, so listing the tests needs no X server.
#include "TestSupport.h"
#include "mesh/SceneObject.h"

#include <cstdint>
#include <vector>

constexpr int viewerSide = 640;

// Opens the window and builds the scene once per process. False when there is no X display.
bool openViewerWindow();

// The start-up settings: both cameras reset, threshold 255, lock off, the 640 x 640 projection.
void resetViewerSettings();

// Fixture of every GL test: the shared window, with the start-up settings before and after each test.
class GlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!openViewerWindow())
            GTEST_FAIL() << "No X display (DISPLAY is unset): run the GL tests under xvfb-run, e.g. "
                            "xvfb-run -a -s \"-screen 0 1024x768x24 -noreset\" ctest -L gl";
        resetViewerSettings();
    }
    void TearDown() override { resetViewerSettings(); }
};

// Resizes the real window and pumps events until the viewer's reshape handler saw that size.
bool resizeViewerWindow(int width, int height);

// What one culling pass (cullAndDrawFrame, in model-view mode) decided.
struct CullingResult {
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;
    std::vector<std::uint32_t> visible;
    bool operator==(const CullingResult& o) const {
        return passedHom == o.passedHom && passedDeb == o.passedDeb && visible == o.visible;
    }
};
CullingResult cullOnce();

void spinFakeCamera(double angle);

// The world point `distance` in front of the fake camera at eye-space (across * d, up * d, -d).
// The viewer's frustum spans across in [-0.3, 0.3] and up in [0, 0.6]: (0, 0.3) is the image centre.
Geometry::Vector pointInFakeView(double across, double up, double distance);

// A cube of the scene's mesh centred at `centre` with half side `halfSide`, in one colour.
SceneObject cubeAt(const Geometry::Vector& centre, double halfSide, const Geometry::Vector& colour);

// Replaces the three scene lists for its lifetime and puts the originals back afterwards.
class ScopedScene {
  public:
    ScopedScene(std::vector<SceneObject> objects, std::vector<std::uint32_t> occluders,
                std::vector<std::uint32_t> occludees)
        : objects_(std::move(objects)), occluders_(std::move(occluders)), occludees_(std::move(occludees)) {
        swap();
    }
    ~ScopedScene() { swap(); }

  private:
    void swap();
    std::vector<SceneObject> objects_;
    std::vector<std::uint32_t> occluders_, occludees_;
};
