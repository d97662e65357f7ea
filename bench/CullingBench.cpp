// Micro-benchmarks of the culling pass's processor work over one real frame (see BenchFrame.h):
// the pyramid build, the depth buffer fill from the 360 occluder rectangles, and the 640 occludee
// lookups, each alone and all three together; plus the projection of every box, which the viewer
// does through gluProject. Arguments: fake camera angle, opacity threshold.
#include "BenchFrame.h"

#include "app/Cameras.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionTests.h"
#include "scene/Scene.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

const BenchFrame& frameAt(int angle) {
    static std::map<int, BenchFrame> frames;
    auto found = frames.find(angle);
    if (found == frames.end()) found = frames.emplace(angle, captureFrame(BRISEL_MESH_PATH, angle)).first;
    return found->second;
}

void fillBuffer(DepthEstimationBuffer& buffer, const BenchFrame& frame) {
    clearDepthBuffer(buffer);
    for (const ScreenBounds& b : frame.occluders) recordOccluder(buffer, b.min, b.max);
}

int lookups(const BenchFrame& frame, const DepthEstimationBuffer& buffer, std::uint8_t threshold) {
    int culled = 0;
    for (const ScreenBounds& b : frame.occludees)
        if (isRectangleCovered(frame.map, b.min, b.max, threshold) && !hasCellBehind(buffer, b.min, b.max))
            ++culled;
    return culled;
}

void BM_BuildPyramid(benchmark::State& state) {
    OcclusionMap map = frameAt(static_cast<int>(state.range(0))).map;
    for (auto _ : state) {
        buildPyramid(map);
        benchmark::DoNotOptimize(map.levels[3].data());
        benchmark::ClobberMemory();
    }
}

void BM_FillDepthBuffer(benchmark::State& state) {
    const BenchFrame& frame = frameAt(static_cast<int>(state.range(0)));
    DepthEstimationBuffer buffer;
    for (auto _ : state) {
        fillBuffer(buffer, frame);
        benchmark::DoNotOptimize(buffer.cells.data());
        benchmark::ClobberMemory();
    }
    state.counters["occluders"] = static_cast<double>(frame.occluders.size());
}

void BM_OccludeeLookups(benchmark::State& state) {
    const BenchFrame& frame = frameAt(static_cast<int>(state.range(0)));
    const auto threshold = static_cast<std::uint8_t>(state.range(1));
    DepthEstimationBuffer buffer;
    fillBuffer(buffer, frame);
    int culled = 0;
    for (auto _ : state) benchmark::DoNotOptimize(culled = lookups(frame, buffer, threshold));
    state.counters["occludees"] = static_cast<double>(frame.occludees.size());
    state.counters["culled"] = culled;
}

// The three together: what the processor does per frame once level 0 and the rectangles exist.
void BM_CullingCpuFrame(benchmark::State& state) {
    const BenchFrame& frame = frameAt(static_cast<int>(state.range(0)));
    const auto threshold = static_cast<std::uint8_t>(state.range(1));
    OcclusionMap map = frame.map;
    BenchFrame work{map, frame.occluders, frame.occludees};
    DepthEstimationBuffer buffer;
    int culled = 0;
    for (auto _ : state) {
        buildPyramid(work.map);
        fillBuffer(buffer, work);
        benchmark::DoNotOptimize(culled = lookups(work, buffer, threshold));
    }
    state.counters["culled"] = culled;
}

// gluProject of the first eight vertices of all 1000 objects: 360 into the buffer's viewport and
// 640 into the map's, as the buffer build and the overlap tests do every frame.
void BM_ProjectAllBoxes(benchmark::State& state) {
    const int angle = static_cast<int>(state.range(0));
    frameAt(angle); // builds the scene and aims the fake camera
    const ViewTransforms mapView = cpuViewTransforms(fakeCamera, static_cast<int>(occlusionMapSide));
    const ViewTransforms bufferView = cpuViewTransforms(fakeCamera, depthBufferSide);
    for (auto _ : state) {
        for (std::uint32_t index : occluderIndices)
            benchmark::DoNotOptimize(projectScreenBounds(sceneObjects[index], bufferView));
        for (std::uint32_t index : occludeeIndices)
            benchmark::DoNotOptimize(projectScreenBounds(sceneObjects[index], mapView));
    }
}

void angles(benchmark::internal::Benchmark* b) {
    for (int angle : {180, 225}) b->Args({angle, 255});
}

void anglesAndThresholds(benchmark::internal::Benchmark* b) {
    for (int angle : {180, 225})
        for (int threshold : {255, 0}) b->Args({angle, threshold});
}

} // namespace

BENCHMARK(BM_BuildPyramid)->Apply(angles)->ArgNames({"angle", "threshold"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillDepthBuffer)->Apply(angles)->ArgNames({"angle", "threshold"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OccludeeLookups)
    ->Apply(anglesAndThresholds)
    ->ArgNames({"angle", "threshold"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CullingCpuFrame)
    ->Apply(anglesAndThresholds)
    ->ArgNames({"angle", "threshold"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProjectAllBoxes)->Apply(angles)->ArgNames({"angle", "threshold"})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
