#include "ViewerWindow.h"

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

namespace {

int reshapedWidth = 0, reshapedHeight = 0;
bool exposed = false;

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
    static bool open = false;
    if (open) return true;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return false;
    static int argc = 1;
    static char name[] = "brisel_gl_tests";
    static char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(viewerSide, viewerSide);
    glutCreateWindow("- Brisel Project -");
    glutDisplayFunc([] { exposed = true; }); // frames are driven by the tests
    glutReshapeFunc(reshapeAndNote);
    if (!pumpEventsUntil([] { return exposed; })) return false;
    startFrameTimer();
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
    allocateOcclusionMap();
    return open = true;
}

void resetViewerSettings() {
    resetCameras();
    opacityThreshold = 255;
    lockToFakeCamera = false;
    reshape(viewerSide, viewerSide);
    glMatrixMode(GL_MODELVIEW);
}

bool resizeViewerWindow(int width, int height) {
    glutReshapeWindow(width, height);
    return pumpEventsUntil([&] { return reshapedWidth == width && reshapedHeight == height; });
}

CullingResult cullOnce() {
    glMatrixMode(GL_MODELVIEW);
    cullAndDrawFrame();
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
    // Object 0 is a cube of side 34 around (-200, -200, -200): move and rescale its corners.
    SceneObject cube = sceneObjects.at(0);
    const double factor = halfSide / 17.0;
    for (Geometry::Vector& v : cube.vertices)
        v = {centre.x + (v.x + 200) * factor, centre.y + (v.y + 200) * factor, centre.z + (v.z + 200) * factor};
    cube.setColor(colour);
    return cube;
}

void ScopedScene::swap() {
    sceneObjects.swap(objects_);
    occluderIndices.swap(occluders_);
    occludeeIndices.swap(occludees_);
}
