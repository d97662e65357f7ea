#pragma once
// The index page of a sweep (Markdown): the run, the targets with the measured figures, a table
// per method, and every plot and picture with its caption.

#include "LabMethods.h"
#include "LabMetrics.h"
#include "LabSweep.h"

#include <iosfwd>
#include <string>
#include <vector>

struct LabRunInfo {
    std::string started;  // local date and time of the run
    std::string renderer; // GL renderer and version
    int repeats = 0;      // repetitions behind every median
    double sweepSeconds = 0.0;
    std::string load;                  // the machine's load while the sweep ran, in words; empty if unknown
    bool plots = true;                 // the plots were drawn
    std::vector<std::string> problems; // consistency failures found during the sweep
};

// Angles at which the fake camera faces the two occluder walls.
constexpr int wallsFacingFrom = 180;
constexpr int wallsFacingTo = 270;

void writeIndex(std::ostream& out, const std::vector<MethodRow>& rows, const std::vector<CullingMethod>& methods,
                const std::vector<SweepPicture>& pictures, const LabRunInfo& info);
