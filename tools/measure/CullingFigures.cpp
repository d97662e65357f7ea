// Figures of the culling in a live GL context (run under an X server, e.g. Xvfb):
//  1. passedHom / passedDeb for fake-camera angles 0, 90, 180, 225, 270 at thresholds 255, 200,
//     100 and 0 (main camera at its start position, lock off);
//  2. the median time of one culling pass (map, depth buffer and the occludee tests) against one
//     whole frame (display() and glFinish), over 200 frames, at fake angles 0 and 180, and of
//     drawing all 1000 objects without culling;
//  3. with an output directory given: for fake angles 180 and 225, the locked fake-camera view as
//     drawn (culled.ppm) and with the culled occludees drawn as well (all.ppm), plus the number of
//     pixels where a culled occludee would have shown.
// Usage: brisel_culling_figures [output-directory]
#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Hud.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "geometry/Transforms.h"
#include "mesh/DrawMesh.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int side = 640;
int toolkitArgc = 1;
char toolkitName[] = "brisel_culling_figures";
char* toolkitArgv[] = {toolkitName, nullptr};

void ignoreRedisplay() {}

void openWindow() {
    glutInit(&toolkitArgc, toolkitArgv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(side, side);
    glutCreateWindow("- Brisel Project -");
    glutDisplayFunc(ignoreRedisplay);
    glutReshapeFunc(reshape);
    for (int i = 0; i < 50; ++i) glutMainLoopEvent();
    reshape(side, side);
}

void setFakeAngle(double angle) {
    fakeCamera.angle = angle;
    updateEye(fakeCamera);
}

void cullingPass() {
    glMatrixMode(GL_MODELVIEW);
    cullAndDrawFrame();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void printTable() {
    std::printf("fake angle | threshold | passedHom | passedDeb | drawn occludees\n");
    for (double angle : {0.0, 90.0, 180.0, 225.0, 270.0}) {
        for (int threshold : {255, 200, 100, 0}) {
            setFakeAngle(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            cullingPass();
            std::printf("%10.0f | %9d | %9u | %9u | %u\n", angle, threshold, frameStats.passedHom,
                        frameStats.passedDeb,
                        static_cast<unsigned>(occludeeIndices.size() - frameStats.passedDeb));
        }
    }
    std::fflush(stdout);
    opacityThreshold = 255;
}

void drawEverything() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const SceneObject& object : sceneObjects) drawMesh(object.faces, object.vertices);
}

void printTimes() {
    constexpr int warmUp = 20, frames = 200;
    std::printf("\nmedian over %d frames, milliseconds (lock off, threshold 255)\n", frames);
    std::printf("fake angle | culling pass | whole frame | share | drawn occludees\n");
    for (double angle : {0.0, 180.0}) {
        setFakeAngle(angle);
        std::vector<double> culling, whole;
        for (int i = 0; i < warmUp + frames; ++i) {
            const double before = traversalSeconds();
            const auto start = std::chrono::steady_clock::now();
            display();
            glFinish();
            const double frame = secondsSince(start);
            if (i < warmUp) continue;
            whole.push_back(frame * 1e3);
            culling.push_back((traversalSeconds() - before) * 1e3);
        }
        std::printf("%10.0f | %12.3f | %11.3f | %4.0f%% | %u\n", angle, median(culling), median(whole),
                    100.0 * median(culling) / median(whole),
                    static_cast<unsigned>(occludeeIndices.size() - frameStats.passedDeb));
    }
    // The same lit state as a frame, then all 1000 objects with no culling at all.
    std::vector<double> all;
    for (int i = 0; i < warmUp + frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        drawEverything();
        glFinish();
        if (i >= warmUp) all.push_back(secondsSince(start) * 1e3);
    }
    std::printf("drawing all 1000 objects without culling: %.3f ms\n", median(all));
    std::fflush(stdout);
}

std::vector<unsigned char> readPicture() {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(side * side * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return rgb;
}

// Binary PPM, top row first (the GL delivers the bottom row first).
void writePpm(const std::string& path, const std::vector<unsigned char>& rgb) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << side << ' ' << side << "\n255\n";
    for (int row = side - 1; row >= 0; --row)
        out.write(reinterpret_cast<const char*>(&rgb[static_cast<std::size_t>(row * side * 3)]), side * 3);
}

// One frame as display() draws it, without the swap; with `addCulled` the occludees the culling
// dropped are drawn too, into the same depth buffer.
std::vector<unsigned char> lockedPicture(bool addCulled) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixd(
        Geometry::transpose(Geometry::lookAt(mainCamera.eye, mainCamera.target, {0, 1, 0})).m.data());
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    cullAndDrawFrame();
    if (addCulled) {
        std::vector<bool> drawn(sceneObjects.size(), false);
        for (std::uint32_t index : visibleIndices) drawn[index] = true;
        for (std::uint32_t index : occludeeIndices)
            if (!drawn[index]) drawMesh(sceneObjects[index].faces, sceneObjects[index].vertices);
    }
    drawHud();
    glFinish();
    return readPicture();
}

void writePictures(const std::string& directory) {
    std::printf("\nlocked fake-camera pictures (threshold 255)\n");
    lockToFakeCamera = true;
    for (double angle : {180.0, 225.0}) {
        setFakeAngle(angle);
        const auto culled = lockedPicture(false);
        const unsigned culledCount = frameStats.passedDeb;
        const auto all = lockedPicture(true);
        std::size_t differing = 0;
        for (std::size_t p = 0; p < culled.size(); p += 3)
            differing +=
                !std::equal(culled.begin() + static_cast<long>(p), culled.begin() + static_cast<long>(p + 3),
                            all.begin() + static_cast<long>(p));
        const std::string stem = directory + "/fake-" + std::to_string(static_cast<int>(angle));
        writePpm(stem + "-culled.ppm", culled);
        writePpm(stem + "-all.ppm", all);
        std::printf(
            "angle %3.0f: %u occludees culled; pixels where a culled occludee shows: %zu (%s-*.ppm)\n", angle,
            culledCount, differing, stem.c_str());
    }
    lockToFakeCamera = false;
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    startFrameTimer();
    openWindow();
    resetCameras();
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
    allocateOcclusionMap();
    printTable();
    printTimes();
    if (argc > 1) writePictures(argv[1]);
    return 0;
}
