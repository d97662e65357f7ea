#include "LabSweep.h"

#include "GroundTruth.h"
#include "LabImages.h"
#include "LabStages.h"
#include "app/Cameras.h"
#include "app/Projection.h"
#include "culling/CullingPipeline.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <ostream>

namespace {

constexpr int frameSide = 640;
constexpr int pictureSide = 256; // every structure picture is blown up to this size

void aimFakeCamera(int angle) {
    fakeCamera.angle = angle;
    updateEye(fakeCamera);
    mainCamera = fakeCamera; // the frame is drawn from the fake camera, lit as the viewer lights it
    lockToFakeCamera = true;
}

std::string where(int angle, int threshold) {
    return "angle " + std::to_string(angle) + ", threshold " + std::to_string(threshold);
}

} // namespace

SweepPlan fullSweepPlan() {
    SweepPlan plan;
    for (int angle = 0; angle < 360; angle += 5) plan.angles.push_back(angle);
    plan.thresholds = {255, 240, 200, 150, 100, 50, 0};
    plan.pictureAngles = {0, 180, 225};
    plan.repeats = 9;
    return plan;
}

SweepPlan quickSweepPlan() {
    SweepPlan plan = fullSweepPlan();
    plan.angles = {0, 90, 180, 225};
    plan.repeats = 3;
    return plan;
}

bool writeStructurePictures(const std::string& folder, int angle) {
    const std::string stem = folder + "/";
    const std::string tag = std::to_string(angle);
    std::vector<GreyImage> panels;
    bool ok = true;
    for (unsigned level = 0; level < occlusionMap.levelCount; ++level) {
        const int side = static_cast<int>(levelSide(level));
        panels.push_back(scaledGrid(occlusionMap.levels[level].data(), side, pictureSide / side));
        ok = writePng(stem + "map-" + tag + "-level" + std::to_string(level) + ".png", panels.back()) && ok;
    }
    const Frustum frustum = *frustumFor(frameSide, frameSide);
    panels.push_back(depthBufferImage(depthEstimationBuffer, pictureSide / depthBufferSide, frustum.nearPlane,
                                      frustum.farPlane));
    ok = writePng(stem + "buffer-" + tag + ".png", panels.back()) && ok;
    ok = writePng(stem + "structures-" + tag + ".png", besideEachOther(panels, 8, 128)) && ok;
    return ok;
}

SweepResult runSweep(const SweepPlan& plan, const std::string& folder, std::ostream& progress) {
    SweepResult sweep;
    IdScene idScene = makeIdScene(sceneObjects);

    // One frame first, as the viewer's steady state has it: from the second frame on, face
    // culling stays enabled for the occlusion map render too.
    aimFakeCamera(plan.angles.empty() ? 0 : plan.angles.front());
    drawFrame(drawAllList());
    cullAndDrawFrame();

    std::size_t done = 0;
    for (int angle : plan.angles) {
        const auto start = std::chrono::steady_clock::now();
        aimFakeCamera(angle);
        const IdCoverage coverage = renderIdFrame(idScene, fakeCamera, frameSide);
        if (coverage.unknownPixels > 0)
            sweep.problems.push_back("angle " + std::to_string(angle) + ": " +
                                     std::to_string(coverage.unknownPixels) +
                                     " pixels of the ID frame name no object");
        const std::vector<bool> visible = visibleFlags(coverage, occludeeIndices);

        const std::vector<Measurement> measured = measureAngle(plan.thresholds, plan.repeats);
        for (std::size_t i = 0; i < plan.thresholds.size(); ++i) {
            const Measurement& m = measured[i];
            const int threshold = plan.thresholds[i];
            SweepRow row;
            row.angle = angle;
            row.threshold = threshold;
            row.passedHom = m.result.passedHom;
            row.passedDeb = m.result.passedDeb;
            row.cost = m.median;
            classifyOccludees(row, culledFlags(m.result), visible);
            if (row.drawn + row.passedDeb != row.occludees)
                sweep.problems.push_back(where(angle, threshold) + ": " + std::to_string(row.drawn) +
                                         " drawn + " + std::to_string(row.passedDeb) +
                                         " culled != occludees");
            if (!m.hoistedAgrees)
                sweep.problems.push_back(where(angle, threshold) +
                                         ": reading the transforms once per frame culls a different set");
            if (!m.pipelineAgrees)
                sweep.problems.push_back(where(angle, threshold) +
                                         ": cullAndDrawFrame disagrees with the stages run one by one");
            sweep.rows.push_back(row);
        }
        const std::uint32_t culledAtFirst = measured.empty() ? 0 : measured.front().result.passedDeb;
        if (std::find(plan.pictureAngles.begin(), plan.pictureAngles.end(), angle) !=
                plan.pictureAngles.end() &&
            !writeStructurePictures(folder, angle))
            sweep.problems.push_back("angle " + std::to_string(angle) + ": pictures not written");

        ++done;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto hidden = std::count(visible.begin(), visible.end(), false);
        progress << "[" << done << "/" << plan.angles.size() << "] angle " << angle << ": " << hidden
                 << " hidden, " << culledAtFirst << " culled at threshold "
                 << (plan.thresholds.empty() ? 0 : plan.thresholds.front()) << " ("
                 << static_cast<int>(seconds * 1e3) << " ms)" << std::endl;
    }
    return sweep;
}
