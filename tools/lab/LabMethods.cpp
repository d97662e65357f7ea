#include "LabMethods.h"

#include "app/Cameras.h"
#include "culling/OcclusionMap.h"
#include "methods/CpuDepth.h"
#include "methods/GpuHiz.h"
#include "methods/Hom.h"
#include "methods/HomConservative.h"
#include "methods/OcclusionQuery.h"

#include <algorithm>

namespace {

const std::vector<int> homThresholds = {255, 240, 200, 150, 100, 50, 0};
const std::vector<int> gpuHizSides = {640, 160};
// Sides with rectangle tests on one thread, then the triangle test and two threads where the
// buffer is large enough for them to matter, and 256 with outline coverage, which keeps the gaps
// between occluders that are narrower than its pixels open.
const std::vector<CpuDepthConfig> cpuDepthConfigs = {
    {64, false, 1},  {128, false, 1}, {256, false, 1},
    {640, false, 1}, {256, true, 1},  {640, true, 1},
    {256, false, 2}, {640, false, 2}, {256, false, 1, tilecull::Coverage::outlines}};

std::vector<std::string> names(const std::vector<CpuDepthConfig>& configs) {
    std::vector<std::string> out;
    for (const CpuDepthConfig& c : configs)
        out.push_back(std::to_string(c.side) + (c.triangles ? "-triangles" : "") +
                      (c.threads > 1 ? "-" + std::to_string(c.threads) + "-threads" : "") +
                      (c.coverage == tilecull::Coverage::wholePixels ? "-whole-pixels"
                       : c.coverage == tilecull::Coverage::outlines  ? "-outlines"
                                                                     : ""));
    return out;
}

std::vector<std::string> names(const std::vector<int>& values) {
    std::vector<std::string> out;
    for (int v : values) out.push_back(std::to_string(v));
    return out;
}

// Buffers and GL objects the passes keep between calls, one set per configuration; they live as
// long as the process and its one GL context.
// Sized from the configuration lists, so that a configuration added there has its own.
std::vector<HomConservativeState> homConservative(homThresholds.size());
std::vector<GpuHizState> gpuHiz(gpuHizSides.size());
std::vector<CpuDepthState> cpuDepth(cpuDepthConfigs.size());
QueryState stopAndWait;

struct FrameHistory {
    QueryState state;
    bool seen = false;
    Geometry::Vector lastEye; // the view its last pass was from
};
std::vector<FrameHistory> histories; // one per round

// Previous-frame queries as the camera turns: this frame decides with the queries its round's
// pass issued at the previous view; where that pass did not happen (the first angle, a gap in
// the sweep, the pictures' extra call), it is run first, outside this frame.
CullOutcome queriesOneFrameLate(const MethodCall& c) {
    const auto round = static_cast<std::size_t>(std::max(c.round, 0));
    if (histories.size() <= round) histories.resize(round + 1);
    FrameHistory& h = histories[round];
    const Geometry::Vector& previous = c.previous.camera.eye;
    if (!h.seen || h.lastEye.x != previous.x || h.lastEye.y != previous.y || h.lastEye.z != previous.z)
        runPreviousFrameQueries(*c.scene, c.previous, h.state);
    h.seen = true;
    h.lastEye = c.view.camera.eye;
    return runPreviousFrameQueries(*c.scene, c.view, h.state);
}

CullOutcome hom(const MethodCall& c, std::size_t i) {
    return runHom(*c.scene, c.view, homThresholds[i], c.pictures);
}

CullOutcome gpuHizPass(const MethodCall& c, std::size_t i) {
    return runGpuHiz(*c.scene, c.view, gpuHizSides[i], gpuHiz[i], c.pictures);
}

CullOutcome homConservativePass(const MethodCall& c, std::size_t i) {
    return runHomConservative(*c.scene, c.view, homThresholds[i], homConservative[i], c.pictures);
}

CullOutcome cpuDepthPass(const MethodCall& c, std::size_t i) {
    return runCpuDepth(*c.scene, c.view, cpuDepthConfigs[i], cpuDepth[i], c.pictures);
}

// At the map's own side: the last pass's coverage against the viewer's map level 0, built by the
// viewer's own function for the same view.
double cpuDepthAgreement(const MethodCall& c, std::size_t i) {
    const int side = cpuDepthConfigs[i].side;
    if (side != static_cast<int>(occlusionMapSide)) return -1.0;
    fakeCamera = c.view.camera;
    buildOcclusionMap();
    std::vector<float> depth(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    cpuDepth[i].culler.readDepth(depth.data());
    return coverageAgreement(depth, occlusionMap.levels[0]);
}

CullOutcome queries(const MethodCall& c, std::size_t i) {
    return i == 0 ? runOcclusionQueries(*c.scene, c.view, stopAndWait) : queriesOneFrameLate(c);
}

} // namespace

const std::vector<CullingMethod>& cullingMethods() {
    static const std::vector<CullingMethod> methods = {
        // name, configurations, default, exact ones, exact at 64 x 64, map counters, pass, map agreement
        {"hom", names(homThresholds), 0, {}, {}, true, hom, {}},
        {"hom-conservative", names(homThresholds), 0, {}, {"255"}, true, homConservativePass, {}},
        {"cpu-depth",
         names(cpuDepthConfigs),
         3,
         {"640", "640-triangles", "640-2-threads"},
         {},
         false,
         cpuDepthPass,
         cpuDepthAgreement},
        {"gpu-hiz", names(gpuHizSides), 0, {"640"}, {}, false, gpuHizPass, {}},
        {"occlusion-query",
         {"stop-and-wait", "previous-frame"},
         0,
         {"stop-and-wait"},
         {},
         false,
         queries,
         {}},
    };
    return methods;
}

std::vector<CullingMethod> cullingMethodsFor(bool lean) {
    std::vector<CullingMethod> methods = cullingMethods();
    if (lean)
        methods.erase(std::remove_if(methods.begin(), methods.end(),
                                     [](const CullingMethod& m) { return m.name == "occlusion-query"; }),
                      methods.end());
    return methods;
}
