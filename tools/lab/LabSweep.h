#pragma once
// The sweep: the fake camera over a list of angles, every method in every configuration at each,
// judged against the truths of that angle and timed beside the baselines.

#include "IdColours.h"
#include "LabMethods.h"
#include "LabMetrics.h"
#include "ViewFrustum.h"
#include "app/Cameras.h"
#include "app/Projection.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// How the sweep's keys read. On an orbit a key is an angle in degrees (a multiple of 5); else it
// is a viewpoint's number (from 0, in the order of the views file).
struct SweepAxis {
    bool orbit = true;
    int from = 180, to = 270;                    // the keys the frame ratios are taken over
    std::vector<int> costKeys = {180, 225, 270}; // keys whose frame costs are drawn as bars
    int frameKey = 225;                          // the key of the frame-against-draw-all figure
    std::string scene;                           // the scene in words, for the index
    // Every method and draw-all first leave out the objects outside the view, as an engine's
    // frustum culling does, so that the figures tell what occlusion culling adds to it. Off on the
    // viewer's grid, whose figures stay as they were.
    bool frustumFirst = false;
};

// "225 degrees" on an orbit, "viewpoint 3" else.
std::string keyLabel(const SweepAxis& axis, int key);

// Both truths of a view, for a scene the sweep does not draw through the viewer's copies.
struct BufferTruths {
    IdCoverage fine;          // per object, at 640 x 640
    IdCoverage coarse;        // per object, at the map's 64 x 64
    std::vector<bool> passed; // per object: a sample passes the occluders' depth at 640 x 640
};

struct SweepPlan {
    std::vector<int> angles;        // the keys visited (see SweepAxis), in order
    std::vector<int> pictureAngles; // keys whose outcome pictures are written
    int repeats = 9;                // repetitions behind every median
    SweepAxis axis;
    // One fake camera per viewpoint (by number; on an orbit, viewpoint n is at 5n degrees). Empty:
    // the viewer's own fake camera turned to each angle.
    std::vector<OrbitCamera> cameras;
    Frustum frustum = *frustumFor(640, 640); // what the methods cull through
    // Set for a scene installed lean (Scenes::installsLean): the truths and the frames come from
    // these rather than from the viewer's per-object copies, which then lack the tested objects'
    // faces. `frame` draws the listed objects after the frame's preamble.
    std::function<BufferTruths(const CullView&)> bufferTruths;
    std::function<void(const std::vector<std::uint32_t>& list)> bufferFrame;
};

// Every angle 0..355 in steps of 5, pictures at 165, 180 and 225, nine repetitions.
SweepPlan fullSweepPlan();
// The picture angles and a few more, three repetitions.
SweepPlan quickSweepPlan();

// A plan over the given cameras: on an orbit (72 of them, 5 degrees apart) like the full plan
// with pictures at 0, 120 and 240 degrees; else every viewpoint with pictures at the first, one a
// third in and one two thirds in. `quick` keeps the picture keys and two more, three repetitions.
SweepPlan plannedOver(std::vector<OrbitCamera> cameras, bool orbit, const Frustum& frustum, bool quick);

struct SweepPicture {
    std::string method;
    std::string config;
    int angle = 0;
    std::string file;                  // within the output folder
    std::vector<std::string> captions; // of the buffers, in the order the sheet shows them
};

struct SweepResult {
    std::vector<MethodRow> rows; // angle after angle; at each, the methods then the baselines
    std::vector<SweepPicture> pictures;
    std::vector<std::string> problems; // consistency failures; empty when all checks held
};

// The rows grouped as the CSV and the plots want them: the methods in table order, each
// configuration in its order, then the baselines; angles ascending within each.
std::vector<MethodRow> methodMajor(std::vector<MethodRow> rows, const std::vector<CullingMethod>& methods);

// GL: needs the lab's window, the built scene, the allocated occlusion map and the viewer's
// projection (reshape at 640 x 640). Writes the pictures into `folder`; one progress line per
// angle on `progress`. Leaves the cameras, the lock and the threshold changed.
SweepResult runSweep(const SweepPlan& plan, const std::vector<CullingMethod>& methods,
                     const std::string& folder, std::ostream& progress);

// GL: one call of the method's pass with the GL attributes and both matrices saved around it, so
// that it leaves no setting to what runs after it. The saving is outside the pass's own timing.
CullOutcome runKeepingState(const CullingMethod& method, const MethodCall& call, std::size_t config);
