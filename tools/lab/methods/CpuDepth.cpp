#include "methods/CpuDepth.h"

#include "methods/ClipTransform.h"
#include "methods/GlDepthPass.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <type_traits>

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Writes an object's vertices and faces at the arrays' ends, which were sized for the whole scene,
// and the box around its vertices (empty objects: a point at 0); returns its mesh.
tilecull::Mesh append(const SceneObject& object, float*& position, std::uint32_t*& index, float* boxMin,
                      float* boxMax) {
    const tilecull::Mesh mesh{position, static_cast<std::uint32_t>(object.vertices.size()), index,
                              static_cast<std::uint32_t>(object.faces.size())};
    float low[3] = {0.0f, 0.0f, 0.0f}, high[3] = {0.0f, 0.0f, 0.0f};
    if (!object.vertices.empty()) {
        const Geometry::Vector& first = object.vertices[0];
        low[0] = high[0] = static_cast<float>(first.x);
        low[1] = high[1] = static_cast<float>(first.y);
        low[2] = high[2] = static_cast<float>(first.z);
    }
    for (const Geometry::Vector& v : object.vertices) {
        const float p[3] = {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
        for (int k = 0; k < 3; ++k) {
            low[k] = p[k] < low[k] ? p[k] : low[k];
            high[k] = p[k] > high[k] ? p[k] : high[k];
            *position++ = p[k];
        }
    }
    for (const Face& face : object.faces)
        for (std::uint32_t corner : face.vertexIndices) *index++ = corner;
    std::copy(low, low + 3, boxMin);
    std::copy(high, high + 3, boxMax);
    return mesh;
}

static_assert(std::is_trivially_copyable_v<Geometry::Vector> &&
                  sizeof(Geometry::Vector) == 3 * sizeof(double),
              "vertices are compared as bytes");

// True when the scene holds what the state's arrays were gathered from: the same occluder and
// occludee lists, and each of their objects the same vertices, bit for bit, and face indices.
// Comparing is several times cheaper than converting again.
bool unchanged(const CullScene& scene, const CpuDepthState& state) {
    const std::vector<std::uint32_t>&occluders = *scene.occluders, &occludees = *scene.occludees;
    if (state.sourceLists.size() != occluders.size() + occludees.size() ||
        !std::equal(occluders.begin(), occluders.end(), state.sourceLists.begin()) ||
        !std::equal(occludees.begin(), occludees.end(), state.sourceLists.begin() + occluders.size()))
        return false;
    std::size_t vertex = 0, face = 0;
    for (std::uint32_t i : state.sourceLists) {
        const SceneObject& object = (*scene.objects)[i];
        const std::size_t n = object.vertices.size();
        if (vertex + n > state.sourceVertices.size() ||
            face + 3 * object.faces.size() > state.sourceFaces.size() ||
            (n > 0 && std::memcmp(object.vertices.data(), state.sourceVertices.data() + vertex,
                                  n * sizeof(Geometry::Vector)) != 0))
            return false;
        vertex += n;
        for (const Face& f : object.faces)
            for (std::uint32_t corner : f.vertexIndices)
                if (state.sourceFaces[face++] != corner) return false;
    }
    return vertex == state.sourceVertices.size() && face == state.sourceFaces.size();
}

// The one place that reads the lab's scene: occluder meshes with their boxes, occludee meshes and
// boxes, all as float arrays in world space, kept while the scene stays the same.
void gather(const CullScene& scene, CpuDepthState& state) {
    if (scene.generation != 0 && scene.generation == state.sourceGeneration) return;
    // Whatever happens below leaves the arrays current for this scene.
    state.sourceGeneration = scene.generation;
    if (unchanged(scene, state)) return;
    const std::vector<SceneObject>& objects = *scene.objects;
    state.sourceLists = *scene.occluders;
    state.sourceLists.insert(state.sourceLists.end(), scene.occludees->begin(), scene.occludees->end());
    state.sourceVertices.clear();
    state.sourceFaces.clear();
    for (std::uint32_t i : state.sourceLists) {
        state.sourceVertices.insert(state.sourceVertices.end(), objects[i].vertices.begin(),
                                    objects[i].vertices.end());
        for (const Face& f : objects[i].faces)
            state.sourceFaces.insert(state.sourceFaces.end(), f.vertexIndices, f.vertexIndices + 3);
    }
    std::size_t vertices = 0, faces = 0;
    for (const auto* list : {scene.occluders, scene.occludees})
        for (std::uint32_t i : *list) {
            vertices += objects[i].vertices.size();
            faces += objects[i].faces.size();
        }
    state.positions.resize(3 * vertices);
    state.indices.resize(3 * faces);
    float* position = state.positions.data();
    std::uint32_t* index = state.indices.data();
    state.occluders.resize(scene.occluders->size());
    for (std::size_t i = 0; i < state.occluders.size(); ++i) {
        tilecull::Occluder& o = state.occluders[i];
        o.mesh = append(objects[(*scene.occluders)[i]], position, index, o.boxMin, o.boxMax);
    }
    state.occludees.resize(scene.occludees->size());
    state.occludeeBoxes.resize(6 * scene.occludees->size());
    for (std::size_t i = 0; i < state.occludees.size(); ++i) {
        float* box = state.occludeeBoxes.data() + 6 * i;
        state.occludees[i] = append(objects[(*scene.occludees)[i]], position, index, box, box + 3);
    }
}

// The lab's row-major double matrix as tilecull's column-major floats.
std::array<float, 16> columnMajor(const Geometry::Matrix& m) {
    std::array<float, 16> out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[static_cast<std::size_t>(4 * c + r)] = static_cast<float>(m(r, c));
    return out;
}

} // namespace

CullOutcome runCpuDepth(const CullScene& scene, const CullView& view, const CpuDepthConfig& config,
                        CpuDepthState& state, bool pictures) {
    CullOutcome outcome;
    outcome.culled.assign(scene.occludees->size(), false);
    const std::array<float, 16> clip = columnMajor(viewProjection(view));
    tilecull::Culler& culler = state.culler;

    const Clock::time_point start = Clock::now();
    gather(scene, state);
    const Clock::time_point gathered = Clock::now();
    if (culler.width() != config.side || culler.height() != config.side)
        culler.resize(config.side, config.side);
    culler.clear();
    culler.setThreads(config.threads);
    culler.setCoverage(config.coverage);
    culler.renderOccluders(state.occluders.data(), state.occluders.size(), clip.data());
    const Clock::time_point rendered = Clock::now();
    state.answers.resize(state.occludees.size());
    culler.testBoxes(state.occludeeBoxes.data(), state.occludees.size(), clip.data(), state.answers.data());
    for (std::size_t i = 0; i < state.occludees.size(); ++i) {
        tilecull::Visibility v = state.answers[i];
        if (v == tilecull::Visibility::visible && config.triangles)
            v = culler.testTriangles(state.occludees[i], clip.data());
        outcome.culled[i] = v != tilecull::Visibility::visible;
    }
    const Clock::time_point tested = Clock::now();
    outcome.stages = {{"gather", secondsBetween(start, gathered)},
                      {"render", secondsBetween(gathered, rendered)},
                      {"tests", secondsBetween(rendered, tested)}};
    if (!pictures) return outcome;

    state.depth.resize(static_cast<std::size_t>(config.side) * static_cast<std::size_t>(config.side));
    culler.readDepth(state.depth.data());
    outcome.pictures.resize(1);
    depthPicture(state.depth.data(), config.side,
                 "depth buffer, " + std::to_string(config.side) + " x " + std::to_string(config.side) +
                     " in 8 x 4 tiles",
                 outcome.pictures[0]);
    return outcome;
}

double coverageAgreement(const std::vector<float>& depth, const std::vector<std::uint8_t>& mapLevel0) {
    if (depth.empty() || depth.size() != mapLevel0.size()) return 0.0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < depth.size(); ++i) same += (depth[i] < 1.0f) == (mapLevel0[i] > 0);
    return static_cast<double>(same) / static_cast<double>(depth.size());
}
