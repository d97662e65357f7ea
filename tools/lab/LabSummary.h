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
    SweepAxis axis;                    // what the keys are; on the grid 180-270 faces the two walls
};

void writeIndex(std::ostream& out, const std::vector<MethodRow>& rows, const std::vector<CullingMethod>& methods,
                const std::vector<SweepPicture>& pictures, const LabRunInfo& info);
