#include "ScaleSweep.h"

#include "City.h"
#include "ExactTruth.h"
#include "LabSweep.h"
#include "ModelScene.h"
#include "SceneInstall.h"
#include "methods/ClipTransform.h"
#include "methods/GlDepthPass.h"
#include "scene/Scene.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <fstream>
#include <initializer_list>
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

// The buildings as world-space float meshes with their boxes, for tilecull.
struct OccluderMeshes {
    std::vector<float> positions;
    std::vector<std::uint32_t> indices; // the shared box's, for every building
    std::vector<tilecull::Occluder> all;
};

OccluderMeshes occluderMeshes(const City& city) {
    OccluderMeshes out;
    const SharedMesh& box = city.scene.meshes[boxMesh];
    const auto vertices = static_cast<std::uint32_t>(box.positions.size() / 3);
    out.indices = box.indices;
    out.positions.reserve(static_cast<std::size_t>(city.buildings) * box.positions.size());
    for (std::uint32_t i = 0; i < city.buildings; ++i) {
        const Placement& p = city.scene.objects[i];
        for (std::size_t v = 0; v < box.positions.size(); ++v)
            out.positions.push_back(box.positions[v] * p.scale[v % 3] + p.offset[v % 3]);
    }
    out.all.resize(city.buildings);
    for (std::uint32_t i = 0; i < city.buildings; ++i) {
        tilecull::Occluder& o = out.all[i];
        o.mesh = {out.positions.data() + static_cast<std::size_t>(i) * box.positions.size(), vertices,
                  out.indices.data(), static_cast<std::uint32_t>(box.indices.size() / 3)};
        std::copy(city.boxes[i].min, city.boxes[i].min + 3, o.boxMin);
        std::copy(city.boxes[i].max, city.boxes[i].max + 3, o.boxMax);
    }
    return out;
}

// The row-major double matrix as tilecull's column-major floats.
std::array<float, 16> columnMajor(const Geometry::Matrix& m) {
    std::array<float, 16> out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[static_cast<std::size_t>(4 * c + r)] = static_cast<float>(m(r, c));
    return out;
}

struct Decisions {
    std::vector<bool> alone, through;
};

// Both ways of testing every box against one depth test; the times go into `seconds`.
void testBoxes(const City& city, const BoxHierarchy& hierarchy, const RectTest& test,
               const Geometry::Matrix& clip, const std::string& method, ViewResult& result, Decisions& d) {
    const std::size_t n = city.boxes.size();
    d.alone.assign(n, false);
    d.through.assign(n, false);
    Clock::time_point start = Clock::now();
    for (std::size_t i = 0; i < n; ++i) d.alone[i] = boxHidden(test, clip, city.boxes[i]);
    result.seconds.push_back({method + " tests (each object)", since(start)});
    start = Clock::now();
    const HierarchyStats stats = cullThroughHierarchy(hierarchy, city.boxes, test, clip, d.through);
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

// The lab's own methods at the lab's default configurations. They test object by object as the lab
// runs them: hom's tests are not a plain rectangle-depth test, so the hierarchy does not apply.
struct LabRun {
    const char* method;
    const char* config;
};
constexpr LabRun labRuns[] = {
    {"hom", "255"}, {"hom-conservative", "255"}, {"occlusion-query", "stop-and-wait"}};

struct LabPass {
    CullingMethod method;
    std::size_t config = 0;
    std::vector<bool> culled; // per object
};

// Those of labRuns the lab would run on this install, as it chooses them.
std::vector<LabPass> labPasses(bool lean) {
    std::vector<LabPass> out;
    for (const CullingMethod& m : cullingMethodsFor(lean))
        for (const LabRun& run : labRuns) {
            const auto config = std::find(m.configs.begin(), m.configs.end(), run.config);
            if (m.name == run.method && config != m.configs.end())
                out.push_back({m, static_cast<std::size_t>(config - m.configs.begin()), {}});
        }
    return out;
}

// The city as the viewer's own scene lists, which hom's pass reads; lean above the lab's limit.
bool installCity(const City& city) {
    const Scenes::SceneModel model = cityModel(city);
    Scenes::installScene(model);
    return Scenes::installsLean(model);
}

// What the lists hold on the heap, counted from their capacities: the resident size's growth
// hides the memory the allocator hands out again.
double sceneListMegabytes() {
    std::size_t bytes = sceneObjects.capacity() * sizeof(SceneObject);
    for (const SceneObject& o : sceneObjects)
        bytes += o.vertices.capacity() * sizeof(Geometry::Vector) + o.faces.capacity() * sizeof(Face) +
                 (o.name.capacity() > 15 ? o.name.capacity() + 1 : 0); // short names live inside the string
    for (const std::vector<std::uint32_t>* list : {&occluderIndices, &occludeeIndices, &visibleIndices})
        bytes += list->capacity() * sizeof(std::uint32_t);
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void releaseInstalledScene() {
    std::vector<SceneObject>().swap(sceneObjects);
    std::vector<std::uint32_t>().swap(occluderIndices);
    std::vector<std::uint32_t>().swap(occludeeIndices);
    std::vector<std::uint32_t>().swap(visibleIndices);
}

// One lab pass: its stages as the lab reports them and its whole pass as a sample, and its
// decisions per object.
void runLabPass(LabPass& pass, const CullScene& scene, const CullView& view, ViewResult& result) {
    const MethodCall call{&scene, view, view, 0, false};
    const CullOutcome outcome = runKeepingState(pass.method, call, pass.config);
    for (const StageCost& stage : outcome.stages)
        result.seconds.push_back({pass.method.name + " " + stage.name, stage.seconds});
    result.seconds.push_back({pass.method.name + " pass", passSeconds(outcome)});
    assert(outcome.culled.size() == scene.occludees->size());
    pass.culled.assign(scene.objects->size(), false);
    for (std::size_t i = 0; i < outcome.culled.size() && i < scene.occludees->size(); ++i)
        pass.culled[(*scene.occludees)[i]] = outcome.culled[i];
}

// The sum of the view's named stages: a pass as it runs, through the hierarchy.
double stageSum(const ViewResult& result, std::initializer_list<const char*> stages) {
    double total = 0.0;
    for (const Sample& s : result.seconds)
        for (const char* name : stages) total += s.series == name ? s.value : 0.0;
    return total;
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
    // Not counted in the build time: the lab's copy, not the sweep's own.
    const bool lean = installCity(city);
    size.sceneListMegabytes = sceneListMegabytes();
    std::vector<LabPass> passes = labPasses(lean);
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices, newSceneGeneration()};
    const OccluderMeshes occluders = occluderMeshes(city);
    GpuScene gpu;
    start = Clock::now();
    uploadGpuScene(city.scene, gpu);
    glFinish();
    size.uploadSeconds = since(start);

    tilecull::Culler culler;
    culler.resize(plan.cpuSide, plan.cpuSide);
    std::vector<tilecull::Occluder> inViewOccluders;
    DepthPyramid gpuPyramid;
    DepthTarget depthTarget;
    TruthTarget truthTarget;
    std::vector<float> readBack(static_cast<std::size_t>(plan.gpuSide) *
                                static_cast<std::size_t>(plan.gpuSide));
    Decisions cpu, hiz;
    std::vector<std::uint32_t> drawn, inView;
    const std::vector<Scenes::Viewpoint> walk = cityWalk(city, plan.walkSteps);
    const Clock::time_point walkStart = Clock::now();
    for (std::size_t v = 0; v < walk.size(); ++v) {
        ViewResult result;
        result.view = static_cast<int>(v);
        const CullView view = cityView(city, walk[v]);
        const Geometry::Matrix clip = viewProjection(view);

        // cpu-depth: tilecull draws the buildings in view nearest first (skipping those already
        // hidden) and tests the boxes against its tiles.
        start = Clock::now();
        const std::array<float, 16> clipColumns = columnMajor(clip);
        culler.clear();
        inViewOccluders.clear();
        for (std::uint32_t i = 0; i < occluders.all.size(); ++i)
            // A building off the view would draw no pixel: not even its corners need projecting.
            if (!boxOutsideView(clip, city.boxes[i])) inViewOccluders.push_back(occluders.all[i]);
        culler.renderOccluders(inViewOccluders.data(), inViewOccluders.size(), clipColumns.data());
        result.seconds.push_back({"cpu-depth rasterize", since(start)});
        testBoxes(city, hierarchy, tileRectTest(culler), clip, "cpu-depth", result, cpu);
        result.seconds.push_back(
            {"cpu-depth pass", stageSum(result, {"cpu-depth rasterize", "cpu-depth tests (hierarchy)"})});

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
        testBoxes(city, hierarchy, pyramidRectTest(gpuPyramid), clip, "gpu-hiz", result, hiz);
        result.seconds.push_back(
            {"gpu-hiz pass", stageSum(result, {"gpu-hiz render", "gpu-hiz read-back", "gpu-hiz pyramid",
                                               "gpu-hiz tests (hierarchy)"})});

        // The lab's passes in the viewer's steady state: its projection, which the viewer's pass
        // reads from GL, and face culling on, as from its second frame on. Restored for the rest.
        glPushAttrib(GL_ENABLE_BIT);
        glEnable(GL_CULL_FACE);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glFrustum(view.frustum.left, view.frustum.right, view.frustum.bottom, view.frustum.top,
                  view.frustum.nearPlane, view.frustum.farPlane);
        glMatrixMode(GL_MODELVIEW);
        for (LabPass& pass : passes) runLabPass(pass, scene, view, result);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();

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
        for (const LabPass& pass : passes) countOutcome(pass.method.name, pass.culled, truth, result);

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
    releaseInstalledScene();
    progress << "culling-scale: city:" << smallObjects << " (" << size.objects << " objects, "
             << size.buildings << " buildings) built in "
             << size.generateSeconds + size.hierarchySeconds + size.uploadSeconds << " s, walked in "
             << since(walkStart) << " s" << std::endl;
    return size;
}
