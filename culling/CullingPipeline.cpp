#include "culling/CullingPipeline.h"

#include "app/Cameras.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "culling/OcclusionTests.h"
#include "mesh/DrawMesh.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <chrono>

FrameStats frameStats;

namespace {
constexpr int drawViewportSide = 640;
std::chrono::steady_clock::duration traversalTime{};
} // namespace

double traversalSeconds() { return std::chrono::duration<double>(traversalTime).count(); }

void cullOccludees() {
    visibleIndices.clear(); // keeps its capacity: a steady frame allocates nothing
    for (std::uint32_t index : occludeeIndices) {
        SceneObject& occludee = sceneObjects[index];
        if (overlapTest(occludee) && !depthTest(occludee)) continue;
        visibleIndices.push_back(index);
    }
    visibleIndices.insert(visibleIndices.end(), occluderIndices.begin(), occluderIndices.end());
}

void drawVisibleObjects() {
    loadCameraView(lockToFakeCamera ? fakeCamera : mainCamera);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glViewport(0, 0, drawViewportSide, drawViewportSide);
    for (std::uint32_t index : visibleIndices) {
        const SceneObject& object = sceneObjects[index];
        drawMesh(object.faces, object.vertices);
    }
}

void cullAndDrawFrame() {
    const auto start = std::chrono::steady_clock::now();
    buildOcclusionMap();
    buildDepthEstimationBuffer();
    cullOccludees();
    traversalTime += std::chrono::steady_clock::now() - start;
    drawVisibleObjects();
}
