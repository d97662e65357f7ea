// Loading a scene file of 1,000,000 triangles: 1000 objects ("o" groups) of 1000 triangles each,
// written once as Wavefront OBJ into the temporary folder. The figure to compare with the 5 s
// target is the wall-clock time per load (Release build).
#include "SceneFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// A strip of 500 quads per object, 1000 objects on a 10 x 100 grid.
std::string writeMillionTriangles() {
    const std::string path = (std::filesystem::temp_directory_path() / "brisel-million-triangles.obj").string();
    std::ofstream out(path);
    char line[96];
    long base = 1;
    for (int object = 0; object < 1000; ++object) {
        out << "o part" << object << "\n";
        const double x = object % 10 * 12.0, z = object / 10 * 3.0;
        for (int i = 0; i <= 500; ++i) {
            std::snprintf(line, sizeof line, "v %.3f 0 %.3f\nv %.3f 1 %.3f\n", x + i * 0.02, z, x + i * 0.02, z);
            out << line;
        }
        for (int i = 0; i < 500; ++i) {
            const long a = base + 2 * i;
            std::snprintf(line, sizeof line, "f %ld %ld %ld\nf %ld %ld %ld\n", a, a + 2, a + 3, a, a + 3, a + 1);
            out << line;
        }
        base += 1002;
    }
    return path;
}

void loadMillionTriangles(benchmark::State& state) {
    static const std::string path = writeMillionTriangles();
    for (auto _ : state) {
        Scenes::SceneModel scene;
        std::string error;
        if (!Scenes::loadSceneFile(path, scene, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(scene.objects.data());
        state.counters["triangles"] = static_cast<double>(Scenes::placedTriangles(scene));
    }
    state.counters["objectBytes"] = sizeof(Scenes::SceneModelObject);
}
BENCHMARK(loadMillionTriangles)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
