#pragma once
// The one window of the GL tests: a freeglut window with the viewer's pixel format, its reshape
// handler and projection, and the cube scene built into the global lists. It is opened on first
// use, never at start-up, so listing the tests needs no X server.

#include "mesh/SceneObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

constexpr int viewerSide = 640;

// Opens the window and builds the scene once per process. False when there is no X display.
bool openViewerWindow();

// The start-up settings: both cameras reset, threshold 255, lock off, the 640 x 640 projection.
void resetViewerSettings();

// Fixture of every GL test: the shared window, with the start-up settings before and after each
// test so that no test sees another's cameras, threshold, lock or projection.
class GlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openViewerWindow()) << "the GL tests need an X server (run them under xvfb-run)";
        resetViewerSettings();
    }
    void TearDown() override { resetViewerSettings(); }
};

// The culling and drawing part of a frame as display() runs it: model-view mode, cullAndDrawFrame.
void runCullingFrame();

// Resizes the real window and pumps toolkit events until the toolkit has called the viewer's
// reshape handler with that size. False when it does not get there within a few seconds.
bool resizeViewerWindow(int width, int height);

// What one culling pass decided.
struct CullingResult {
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;
    std::vector<std::uint32_t> visible;
    bool operator==(const CullingResult& other) const {
        return passedHom == other.passedHom && passedDeb == other.passedDeb && visible == other.visible;
    }
};

// runCullingFrame and what it decided.
CullingResult cullOnce();

// Puts the fake camera at `angle` degrees on its orbit.
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
                std::vector<std::uint32_t> occludees);
    ~ScopedScene() { swapWithGlobals(); }
    ScopedScene(const ScopedScene&) = delete;
    ScopedScene& operator=(const ScopedScene&) = delete;

  private:
    void swapWithGlobals();
    std::vector<SceneObject> objects_;
    std::vector<std::uint32_t> occluders_;
    std::vector<std::uint32_t> occludees_;
};
