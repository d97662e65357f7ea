#pragma once
// The sweep: the fake camera over a list of angles and the opacity threshold over a list of
// values, measuring every configuration against the ID-colour ground truth of its angle.

#include "LabMetrics.h"

#include <iosfwd>
#include <string>
#include <vector>

struct SweepPlan {
    std::vector<int> angles;        // fake camera angles, degrees
    std::vector<int> thresholds;    // opacity thresholds; the first is the one the summary details
    std::vector<int> pictureAngles; // angles whose map levels and depth buffer are written as PNG
    int repeats = 9;                // repetitions behind every median
};

// Every angle 0..355 in steps of 5, thresholds 255, 240, 200, 150, 100, 50, 0, nine repetitions.
SweepPlan fullSweepPlan();
// A few angles (including the picture angles), every threshold, three repetitions.
SweepPlan quickSweepPlan();

struct SweepResult {
    std::vector<SweepRow> rows;        // in sweep order: angle after angle, every threshold
    std::vector<std::string> problems; // consistency failures; empty when all checks held
};

// GL: needs the lab's window, the built scene, the allocated occlusion map and the viewer's
// projection (reshape at 640 x 640). Writes the pictures into `folder`; one progress line per
// angle on `progress`. Leaves the cameras, the lock and the threshold changed.
SweepResult runSweep(const SweepPlan& plan, const std::string& folder, std::ostream& progress);

// Writes map-<angle>-level<L>.png, buffer-<angle>.png and structures-<angle>.png (all five side
// by side) for the occlusion map and depth estimation buffer as they stand. False on a failure.
bool writeStructurePictures(const std::string& folder, int angle);
