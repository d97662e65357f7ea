#include "methods/CpuDepth.h"

#include "methods/ClipTransform.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// boxWindowRect's rectangle, with one reciprocal per corner and the matrix product written out:
// the tests stage is mostly this.
WindowRect cornerRect(const SceneObject& object, const Geometry::Matrix& clip, double side) {
    WindowRect rect;
    const auto& m = clip.m;
    const std::size_t corners = std::min<std::size_t>(8, object.vertices.size());
    for (std::size_t i = 0; i < corners; ++i) {
        const Geometry::Vector& p = object.vertices[i];
        const double w = m[12] * p.x + m[13] * p.y + m[14] * p.z + m[15];
        const double z = (m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]) / w * 0.5 + 0.5;
        if (!(w > 0.0) || !(z >= 0.0)) {
            rect.crossesNear = true;
            continue;
        }
        const double s = 0.5 * side / w;
        const double x = (m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3]) * s + 0.5 * side;
        const double y = (m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7]) * s + 0.5 * side;
        rect.min = {std::min(rect.min.x, x), std::min(rect.min.y, y), std::min(rect.min.z, z)};
        rect.max = {std::max(rect.max.x, x), std::max(rect.max.y, y), std::max(rect.max.z, z)};
    }
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
    for (std::uint32_t index : *scene.occluders) state.rasterizer.drawObject(objects[index], clip);
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
    state.testsPerLevel.assign(state.pyramid.levels.size(), 0);
    for (std::uint32_t index : occludees) {
        const WindowRect rect = cornerRect(objects[index], clip, side);
        if (!rect.crossesNear && !state.pyramid.levels.empty())
            ++state.testsPerLevel[static_cast<std::size_t>(
                pyramidLevelFor(state.pyramid, rect.min.x, rect.min.y, rect.max.x, rect.max.y))];
    }
    const std::string size = std::to_string(side) + " x " + std::to_string(side);
    outcome.pictures.push_back(depthPicture(state.pyramid.levels[0], side, "depth buffer level 0, " + size));
    if (!state.testsPerLevel.empty()) {
        const auto most = static_cast<std::size_t>(
            std::max_element(state.testsPerLevel.begin(), state.testsPerLevel.end()) - state.testsPerLevel.begin());
        const int levelSide = state.pyramid.sides[most];
        outcome.pictures.push_back(depthPicture(state.pyramid.levels[most], levelSide,
                                                "depth pyramid level " + std::to_string(most) + ", " +
                                                    std::to_string(levelSide) + " x " + std::to_string(levelSide) +
                                                    " (used most)"));
    }
    return outcome;
}

BufferPicture depthPicture(const std::vector<float>& depth, int side, std::string caption) {
    BufferPicture picture;
    picture.caption = std::move(caption);
    picture.side = side;
    picture.grey.assign(depth.size(), 0);
    // Stretched over the covered range: the scene's depths crowd just below 1.
    float nearest = 1.0f, farthest = 0.0f;
    for (float z : depth)
        if (z < 1.0f) nearest = std::min(nearest, z), farthest = std::max(farthest, z);
    const float range = farthest > nearest ? farthest - nearest : 1.0f;
    for (std::size_t i = 0; i < depth.size(); ++i)
        if (depth[i] < 1.0f)
            picture.grey[i] = static_cast<std::uint8_t>(255.0f - 191.0f * (depth[i] - nearest) / range + 0.5f);
    return picture;
}

double coverageAgreement(const std::vector<float>& depth, const std::vector<std::uint8_t>& mapLevel0) {
    if (depth.empty() || depth.size() != mapLevel0.size()) return 0.0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < depth.size(); ++i) same += (depth[i] < 1.0f) == (mapLevel0[i] > 0);
    return static_cast<double>(same) / static_cast<double>(depth.size());
}
