#include "ExplorerMethods.h"

#include "culling/CullingPipeline.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "methods/GpuHiz.h"
#include "methods/OcclusionQuery.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <chrono>
#include <cstdio>

namespace {

template <typename Work> double timed(Work&& work) {
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    work();
    glFinish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string thresholdText() {
    char text[48];
    std::snprintf(text, sizeof text, "threshold %d (%.3g)", opacityThreshold, opacityThreshold / 255.0);
    return text;
}

// The viewer's own pass: it reads fakeCamera and opacityThreshold, which the keys keep current.
CullOutcome viewerHom(const CullScene& /*scene*/, const CullView& /*view*/, bool pictures) {
    CullOutcome out;
    out.stages.push_back({"occlusion map", timed([] { buildOcclusionMap(); })});
    out.stages.push_back({"depth buffer", timed([] { buildDepthEstimationBuffer(); })});
    out.stages.push_back({"tests", timed([] { cullOccludees(); })});
    // Both lists ascend and the survivors come first in visibleIndices.
    out.culled.assign(occludeeIndices.size(), true);
    for (std::size_t i = 0, v = 0; i < occludeeIndices.size(); ++i)
        if (v < visibleIndices.size() && visibleIndices[v] == occludeeIndices[i]) {
            out.culled[i] = false;
            ++v;
        }
    out.passedHom = frameStats.passedHom;
    out.passedDeb = frameStats.passedDeb;
    if (pictures)
        for (unsigned level = 0; level < occlusionMap.levelCount; ++level) {
            const int side = static_cast<int>(levelSide(level));
            out.pictures.push_back({"map level " + std::to_string(level) + ", " + std::to_string(side) +
                                        " x " + std::to_string(side),
                                    side, occlusionMap.levels[level]});
        }
    return out;
}

constexpr int depthSide = 640; // the window's own resolution

CullOutcome gpuHiz(const CullScene& scene, const CullView& view, bool pictures) {
    static GpuHizState state; // kept between frames, as the method intends
    return runGpuHiz(scene, view, depthSide, state, pictures);
}

CullOutcome occlusionQueries(const CullScene& scene, const CullView& view, bool /*pictures*/) {
    static QueryState state; // side 640
    return runOcclusionQueries(scene, view, state);
}

CullOutcome drawEverything(const CullScene& scene, const CullView& /*view*/, bool /*pictures*/) {
    CullOutcome out;
    out.culled.assign(scene.occludees->size(), false);
    return out;
}

} // namespace

const std::vector<ExplorerMethod>& explorerMethods() {
    static const std::vector<ExplorerMethod> methods = {
        {"hom", [] { return thresholdText() + ", map 64 x 64, depth 32 x 32"; }, viewerHom},
        {"hom-conservative", [] { return std::string("not in this build"); }, nullptr},
        {"cpu-depth", [] { return std::string("not in this build"); }, nullptr},
        {"gpu-hiz", [] { return std::string("depth 640 x 640 read back, max-depth pyramid"); }, gpuHiz},
        {"occlusion-query", [] { return std::string("stop-and-wait, depth 640 x 640"); }, occlusionQueries},
        {"none", [] { return std::string("draw everything"); }, drawEverything},
    };
    return methods;
}
