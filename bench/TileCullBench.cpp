// tilecull alone on the viewer's scene, seen by the fake camera at the lab's 72 angles through the
// 640 x 640 window's projection: drawing the 360 occluders (nearest first, hidden ones skipped),
// the 640 occludee box rectangles, their triangles, and the whole pass. The *Angles benchmarks run
// every angle once per iteration and report the median over the angles and the quartiles, in µs.
// Arguments: side, threads (1 or 2), path (0 portable, 1 AVX2).
#include "TileCull.h"
#include "app/Cameras.h"
#include "app/Projection.h"
#include "geometry/Transforms.h"
#include "scene/Scene.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Scene {
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    std::vector<tilecull::Occluder> occluders;
    std::vector<tilecull::Mesh> occludees;
    std::vector<std::array<float, 6>> occludeeBoxes; // min x y z, max x y z: testBoxes' layout
    std::vector<std::array<float, 16>> clip;         // world to clip per angle, column-major
};

tilecull::Mesh add(Scene& s, const SceneObject& object, float* boxMin, float* boxMax) {
    tilecull::Mesh mesh{s.positions.data() + s.positions.size(),
                        static_cast<std::uint32_t>(object.vertices.size()),
                        s.indices.data() + s.indices.size(), static_cast<std::uint32_t>(object.faces.size())};
    for (int k = 0; k < 3; ++k) boxMin[k] = 1e30f, boxMax[k] = -1e30f;
    for (const Geometry::Vector& v : object.vertices) {
        const float p[3] = {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
        for (int k = 0; k < 3; ++k)
            boxMin[k] = std::min(boxMin[k], p[k]), boxMax[k] = std::max(boxMax[k], p[k]);
        s.positions.insert(s.positions.end(), p, p + 3);
    }
    for (const Face& f : object.faces)
        s.indices.insert(s.indices.end(), f.vertexIndices, f.vertexIndices + 3);
    return mesh;
}

const Scene& scene() {
    static const Scene built = [] {
        Scene s;
        buildScene(BRISEL_MESH_PATH, std::cerr);
        std::size_t vertices = 0, faces = 0;
        for (const SceneObject& o : sceneObjects) vertices += o.vertices.size(), faces += o.faces.size();
        s.positions.reserve(3 * vertices);
        s.indices.reserve(3 * faces);
        for (std::uint32_t i : occluderIndices) {
            s.occluders.emplace_back();
            s.occluders.back().mesh =
                add(s, sceneObjects[i], s.occluders.back().boxMin, s.occluders.back().boxMax);
        }
        for (std::uint32_t i : occludeeIndices) {
            s.occludeeBoxes.emplace_back();
            s.occludees.push_back(
                add(s, sceneObjects[i], s.occludeeBoxes.back().data(), s.occludeeBoxes.back().data() + 3));
        }
        const Frustum f = *frustumFor(640, 640);
        const double w = f.right - f.left, h = f.top - f.bottom, d = f.farPlane - f.nearPlane;
        const double p[16] = {2 * f.nearPlane / w,
                              0,
                              (f.right + f.left) / w,
                              0,
                              0,
                              2 * f.nearPlane / h,
                              (f.top + f.bottom) / h,
                              0,
                              0,
                              0,
                              -(f.farPlane + f.nearPlane) / d,
                              -2 * f.farPlane * f.nearPlane / d,
                              0,
                              0,
                              -1,
                              0}; // row-major
        for (int angle = 0; angle < 360; angle += 5) {
            resetCameras();
            fakeCamera.angle = angle;
            updateEye(fakeCamera);
            const Geometry::Matrix v = Geometry::lookAt(fakeCamera.eye, fakeCamera.target, {0.0, 1.0, 0.0});
            std::array<float, 16> m{};
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c) {
                    double sum = 0.0;
                    for (int k = 0; k < 4; ++k) sum += p[4 * r + k] * v(k, c);
                    m[static_cast<std::size_t>(4 * c + r)] = static_cast<float>(sum);
                }
            s.clip.push_back(m);
        }
        return s;
    }();
    return built;
}

tilecull::Culler makeCuller(const benchmark::State& state) {
    tilecull::Culler culler;
    const auto side = static_cast<int>(state.range(0));
    culler.resize(side, side);
    culler.setThreads(static_cast<int>(state.range(1)));
    if (!culler.setPath(state.range(2) ? tilecull::Path::avx2 : tilecull::Path::portable))
        culler.resize(0, 0);
    return culler;
}

void render(tilecull::Culler& culler, const Scene& s, std::size_t angle) {
    culler.clear();
    culler.renderOccluders(s.occluders.data(), s.occluders.size(), s.clip[angle].data());
}

// The occludees' boxes in one batch, into `answers`.
void boxTests(const tilecull::Culler& culler, const Scene& s, std::size_t angle,
              std::vector<tilecull::Visibility>& answers) {
    static_assert(sizeof(std::array<float, 6>) == 6 * sizeof(float));
    answers.resize(s.occludeeBoxes.size());
    culler.testBoxes(s.occludeeBoxes.data()->data(), s.occludeeBoxes.size(), s.clip[angle].data(),
                     answers.data());
}

int rectTests(const tilecull::Culler& culler, const Scene& s, std::size_t angle,
              std::vector<tilecull::Visibility>& answers) {
    boxTests(culler, s, angle, answers);
    return static_cast<int>(
        s.occludees.size() -
        static_cast<std::size_t>(std::count(answers.begin(), answers.end(), tilecull::Visibility::visible)));
}

int triangleTests(const tilecull::Culler& culler, const Scene& s, std::size_t angle,
                  std::vector<tilecull::Visibility>& answers) {
    boxTests(culler, s, angle, answers);
    int culled = 0;
    for (std::size_t i = 0; i < s.occludees.size(); ++i) {
        tilecull::Visibility v = answers[i];
        if (v == tilecull::Visibility::visible)
            v = culler.testTriangles(s.occludees[i], s.clip[angle].data());
        culled += v != tilecull::Visibility::visible;
    }
    return culled;
}

// Processor time of the whole process (both threads when there are two): on a machine shared with
// other work it shows the work done, where wall time also shows the waiting for a core.
double cpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) * 1e-3;
}

// The median over the angles of each angle's median over the iterations, with the quartiles.
void report(benchmark::State& state, std::vector<std::vector<double>>& samples, const std::string& prefix) {
    std::vector<double> perAngle;
    for (auto& v : samples) {
        std::sort(v.begin(), v.end());
        if (!v.empty()) perAngle.push_back(v[v.size() / 2]);
    }
    std::sort(perAngle.begin(), perAngle.end());
    if (perAngle.empty()) return;
    state.counters[prefix + "median_us"] = perAngle[perAngle.size() / 2];
    state.counters[prefix + "q1_us"] = perAngle[perAngle.size() / 4];
    state.counters[prefix + "q3_us"] = perAngle[perAngle.size() * 3 / 4];
}

// Runs `before(angle)` untimed, then `work(angle)` timed, at every angle per iteration; reports the
// median over the angles.
template <typename Before, typename Work> void overAngles(benchmark::State& state, Before before, Work work) {
    const Scene& s = scene();
    std::vector<std::vector<double>> wall(s.clip.size()), processor(s.clip.size());
    for (auto _ : state)
        for (std::size_t a = 0; a < s.clip.size(); ++a) {
            before(a);
            const double cpuStart = cpuMicroseconds();
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(work(a));
            wall[a].push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            processor[a].push_back(cpuMicroseconds() - cpuStart);
        }
    report(state, wall, "");
    report(state, processor, "cpu_");
}

template <typename Work> void overAngles(benchmark::State& state, Work work) {
    overAngles(state, [](std::size_t) {}, work);
}

void BM_RenderAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    double drawn = 0.0, hidden = 0.0, triangles = 0.0, passes = 0.0;
    overAngles(state, [&](std::size_t a) {
        render(culler, scene(), a);
        const tilecull::Counters c = culler.counters();
        drawn += c.occludersDrawn, hidden += c.occludersHidden, triangles += c.trianglesDrawn, passes += 1.0;
        return c.trianglesDrawn;
    });
    state.counters["occluders_drawn"] = drawn / passes;
    state.counters["occluders_hidden"] = hidden / passes;
    state.counters["triangles"] = triangles / passes;
}

void BM_PassAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    std::vector<tilecull::Visibility> answers;
    overAngles(state, [&](std::size_t a) {
        render(culler, scene(), a);
        return rectTests(culler, scene(), a, answers);
    });
}

// The pass after 2 ms of other work, as in an engine that draws between passes: by then a second
// thread has stopped watching for work and sleeps until the pass wakes it.
void BM_PassAfterWorkAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    std::vector<tilecull::Visibility> answers;
    const auto otherWork = [](std::size_t) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
        while (std::chrono::steady_clock::now() < until) {
        }
    };
    overAngles(state, otherWork, [&](std::size_t a) {
        render(culler, scene(), a);
        return rectTests(culler, scene(), a, answers);
    });
}

// The pass with occluders covering whole pixels along their outlines.
void BM_OutlinePassAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    culler.setCoverage(tilecull::Coverage::outlines);
    std::vector<tilecull::Visibility> answers;
    overAngles(state, [&](std::size_t a) {
        render(culler, scene(), a);
        return rectTests(culler, scene(), a, answers);
    });
}

void BM_TrianglePassAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    std::vector<tilecull::Visibility> answers;
    overAngles(state, [&](std::size_t a) {
        render(culler, scene(), a);
        return triangleTests(culler, scene(), a, answers);
    });
}

// The rectangle tests alone at every angle, on a buffer drawn just before (with the same threads).
void BM_RectTestAngles(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    std::vector<tilecull::Visibility> answers;
    overAngles(
        state, [&](std::size_t a) { render(culler, scene(), a); },
        [&](std::size_t a) { return rectTests(culler, scene(), a, answers); });
}

// The triangle tests alone at 225 degrees (the walls head on), on a buffer drawn once.
void BM_TriangleTests225(benchmark::State& state) {
    tilecull::Culler culler = makeCuller(state);
    render(culler, scene(), 45);
    std::vector<tilecull::Visibility> answers;
    for (auto _ : state) benchmark::DoNotOptimize(triangleTests(culler, scene(), 45, answers));
}

void sidesAndThreads(benchmark::internal::Benchmark* b) {
    for (int side : {64, 128, 256, 640}) b->Args({side, 1, 1});
    b->Args({640, 2, 1});
    b->Args({256, 2, 1});
    b->Args({640, 1, 0});
}

void sides(benchmark::internal::Benchmark* b) {
    for (int side : {64, 128, 256, 640}) b->Args({side, 1, 1});
}

} // namespace

BENCHMARK(BM_RenderAngles)->Apply(sidesAndThreads)->Iterations(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassAngles)->Apply(sidesAndThreads)->Iterations(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassAfterWorkAngles)->Args({640, 1, 1})->Args({640, 2, 1})->Iterations(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OutlinePassAngles)->Args({256, 1, 1})->Iterations(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrianglePassAngles)->Apply(sides)->Iterations(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RectTestAngles)->Apply(sidesAndThreads)->Iterations(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TriangleTests225)->Apply(sides)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
