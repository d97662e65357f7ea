#include "ScaleSweep.h"

#include "City.h"
#include "ExactTruth.h"
#include "methods/ClipTransform.h"
#include "methods/DepthRasterizer.h"
#include "methods/GlDepthPass.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <ostream>

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double statusMegabytes(const std::string& key) {
    std::ifstream in("/proc/self/status");
    std::string word;
    while (in >> word)
        if (word == key) {
            double kilobytes = 0.0;
            in >> kilobytes;
            return kilobytes / 1024.0;
        }
    return 0.0;
}

// The buildings as world-space meshes for the software rasterizer.
std::vector<SceneObject> occluderMeshes(const City& city) {
    std::vector<SceneObject> meshes(city.buildings);
    const SharedMesh& box = city.scene.meshes[boxMesh];
    for (std::uint32_t i = 0; i < city.buildings; ++i) {
        const Placement& p = city.scene.objects[i];
        for (std::size_t v = 0; v < box.positions.size(); v += 3)
            meshes[i].vertices.push_back({box.positions[v] * p.scale[0] + p.offset[0],
                                          box.positions[v + 1] * p.scale[1] + p.offset[1],
                                          box.positions[v + 2] * p.scale[2] + p.offset[2]});
        for (std::size_t k = 0; k < box.indices.size(); k += 3)
            meshes[i].faces.push_back({{box.indices[k], box.indices[k + 1], box.indices[k + 2]}, {}, {}});
    }
    return meshes;
}

struct Decisions {
    std::vector<bool> alone, through;
};

// Both ways of testing every box against one pyramid; the times go into `seconds`.
void testBoxes(const City& city, const BoxHierarchy& hierarchy, const DepthPyramid& pyramid,
               const Geometry::Matrix& clip, const std::string& method, ViewResult& result, Decisions& d) {
    const std::size_t n = city.boxes.size();
    d.alone.assign(n, false);
    d.through.assign(n, false);
    Clock::time_point start = Clock::now();
    for (std::size_t i = 0; i < n; ++i) d.alone[i] = boxHidden(pyramid, clip, city.boxes[i]);
    result.seconds.push_back({method + " tests (each object)", since(start)});
    start = Clock::now();
    const HierarchyStats stats = cullThroughHierarchy(hierarchy, city.boxes, pyramid, clip, d.through);
    result.seconds.push_back({method + " tests (hierarchy)", since(start)});
    result.counts.push_back({method + " nodes visited", static_cast<double>(stats.nodesVisited)});
    result.counts.push_back({method + " boxes tested", static_cast<double>(stats.boxesTested)});
    result.sameDecisions = result.sameDecisions && d.alone == d.through;
}

void countOutcome(const std::string& method, const std::vector<bool>& culled, const ExactTruth& truth,
                  ViewResult& result) {
    double culledCount = 0, falseCulls = 0, hideableCulled = 0;
    for (std::size_t i = 0; i < culled.size(); ++i) {
        if (!culled[i]) continue;
        ++culledCount;
        falseCulls += truth.coverage.pixels[i] > 0;
        hideableCulled += !truth.passed[i];
    }
    result.counts.push_back({method + " culled", culledCount});
    result.counts.push_back({method + " false culls", falseCulls});
    result.counts.push_back({method + " hideable culled", hideableCulled});
}

// Draws the listed objects (or all), shaded, into the window's back buffer from the view.
double timedDraw(GpuScene& gpu, const CullView& view, const std::vector<std::uint32_t>* list) {
    pushCullView(view);
    glViewport(0, 0, 640, 640);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GlStageClock clock;
    std::vector<StageCost> cost;
    clock.start();
    if (list)
        drawList(gpu, GpuPass::shaded, *list);
    else
        drawAll(gpu, GpuPass::shaded, false);
    clock.stop(cost, "draw");
    popCullView();
    return cost.front().seconds;
}

} // namespace

double residentMegabytes() { return statusMegabytes("VmRSS:"); }
double peakResidentMegabytes() { return statusMegabytes("VmHWM:"); }

SizeResult runScaleSize(std::uint32_t smallObjects, const ScalePlan& plan, std::ostream& progress) {
    SizeResult size;
    size.smallObjects = smallObjects;
    Clock::time_point start = Clock::now();
    const City city = generateCity(smallObjects, plan.seed);
    size.generateSeconds = since(start);
    size.objects = static_cast<std::uint32_t>(city.scene.objects.size());
    size.buildings = city.buildings;
    start = Clock::now();
    const BoxHierarchy hierarchy = buildHierarchy(city.boxes);
    size.hierarchySeconds = since(start);
    const std::vector<SceneObject> occluders = occluderMeshes(city);
    GpuScene gpu;
    start = Clock::now();
    uploadGpuScene(city.scene, gpu);
    glFinish();
    size.uploadSeconds = since(start);

    DepthRasterizer rasterizer;
    DepthPyramid cpuPyramid, gpuPyramid;
    DepthTarget depthTarget;
    TruthTarget truthTarget;
    std::vector<float> readBack(static_cast<std::size_t>(plan.gpuSide) *
                                static_cast<std::size_t>(plan.gpuSide));
    std::vector<std::pair<double, std::uint32_t>> order;
    Decisions cpu, hiz;
    std::vector<std::uint32_t> drawn, inView;
    const std::vector<Scenes::Viewpoint> walk = cityWalk(city, plan.walkSteps);
    const Clock::time_point walkStart = Clock::now();
    for (std::size_t v = 0; v < walk.size(); ++v) {
        ViewResult result;
        result.view = static_cast<int>(v);
        const CullView view = cityView(city, walk[v]);
        const Geometry::Matrix clip = viewProjection(view);

        // cpu-depth: the buildings in view nearest first, the max pyramid, the boxes.
        start = Clock::now();
        rasterizer.clear(plan.cpuSide);
        order.clear();
        for (std::uint32_t i = 0; i < occluders.size(); ++i) {
            // A building off the view would draw no pixel: not even its corners need projecting.
            if (boxOutsideView(clip, city.boxes[i])) continue;
            const Geometry::Vector& p = occluders[i].vertices[0];
            order.push_back({clip.m[12] * p.x + clip.m[13] * p.y + clip.m[14] * p.z + clip.m[15], i});
        }
        std::sort(order.begin(), order.end());
        for (const auto& entry : order) rasterizer.drawObject(occluders[entry.second], clip);
        result.seconds.push_back({"cpu-depth rasterize", since(start)});
        start = Clock::now();
        buildMaxPyramid(rasterizer.depth.data(), plan.cpuSide, cpuPyramid);
        result.seconds.push_back({"cpu-depth pyramid", since(start)});
        testBoxes(city, hierarchy, cpuPyramid, clip, "cpu-depth", result, cpu);

        // gpu-hiz: the buildings' depth rendered from the buffers and read back.
        ensureDepthTarget(depthTarget, plan.gpuSide);
        {
            std::vector<StageCost> stages;
            GlStageClock clock;
            DepthPassScope pass(depthTarget, view);
            clock.start();
            glClearDepth(1.0);
            glClear(GL_DEPTH_BUFFER_BIT);
            drawAll(gpu, GpuPass::depth, true);
            clock.stop(stages, "gpu-hiz render");
            clock.start();
            glReadPixels(0, 0, plan.gpuSide, plan.gpuSide, GL_DEPTH_COMPONENT, GL_FLOAT, readBack.data());
            clock.stop(stages, "gpu-hiz read-back");
            for (const StageCost& s : stages) result.seconds.push_back({s.name, s.seconds});
        }
        start = Clock::now();
        buildMaxPyramid(readBack.data(), plan.gpuSide, gpuPyramid);
        result.seconds.push_back({"gpu-hiz pyramid", since(start)});
        testBoxes(city, hierarchy, gpuPyramid, clip, "gpu-hiz", result, hiz);

        // The truth, and what each method got right.
        start = Clock::now();
        frustumCandidates(hierarchy, city.boxes, clip, inView);
        const double frustumSeconds = since(start);
        const ExactTruth truth = takeExactTruth(gpu, truthTarget, view, plan.gpuSide, &inView);
        result.seconds.push_back({"truth frustum", frustumSeconds});
        result.counts.push_back({"in view", static_cast<double>(inView.size())});
        double truthSeconds = frustumSeconds;
        for (const StageCost& s : truth.stages) {
            result.seconds.push_back({"truth " + s.name, s.seconds});
            truthSeconds += s.seconds;
        }
        result.seconds.push_back({"truth", truthSeconds});
        double visible = 0, hideable = 0;
        for (std::size_t i = 0; i < truth.passed.size(); ++i) {
            visible += truth.coverage.pixels[i] > 0;
            hideable += !truth.passed[i];
        }
        result.counts.push_back({"visible", visible});
        result.counts.push_back({"hideable", hideable});
        result.counts.push_back({"unknown pixels", static_cast<double>(truth.coverage.unknownPixels)});
        countOutcome("cpu-depth", cpu.through, truth, result);
        countOutcome("gpu-hiz", hiz.through, truth, result);

        // The frame: everything, then what cpu-depth leaves.
        result.seconds.push_back({"draw all", timedDraw(gpu, view, nullptr)});
        drawn.clear();
        for (std::uint32_t i = 0; i < cpu.through.size(); ++i)
            if (!cpu.through[i]) drawn.push_back(i);
        result.seconds.push_back({"draw after cpu-depth", timedDraw(gpu, view, &drawn)});
        size.views.push_back(std::move(result));
    }
    size.residentMegabytes = residentMegabytes();
    releaseTruthTarget(truthTarget);
    releaseDepthTarget(depthTarget);
    releaseGpuScene(gpu);
    progress << "culling-scale: city:" << smallObjects << " (" << size.objects << " objects, "
             << size.buildings << " buildings) built in "
             << size.generateSeconds + size.hierarchySeconds + size.uploadSeconds << " s, walked in "
             << since(walkStart) << " s" << std::endl;
    return size;
}
