#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "geometry/Transforms.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

namespace {

int toolkitArgc = 1;
char toolkitName[] = "brisel_gl_tests";
char* toolkitArgv[] = {toolkitName, nullptr};

bool windowOpen = false;
bool exposed = false;

int reshapedWidth = 0;
int reshapedHeight = 0;

// Frames are driven by the tests; the toolkit's own redisplay only records that the window is up.
void noteExposure() { exposed = true; }

// The viewer's reshape handler, noting the size the toolkit reported last.
void reshapeAndNote(int width, int height) {
    reshapedWidth = width;
    reshapedHeight = height;
    reshape(width, height);
}

template <typename Done> bool pumpEventsUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace

bool openViewerWindow() {
    if (windowOpen) return true;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return false;
    glutInit(&toolkitArgc, toolkitArgv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(viewerSide, viewerSide);
    glutCreateWindow("- Brisel Project -");
    glutDisplayFunc(noteExposure);
    glutReshapeFunc(reshapeAndNote);
    if (!pumpEventsUntil([] { return exposed; })) return false;

    startFrameTimer();
    resetCameras();
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
    allocateOcclusionMap();
    windowOpen = true;
    resetViewerSettings();
    return true;
}

void resetViewerSettings() {
    resetCameras();
    opacityThreshold = 255;
    lockToFakeCamera = false;
    reshape(viewerSide, viewerSide);
    glMatrixMode(GL_MODELVIEW);
}

void runCullingFrame() {
    glMatrixMode(GL_MODELVIEW);
    cullAndDrawFrame();
}

bool resizeViewerWindow(int width, int height) {
    glutReshapeWindow(width, height);
    // Waits for the toolkit's reshape call, not only for the server's new size.
    return pumpEventsUntil([&] { return reshapedWidth == width && reshapedHeight == height; });
}

CullingResult cullOnce() {
    runCullingFrame();
    return {frameStats.passedHom, frameStats.passedDeb, visibleIndices};
}

void spinFakeCamera(double angle) {
    fakeCamera.angle = angle;
    updateEye(fakeCamera);
}

Geometry::Vector pointInFakeView(double across, double up, double distance) {
    using Geometry::Vector;
    const Vector forward = Geometry::normalize(fakeCamera.target - fakeCamera.eye);
    const Vector right = Geometry::normalize(Geometry::cross(forward, {0.0, 1.0, 0.0}));
    const Vector upward = Geometry::cross(right, forward);
    const Vector& e = fakeCamera.eye;
    return {e.x + distance * (forward.x + across * right.x + up * upward.x),
            e.y + distance * (forward.y + across * right.y + up * upward.y),
            e.z + distance * (forward.z + across * right.z + up * upward.z)};
}

SceneObject cubeAt(const Geometry::Vector& centre, double halfSide, const Geometry::Vector& colour) {
    // Object 0 is a cube of the mesh; move its corners around `centre` and rescale them.
    const SceneObject& model = sceneObjects.at(0);
    Geometry::Vector low{1e300, 1e300, 1e300}, high{-1e300, -1e300, -1e300};
    for (const Geometry::Vector& v : model.vertices) {
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    const Geometry::Vector middle{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    const double factor = 2.0 * halfSide / (high.x - low.x);
    SceneObject cube = model;
    for (Geometry::Vector& v : cube.vertices)
        v = {centre.x + (v.x - middle.x) * factor, centre.y + (v.y - middle.y) * factor,
             centre.z + (v.z - middle.z) * factor};
    cube.setColor(colour);
    return cube;
}

ScopedScene::ScopedScene(std::vector<SceneObject> objects, std::vector<std::uint32_t> occluders,
                         std::vector<std::uint32_t> occludees)
    : objects_(std::move(objects)), occluders_(std::move(occluders)), occludees_(std::move(occludees)) {
    swapWithGlobals();
}

void ScopedScene::swapWithGlobals() {
    sceneObjects.swap(objects_);
    occluderIndices.swap(occluders_);
    occludeeIndices.swap(occludees_);
}
