#include "LabStages.h"

#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "culling/OcclusionTests.h"
#include "culling/ScreenBounds.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>

namespace {

// Seconds of wall-clock time for `work`, with the GL queue drained on both sides.
template <typename Work> double timed(Work&& work) {
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    work();
    glFinish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What display() does before cullAndDrawFrame, the main camera's view included.
void beginFrame() {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(mainCamera);
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

void appendOccluders(CullResult& result) {
    result.drawList.insert(result.drawList.end(), occluderIndices.begin(), occluderIndices.end());
}

} // namespace

CullResult runViewerTests() {
    cullOccludees();
    return {frameStats.passedHom, frameStats.passedDeb, visibleIndices};
}

CullResult runHoistedTests() {
    CullResult result;
    result.drawList.reserve(sceneObjects.size());
    loadCameraView(fakeCamera);
    glViewport(0, 0, occlusionMapSide, occlusionMapSide);
    const ViewTransforms transforms = readViewTransforms();
    for (std::uint32_t index : occludeeIndices) {
        const ScreenBounds bounds = projectScreenBounds(sceneObjects[index], transforms);
        if (isRectangleCovered(occlusionMap, bounds.min, bounds.max, opacityThreshold)) {
            ++result.passedHom;
            if (!hasCellBehind(depthEstimationBuffer, bounds.min, bounds.max)) {
                ++result.passedDeb;
                continue;
            }
        }
        result.drawList.push_back(index);
    }
    appendOccluders(result);
    return result;
}

std::vector<bool> culledFlags(const CullResult& result) {
    std::vector<bool> culled;
    culled.reserve(occludeeIndices.size());
    for (std::uint32_t index : occludeeIndices)
        culled.push_back(!std::binary_search(
            result.drawList.begin(),
            result.drawList.end() - static_cast<std::ptrdiff_t>(occluderIndices.size()), index));
    return culled;
}

std::vector<std::uint32_t> drawAllList() {
    std::vector<std::uint32_t> list = occludeeIndices;
    list.insert(list.end(), occluderIndices.begin(), occluderIndices.end());
    return list;
}

void drawFrame(const std::vector<std::uint32_t>& list) {
    beginFrame();
    visibleIndices.assign(list.begin(), list.end());
    lockToFakeCamera = true;
    drawVisibleObjects();
}

std::vector<Measurement> measureAngle(const std::vector<int>& thresholds, int repeats) {
    struct Samples {
        std::vector<double> map, buffer, tests, hoisted, survivors;
    };
    const auto setThreshold = [](int t) {
        opacityThreshold = static_cast<std::uint8_t>(std::clamp(t, 0, 255));
    };
    const std::vector<std::uint32_t> everything = drawAllList();
    std::vector<double> all;
    std::vector<Samples> samples(thresholds.size());
    std::vector<Measurement> out(thresholds.size());

    for (int round = 0; round < std::max(repeats, 1); ++round) {
        all.push_back(timed([&] { drawFrame(everything); }));
        for (std::size_t i = 0; i < thresholds.size(); ++i) {
            setThreshold(thresholds[i]);
            Samples& s = samples[i];
            Measurement& m = out[i];
            beginFrame();
            s.map.push_back(timed([] { buildOcclusionMap(); }));
            s.buffer.push_back(timed([] { buildDepthEstimationBuffer(); }));
            CullResult viewer, once;
            s.tests.push_back(timed([&] { viewer = runViewerTests(); }));
            s.hoisted.push_back(timed([&] { once = runHoistedTests(); }));
            s.survivors.push_back(timed([&] { drawFrame(viewer.drawList); }));
            if (round == 0) m.result = viewer;
            m.hoistedAgrees = m.hoistedAgrees && once == viewer;
            m.pipelineAgrees = m.pipelineAgrees && viewer == m.result;
        }
    }
    const double drawAll = median(all);
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        setThreshold(thresholds[i]);
        Measurement& m = out[i];
        const double pipeline = timed([] {
            beginFrame();
            cullAndDrawFrame();
        });
        const CullResult fromPipeline{frameStats.passedHom, frameStats.passedDeb, visibleIndices};
        m.pipelineAgrees = m.pipelineAgrees && fromPipeline == m.result;
        const Samples& s = samples[i];
        m.median = {median(s.map),       median(s.buffer), median(s.tests), median(s.hoisted),
                    median(s.survivors), drawAll,          pipeline};
    }
    return out;
}
