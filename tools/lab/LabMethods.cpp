#include "LabMethods.h"

#include "methods/GpuHiz.h"
#include "methods/Hom.h"
#include "methods/OcclusionQuery.h"

#include <algorithm>

namespace {

const std::vector<int> homThresholds = {255, 240, 200, 150, 100, 50, 0};
const std::vector<int> gpuHizSides = {640, 160};

// Buffers and GL objects the passes keep between calls, one set per configuration; they live as
// long as the process and its one GL context.
GpuHizState gpuHiz[2];
QueryState stopAndWait, previousFrame;

// Previous-frame queries as the camera turns: a pass from the frame before issues the queries
// that this frame's pass then decides with.
CullOutcome queriesOneFrameLate(const MethodCall& c) {
    runPreviousFrameQueries(*c.scene, c.previous, previousFrame);
    return runPreviousFrameQueries(*c.scene, c.view, previousFrame);
}

std::vector<std::string> names(const std::vector<int>& values) {
    std::vector<std::string> out;
    for (int v : values) out.push_back(std::to_string(v));
    return out;
}

} // namespace

const std::vector<CullingMethod>& cullingMethods() {
    static const std::vector<CullingMethod> methods = {
        {"hom", names(homThresholds), 0, {}, true,
         [](const MethodCall& c, std::size_t i) { return runHom(*c.scene, c.view, homThresholds[i], c.pictures); }},
        {"gpu-hiz", names(gpuHizSides), 0, {"640"}, false,
         [](const MethodCall& c, std::size_t i) {
             return runGpuHiz(*c.scene, c.view, gpuHizSides[i], gpuHiz[i], c.pictures);
         }},
        {"occlusion-query", {"stop-and-wait", "previous-frame"}, 0, {"stop-and-wait"}, false,
         [](const MethodCall& c, std::size_t i) {
             return i == 0 ? runOcclusionQueries(*c.scene, c.view, stopAndWait) : queriesOneFrameLate(c);
         }},
    };
    return methods;
}
