#pragma once
// The Markdown summary of a sweep: per-threshold figures, the cost targets and the false culls at
// the first threshold swept, in plain words.

#include "LabMetrics.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct LabRunInfo {
    std::string started;          // local date and time of the run
    std::string renderer;         // GL renderer and version
    int repeats = 0;              // repetitions behind every median
    std::uint32_t objects = 1000; // objects in the scene, occluders included
    double sweepSeconds = 0.0;
    std::string load;                  // the machine's load while the sweep ran, in words; empty if unknown
    std::vector<std::string> problems; // consistency failures found during the sweep
};

// Angles at which the fake camera faces the two occluder walls.
constexpr int wallsFacingFrom = 180;
constexpr int wallsFacingTo = 270;
constexpr double frameRatioTarget = 0.6;
constexpr double cullingShareTarget = 0.10;

// The largest frame ratio among the rows of `threshold` with angle in [from, to]; angle -1 if none.
AngleValue worstRatioBetween(const std::vector<SweepRow>& rows, int threshold, int from, int to);

// The largest culling-pass share of the culled frame over all rows; angle -1 if none.
AngleValue worstCullingShare(const std::vector<SweepRow>& rows, int& threshold);

void writeSummary(std::ostream& out, const std::vector<SweepRow>& rows, const LabRunInfo& info);
