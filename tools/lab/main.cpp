// culling-lab: compares culling methods, the viewer's own among them, over a sweep of fake camera
// angles: what each gets right, gets wrong, and costs. See LabOptions.h for the command line.

#include "LabMethods.h"
#include "LabOptions.h"
#include "LabPlots.h"
#include "LabSummary.h"
#include "LabSweep.h"
#include "LabWindow.h"
#include "ModelScene.h"
#include "RunStamp.h"
#include "SceneInstall.h"
#include "SceneSetup.h"
#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <thread>

namespace {

constexpr int windowSide = 640;

bool sceneLoaded() { return !sceneObjects.empty() && !occludeeIndices.empty(); }

// A lean scene's truths and frames from its GL buffers.
ModelGpu modelGpu;

BufferTruths truthsFromBuffers(const CullView& view) {
    BufferTruths out;
    ExactTruth fine = modelTruth(modelGpu, view, windowSide);
    out.fine = std::move(fine.coverage);
    out.passed = std::move(fine.passed);
    out.coarse = modelTruth(modelGpu, view, static_cast<int>(occlusionMapSide)).coverage;
    return out;
}

void frameFromBuffers(const std::vector<std::uint32_t>& list) { drawModel(modelGpu, GpuPass::shaded, list); }

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<LabOptions> options = parseLabOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "culling-lab: " << error << "\n" << labUsage();
        return 2;
    }
    if (options->help) {
        std::cout << labUsage();
        return 0;
    }
    // Every input is read and checked before the window opens and the folder is made: a bad one
    // leaves nothing behind.
    // Big buffers straight from and back to the system: a big scene's setup frees hundreds of
    // megabytes that would otherwise stay resident, and a sweep's temporaries would pile up.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    registerCitySource();
    Scenes::SceneChoice choice = options->scene;
    choice.settings.gridMesh = options->meshPath.empty() ? BRISEL_LAB_DEFAULT_MESH : options->meshPath;
    Scenes::SceneSetup setup;
    const auto building = std::chrono::steady_clock::now();
    if (!Scenes::setUpScene(choice, setup, error)) {
        std::cerr << "culling-lab: " << error << "\n";
        return 2;
    }
    const bool lean = Scenes::installsLean(setup.model);
    Scenes::installScene(setup.model);
    if (!sceneLoaded()) {
        std::cerr << "culling-lab: " << setup.model.source << ": no object to test\n";
        return 2;
    }
    if (lean)
        setup.description += "; above " + std::to_string(Scenes::leanObjectCount) +
                             " objects: truths and frames drawn from GL buffers, occlusion-query "
                             "(a query per object) left out, no outcome pictures";
    SweepPlan plan = setup.viewerOrbit
                         ? (options->quick ? quickSweepPlan() : fullSweepPlan())
                         : plannedOver(setup.cameras, setup.orbit, setup.frustum, options->quick);
    if (options->repeats > 0) plan.repeats = options->repeats;
    plan.axis.scene = setup.description;

    resetCameras();
    allocateOcclusionMap();
    if (!openLabWindow(windowSide)) return 2;
    if (lean) {
        if (!prepareModelGpu(setup.model, modelGpu, error)) {
            std::cerr << "culling-lab: " << setup.model.source
                      << " needs storage buffers (OpenGL 4.3): " << error << "\n";
            return 2;
        }
        plan.bufferTruths = truthsFromBuffers;
        plan.bufferFrame = frameFromBuffers;
        plan.pictureAngles.clear();
        // Only the boxes and GL buffers are used from here on.
        setup.model.objects = {};
        setup.model.nameText = {};
    }

    const std::filesystem::path chosen =
        options->folder.empty() ? "lab-results/" + localTime("%Y%m%d-%H%M%S") : options->folder;
    std::error_code made;
    std::filesystem::create_directories(chosen, made);
    const std::string folder = std::filesystem::absolute(chosen).lexically_normal().string();
    if (made) {
        std::cerr << "culling-lab: cannot create " << folder << ": " << made.message() << "\n";
        return 2;
    }
    std::cout << "culling-lab: " << setup.model.source << " built, installed and uploaded in "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - building).count()
              << " s; writing to " << folder << std::endl;

    LabRunInfo info;
    info.started = localTime("%Y-%m-%d %H:%M");
    info.renderer = glDescription();
    info.repeats = plan.repeats;
    info.axis = plan.axis;
    if (colourChannelBits() < 8) {
        std::cerr << "culling-lab: the ID pass needs 8 bits per colour channel (run X at depth 24)\n";
        return 2;
    }
    if (labWindowWidth() != windowSide || labWindowHeight() != windowSide)
        info.problems.push_back("the window is " + std::to_string(labWindowWidth()) + " x " +
                                std::to_string(labWindowHeight()) + ", not 640 x 640");
    reshape(windowSide, windowSide);
    if (!setup.viewerOrbit) { // the scene's own frustum for the viewer's pass and every render after it
        const Frustum& f = plan.frustum;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    }
    glMatrixMode(GL_MODELVIEW);
    const std::string loadBefore = loadAverage();
    const auto start = std::chrono::steady_clock::now();
    const std::vector<CullingMethod> methods = cullingMethodsFor(lean);
    SweepResult sweep = runSweep(plan, methods, folder, std::cerr);
    info.sweepSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!loadBefore.empty())
        info.load = "load average " + loadBefore + " before, " + loadAverage() + " after, on " +
                    std::to_string(std::thread::hardware_concurrency()) + " cores";
    info.problems.insert(info.problems.end(), sweep.problems.begin(), sweep.problems.end());
    const std::vector<MethodRow> rows = methodMajor(sweep.rows, methods);

    std::ofstream csv(folder + "/results.csv");
    csv << csvHeader() << "\n";
    for (const MethodRow& row : rows) csv << csvLine(row) << "\n";
    csv.close();
    bool complete = static_cast<bool>(csv);
    info.plots = options->plots && drawPlots(folder, "results.csv", rows, methods, plan.axis);
    complete = complete && info.plots == options->plots;
    std::ofstream index(folder + "/index.md");
    writeIndex(index, rows, methods, sweep.pictures, info);
    index.close();
    complete = complete && index;

    for (const std::string& problem : info.problems) std::cerr << "culling-lab: " << problem << "\n";
    std::cerr << "culling-lab: " << rows.size() << " configurations in "
              << static_cast<int>(info.sweepSeconds) << " s\n";
    std::cout << "culling-lab: results in " << folder << std::endl;
    releaseOcclusionMap();
    if (lean) releaseModelGpu(modelGpu);
    return info.problems.empty() && complete ? 0 : 1;
}
