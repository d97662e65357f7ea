#pragma once
// The scaling sweep: generated cities of growing size, each seen from its street walk, with every
// box-testing pass timed (cpu-depth and gpu-hiz object by object and through the hierarchy, the
// lab's other methods as the lab runs them), the exact truth, the frame's drawing, build time and
// memory. Seconds are wall-clock, with glFinish around GL work.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct ScalePlan {
    std::vector<std::uint32_t> sizes{1000, 10000, 100000, 1000000}; // small objects per city
    int cpuSide = 256;                                              // cpu-depth's buffer
    int gpuSide = 640;                                              // gpu-hiz's read-back and the truth
    int walkSteps = 24;                                             // viewpoints on the walk
    std::uint64_t seed = 1;
};

struct Sample {
    std::string series; // e.g. "cpu-depth tests, hierarchy"
    double value = 0.0;
};

struct ViewResult {
    int view = 0;
    std::vector<Sample> seconds; // per timed stage
    std::vector<Sample> counts;  // culled, false culls, visible, hideable, tests, nodes
    bool sameDecisions = true;   // hierarchy == object by object, for both methods
};

struct SizeResult {
    std::uint32_t smallObjects = 0;
    std::uint32_t objects = 0;
    std::uint32_t buildings = 0;
    double generateSeconds = 0.0, hierarchySeconds = 0.0, uploadSeconds = 0.0;
    double residentMegabytes = 0.0;  // after the walk, with everything still held
    double sceneListMegabytes = 0.0; // of that, the viewer's scene lists the lab's methods read
    std::vector<ViewResult> views;
};

// GL: needs a current context with OpenGL 4.3, the lab's 640 x 640 window recorded by reshape()
// and the allocated occlusion map. Installs each city as the viewer's scene lists for the lab's
// methods and clears them again. One progress line per size on `progress`.
SizeResult runScaleSize(std::uint32_t smallObjects, const ScalePlan& plan, std::ostream& progress);

// The process's resident and peak resident memory in megabytes (0 where /proc does not tell).
double residentMegabytes();
double peakResidentMegabytes();
