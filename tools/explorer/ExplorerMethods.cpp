#include "ExplorerMethods.h"

#include "methods/CpuDepth.h"
#include "methods/GpuHiz.h"
#include "methods/Hom.h"
#include "methods/HomConservative.h"
#include "methods/OcclusionQuery.h"

#include <cstdio>

namespace {

std::string thresholdText() {
    char text[48];
    std::snprintf(text, sizeof text, "threshold %d (%.3g)", opacityThreshold, opacityThreshold / 255.0);
    return text;
}

CullOutcome hom(const CullScene& scene, const CullView& view, bool pictures) {
    return runHom(scene, view, opacityThreshold, pictures);
}

CullOutcome homConservative(const CullScene& scene, const CullView& view, bool pictures) {
    static HomConservativeState state;
    return runHomConservative(scene, view, opacityThreshold, state, pictures);
}

constexpr int depthSide = 640; // the window's own resolution

CullOutcome gpuHiz(const CullScene& scene, const CullView& view, bool pictures) {
    static GpuHizState state; // kept between frames, as the method intends
    return runGpuHiz(scene, view, depthSide, state, pictures);
}

// The lab's default configuration: at the window's own resolution it culls nothing that shows.
const CpuDepthConfig cpuDepthConfig{640, false, 1};

CullOutcome cpuDepth(const CullScene& scene, const CullView& view, bool pictures) {
    static CpuDepthState state;
    return runCpuDepth(scene, view, cpuDepthConfig, state, pictures);
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
        {"hom", [] { return thresholdText() + ", map 64 x 64, depth 32 x 32"; }, hom},
        {"hom-conservative", [] { return thresholdText() + ", every texel, farthest depth 32 x 32"; },
         homConservative},
        {"cpu-depth", [] { return std::string("processor depth 640 x 640 in 8 x 4 tiles, box rectangles"); },
         cpuDepth},
        {"gpu-hiz", [] { return std::string("depth 640 x 640 read back, max-depth pyramid"); }, gpuHiz},
        {"occlusion-query", [] { return std::string("stop-and-wait, depth 640 x 640"); }, occlusionQueries},
        {"none", [] { return std::string("draw everything"); }, drawEverything},
    };
    return methods;
}
