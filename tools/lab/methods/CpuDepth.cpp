#include "methods/CpuDepth.h"

#include "methods/ClipTransform.h"
#include "methods/GlDepthPass.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// boxWindowRect's rectangle, with one reciprocal per corner and the products written out: the
// tests stage is mostly this.
WindowRect cornerRect(const SceneObject& object, const Geometry::Matrix& clip, double side) {
    const auto& m = clip.m;
    double x0 = 1e9, y0 = 1e9, z0 = 1e9, x1 = -1e9, y1 = -1e9, z1 = -1e9;
    bool crossesNear = false;
    const std::size_t corners = std::min<std::size_t>(8, object.vertices.size());
    for (std::size_t i = 0; i < corners; ++i) {
        const Geometry::Vector& p = object.vertices[i];
        const double w = m[12] * p.x + m[13] * p.y + m[14] * p.z + m[15];
        const double inverseW = 1.0 / w;
        const double z = (m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]) * inverseW * 0.5 + 0.5;
        if (!(w > 0.0) || !(z >= 0.0)) {
            crossesNear = true;
            continue;
        }
        const double s = 0.5 * side * inverseW;
        const double x = (m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3]) * s + 0.5 * side;
        const double y = (m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7]) * s + 0.5 * side;
        x0 = x < x0 ? x : x0, x1 = x > x1 ? x : x1;
        y0 = y < y0 ? y : y0, y1 = y > y1 ? y : y1;
        z0 = z < z0 ? z : z0, z1 = z > z1 ? z : z1;
    }
    WindowRect rect;
    rect.min = {x0, y0, z0};
    rect.max = {x1, y1, z1};
    rect.crossesNear = crossesNear;
    return rect;
}

} // namespace

CullOutcome runCpuDepth(const CullScene& scene, const CullView& view, int side, CpuDepthState& state,
                        bool pictures) {
    const std::vector<SceneObject>& objects = *scene.objects;
    const std::vector<std::uint32_t>& occludees = *scene.occludees;
    CullOutcome outcome;
    outcome.culled.assign(occludees.size(), false);
    const Geometry::Matrix clip = viewProjection(view);

    const Clock::time_point start = Clock::now();
    state.rasterizer.clear(side);
    // Nearest first, so that occluders hidden behind others are found so and skipped.
    state.order.clear();
    for (std::uint32_t index : *scene.occluders) {
        const Geometry::Vector& p =
            objects[index].vertices.empty() ? Geometry::Vector{} : objects[index].vertices[0];
        state.order.push_back({clip.m[12] * p.x + clip.m[13] * p.y + clip.m[14] * p.z + clip.m[15], index});
    }
    std::sort(state.order.begin(), state.order.end());
    for (const auto& entry : state.order) state.rasterizer.drawObject(objects[entry.second], clip);
    // The pyramid takes the drawn buffer as its level 0 instead of a copy.
    if (state.pyramid.levels.empty()) state.pyramid.levels.resize(1);
    std::swap(state.pyramid.levels[0], state.rasterizer.depth);
    const Clock::time_point rasterized = Clock::now();
    buildMaxPyramid(state.pyramid.levels[0].data(), side, state.pyramid);
    const Clock::time_point built = Clock::now();
    for (std::size_t i = 0; i < occludees.size(); ++i) {
        const WindowRect rect = cornerRect(objects[occludees[i]], clip, side);
        if (rect.crossesNear) continue;
        outcome.culled[i] =
            isRectangleHidden(state.pyramid, rect.min.x, rect.min.y, rect.max.x, rect.max.y, rect.min.z);
    }
    const Clock::time_point tested = Clock::now();
    outcome.stages = {{"rasterize", secondsBetween(start, rasterized)},
                      {"pyramid", secondsBetween(rasterized, built)},
                      {"tests", secondsBetween(built, tested)}};
    if (!pictures) return outcome;

    // The level the tests used most, counted outside the timed stages.
    if (side <= 0) return outcome;
    state.testsPerLevel.assign(state.pyramid.levels.size(), 0);
    for (std::uint32_t index : occludees) {
        const WindowRect rect = cornerRect(objects[index], clip, side);
        if (!rect.crossesNear)
            ++state.testsPerLevel[static_cast<std::size_t>(
                pyramidLevelFor(state.pyramid, rect.min.x, rect.min.y, rect.max.x, rect.max.y))];
    }
    outcome.pictures.resize(2);
    depthPicture(state.pyramid.levels[0].data(), side,
                 "depth buffer level 0, " + std::to_string(side) + " x " + std::to_string(side),
                 outcome.pictures[0]);
    const auto most =
        static_cast<std::size_t>(std::max_element(state.testsPerLevel.begin(), state.testsPerLevel.end()) -
                                 state.testsPerLevel.begin());
    const int levelSide = state.pyramid.sides[most];
    depthPicture(state.pyramid.levels[most].data(), levelSide,
                 "depth pyramid level " + std::to_string(most) + ", " + std::to_string(levelSide) + " x " +
                     std::to_string(levelSide) + " (used most)",
                 outcome.pictures[1]);
    return outcome;
}

double coverageAgreement(const std::vector<float>& depth, const std::vector<std::uint8_t>& mapLevel0) {
    if (depth.empty() || depth.size() != mapLevel0.size()) return 0.0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < depth.size(); ++i) same += (depth[i] < 1.0f) == (mapLevel0[i] > 0);
    return static_cast<double>(same) / static_cast<double>(depth.size());
}
