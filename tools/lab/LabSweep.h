#pragma once
// The sweep: the fake camera over a list of angles, every method in every configuration at each,
// judged against the truths of that angle and timed beside the baselines.

#include "LabMethods.h"
#include "LabMetrics.h"

#include <iosfwd>
#include <string>
#include <vector>

struct SweepPlan {
    std::vector<int> angles;        // fake camera angles, degrees, in steps of 5
    std::vector<int> pictureAngles; // angles whose outcome pictures are written
    int repeats = 9;                // repetitions behind every median
};

// Every angle 0..355 in steps of 5, pictures at 165, 180 and 225, nine repetitions.
SweepPlan fullSweepPlan();
// The picture angles and a few more, three repetitions.
SweepPlan quickSweepPlan();

struct SweepPicture {
    std::string method;
    std::string config;
    int angle = 0;
    std::string file; // within the output folder
    std::vector<std::string> captions; // of the buffers, in the order the sheet shows them
};

struct SweepResult {
    std::vector<MethodRow> rows;       // angle after angle; at each, the methods then the baselines
    std::vector<SweepPicture> pictures;
    std::vector<std::string> problems; // consistency failures; empty when all checks held
};

// The rows grouped as the CSV and the plots want them: the methods in table order, each
// configuration in its order, then the baselines; angles ascending within each.
std::vector<MethodRow> methodMajor(std::vector<MethodRow> rows, const std::vector<CullingMethod>& methods);

// GL: needs the lab's window, the built scene, the allocated occlusion map and the viewer's
// projection (reshape at 640 x 640). Writes the pictures into `folder`; one progress line per
// angle on `progress`. Leaves the cameras, the lock and the threshold changed.
SweepResult runSweep(const SweepPlan& plan, const std::vector<CullingMethod>& methods, const std::string& folder,
                     std::ostream& progress);
