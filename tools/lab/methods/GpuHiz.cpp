#include "methods/GpuHiz.h"

#include "methods/ClipTransform.h"

#include <GL/gl.h>
#include <algorithm>
#include <string>

void releaseGpuHizState(GpuHizState& state) { releaseDepthTarget(state.target); }

namespace {

void addPictures(const GpuHizState& state, int side, CullOutcome& outcome) {
    const auto mostUsed = std::max_element(state.levelUses.begin(), state.levelUses.end()) - state.levelUses.begin();
    const auto level = static_cast<std::size_t>(mostUsed);
    const int levelSide = state.pyramid.sides[level];
    const std::string size = std::to_string(levelSide) + " x " + std::to_string(levelSide);
    outcome.pictures.resize(2);
    depthPicture(state.depth.data(), side,
                 "gpu-hiz depth read back, " + std::to_string(side) + " x " + std::to_string(side),
                 outcome.pictures[0]);
    depthPicture(state.pyramid.levels[level].data(), levelSide,
                 "gpu-hiz pyramid level " + std::to_string(level) + ", " + size + " (most tests)",
                 outcome.pictures[1]);
}

} // namespace

void runGpuHiz(const CullScene& scene, const CullView& view, int side, GpuHizState& state, bool pictures,
               CullOutcome& outcome) {
    const std::vector<std::uint32_t>& occludees = *scene.occludees;
    ensureDepthTarget(state.target, side);
    state.depth.resize(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    outcome.culled.assign(occludees.size(), false);
    outcome.stages.clear();
    outcome.passedHom = outcome.passedDeb = 0;
    outcome.pictures.clear();

    GlStageClock clock;
    {
        DepthPassScope pass(state.target, view);
        clock.start();
        drawOccluderDepth(scene);
        clock.stop(outcome.stages, "render");
        clock.start();
        glReadPixels(0, 0, side, side, GL_DEPTH_COMPONENT, GL_FLOAT, state.depth.data());
        clock.stop(outcome.stages, "read-back");
    }

    clock.start();
    buildMaxPyramid(state.depth.data(), side, state.pyramid);
    clock.stop(outcome.stages, "pyramid");

    clock.start();
    const Geometry::Matrix clip = viewProjection(view);
    for (std::size_t i = 0; i < occludees.size(); ++i) {
        const WindowRect rect = boxWindowRect((*scene.objects)[occludees[i]], clip, side);
        outcome.culled[i] = !rect.crossesNear && isRectangleHidden(state.pyramid, rect.min.x, rect.min.y,
                                                                   rect.max.x, rect.max.y, rect.min.z);
    }
    clock.stop(outcome.stages, "tests");

    if (pictures) {
        state.levelUses.assign(state.pyramid.sides.size(), 0);
        for (std::uint32_t index : occludees) {
            const WindowRect rect = boxWindowRect((*scene.objects)[index], clip, side);
            ++state.levelUses[static_cast<std::size_t>(
                pyramidLevelFor(state.pyramid, rect.min.x, rect.min.y, rect.max.x, rect.max.y))];
        }
        addPictures(state, side, outcome);
    }
    checkGlErrors("runGpuHiz");
}

CullOutcome runGpuHiz(const CullScene& scene, const CullView& view, int side, GpuHizState& state, bool pictures) {
    CullOutcome outcome;
    runGpuHiz(scene, view, side, state, pictures, outcome);
    return outcome;
}
