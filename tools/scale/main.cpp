// culling-scale: the scaling sweep over generated cities. See usage() for the command line.

#include "City.h"
#include "GpuScene.h"
#include "LabWindow.h"
#include "RunStamp.h"
#include "ScaleReport.h"
#include "ScaleSweep.h"
#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"

#include <GL/gl.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <thread>

namespace {

std::string usage() {
    return "usage: culling-scale [--help] [--scene city:N]... [--no-plots] [OUTPUT-FOLDER]\n"
           "Generates cities, walks their streets and times every box-testing pass (cpu-depth and\n"
           "gpu-hiz object by object and through the hierarchy; hom, hom-conservative and, below 50,000\n"
           "objects, occlusion-query as the lab runs them), the exact truth and the frame's drawing;\n"
           "writes samples.csv, summary.csv, plots and index.md into OUTPUT-FOLDER (default\n"
           "scale-results/<date>-<time>).\n"
           "  --scene city:N  a city of N small objects (1 to " +
           std::to_string(maxCityObjects) +
           "); repeat for several sizes\n"
           "                  (default: 1000, 10000, 100000 and 1000000)\n"
           "  --no-plots      skip gnuplot\n";
}

} // namespace

int main(int argc, char** argv) {
    ScalePlan plan;
    std::vector<std::uint32_t> sizes;
    bool plots = true;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << usage();
            return 0;
        } else if (arg == "--no-plots") {
            plots = false;
        } else if (arg == "--scene") {
            std::string error;
            const auto n = i + 1 < argc ? parseCityRef(argv[i + 1], error) : std::nullopt;
            if (!n) {
                std::cerr << "culling-scale: " << (i + 1 < argc ? error : "--scene needs city:N") << "\n";
                return 2;
            }
            sizes.push_back(*n);
            ++i;
        } else if (!arg.empty() && arg[0] != '-' && folder.empty()) {
            folder = arg;
        } else {
            std::cerr << "culling-scale: unknown argument " << arg << "\n" << usage();
            return 2;
        }
    }
    if (!sizes.empty()) plan.sizes = sizes;

    // Big buffers straight from and back to the system, as in the lab: what one size frees does not
    // stay resident while the next one runs.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    resetCameras();
    allocateOcclusionMap();
    if (!openLabWindow(640)) return 2;
    reshape(640, 640); // the viewer's pass reads the window size it records
    std::string error;
    if (!buildGpuPrograms(error)) {
        std::cerr << "culling-scale: " << error << "\n";
        return 2;
    }
    if (colourChannelBits() < 8) {
        std::cerr << "culling-scale: the ID pass needs 8 bits per colour channel (run X at depth 24)\n";
        return 2;
    }
    const std::filesystem::path chosen =
        folder.empty() ? "scale-results/" + localTime("%Y%m%d-%H%M%S") : folder;
    std::error_code made;
    std::filesystem::create_directories(chosen, made);
    const std::string out = std::filesystem::absolute(chosen).lexically_normal().string();
    if (made) {
        std::cerr << "culling-scale: cannot create " << out << ": " << made.message() << "\n";
        return 2;
    }
    std::cout << "culling-scale: writing to " << out << std::endl;

    ScaleRunInfo info;
    info.started = localTime("%Y-%m-%d %H:%M");
    info.renderer = glDescription();
    const std::string loadBefore = loadAverage();
    const auto start = std::chrono::steady_clock::now();
    std::vector<SizeResult> results;
    for (std::uint32_t n : plan.sizes) results.push_back(runScaleSize(n, plan, std::cerr));
    info.sweepSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    info.load = "load average " + loadBefore + " before, " + loadAverage() + " after, on " +
                std::to_string(std::thread::hardware_concurrency()) + " cores";
    info.peakMegabytes = peakResidentMegabytes();
    info.problems = scaleProblems(results);

    std::ofstream samples(out + "/samples.csv"), summary(out + "/summary.csv"), script(out + "/plots.gp");
    writeSamplesCsv(samples, results);
    writeSummaryCsv(summary, results);
    writePlotScript(script, results);
    samples.close(), summary.close(), script.close();
    bool complete = samples && summary && script;
    if (plots) {
        const std::string command = "cd '" + out + "' && gnuplot plots.gp";
        if (std::system(command.c_str()) != 0) {
            std::cerr << "culling-scale: gnuplot failed on " << out << "/plots.gp\n";
            complete = false;
        }
    }
    std::ofstream index(out + "/index.md");
    writeScaleIndex(index, results, info);
    index.close();
    complete = complete && index;
    for (const std::string& problem : info.problems) std::cerr << "culling-scale: " << problem << "\n";
    std::cout << "culling-scale: results in " << out << " (peak " << static_cast<int>(info.peakMegabytes)
              << " MB)" << std::endl;
    releaseGpuPrograms();
    releaseOcclusionMap();
    return info.problems.empty() && complete ? 0 : 1;
}
