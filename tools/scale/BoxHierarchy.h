#pragma once
// A bounding-volume hierarchy over axis-aligned world boxes, built once, and a window-rectangle
// test (cpu-depth's tiles, gpu-hiz's depth pyramid) run through it. A node whose box is hidden culls its
// whole subtree; one wholly in front of the near plane or off the viewport keeps its subtree without testing
// it; any other node is opened. Node boxes are padded a little beyond their children's, so that rounding in
// the projection can never make a child's rectangle poke out of its node's: the decisions are
// exactly those of testing every box alone (boxHidden).
// Window space as in methods/CullMethod.h.

#include "geometry/Matrix.h"
#include "methods/DepthPyramid.h"

#include "TileCull.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Box {
    float min[3] = {0.0f, 0.0f, 0.0f};
    float max[3] = {0.0f, 0.0f, 0.0f};
};

// A depth test of window rectangles over a side x side viewport: hidden(x0, y0, x1, y1, nearest
// depth) must be monotone, so that a rectangle inside a hidden one, no nearer, is hidden too.
struct RectTest {
    int side = 0; // 0: nothing is hidden
    std::function<bool(double, double, double, double, double)> hidden;
    // Whether a rectangle wholly off the viewport counts as hidden (tilecull) or shows (the
    // pyramid, which never hides a rectangle reaching outside it).
    bool offViewportHidden = false;
};

// The max-pyramid test of cpu-depth and gpu-hiz (isRectangleHidden, reading up to span x span
// texels); the pyramid must outlive it.
RectTest pyramidRectTest(const DepthPyramid& pyramid, int span = 2);
// tilecull's rectangle test on a square buffer: hidden when occluded or wholly off the viewport,
// as the lab's cpu-depth decides. The rectangle is rounded outwards to floats. The culler must outlive the
// test.
RectTest tileRectTest(const tilecull::Culler& culler);

struct BoxHierarchy {
    struct Node {
        Box box;                 // padded: holds every box of the subtree with room to spare
        std::uint32_t first = 0; // the subtree's boxes are order[first, first + count)
        std::uint32_t count = 0;
        std::uint32_t children = 0; // inner node: its two children are nodes[children] and the next; leaf: 0
    };
    std::vector<Node> nodes; // nodes[0] is the root; empty for no boxes
    std::vector<std::uint32_t> order;
};

// Median splits along the longest axis of the box centres, down to at most `leafSize` boxes.
// Asserts leafSize >= 1 and finite boxes with min <= max.
BoxHierarchy buildHierarchy(const std::vector<Box>& boxes, std::uint32_t leafSize = 8);

// The object-by-object test: the box's eight corners projected by `clip` into a side x side
// window, culled when the test hides their rectangle and nearest depth. Never hidden
// when a corner has clip w <= 0 or lies in front of the near plane. A rectangle with no area (a box
// seen exactly edge-on) is widened by a millionth of a pixel, so that it is judged as the thin
// rectangle it nearly is rather than never culled: a hidden node must cull every box inside it.
bool boxHidden(const RectTest& test, const Geometry::Matrix& clip, const Box& box);

// Every box that may reach into the view volume of `clip` (-w <= x, y, z <= w), in ascending
// order: a box is left out only when all eight corners lie beyond one of the six planes by more
// than a thousandth of w, so that nothing it could draw is lost to rounding. What is left out
// draws no pixel at all.
void frustumCandidates(const BoxHierarchy& hierarchy, const std::vector<Box>& boxes,
                       const Geometry::Matrix& clip, std::vector<std::uint32_t>& out);

// The per-box form of that test.
bool boxOutsideView(const Geometry::Matrix& clip, const Box& box);

// True when every corner lies beyond the near plane by more than a thousandth of w and within four
// viewport widths of the view's centre (so no clipping cuts the box); `farthest` gets the largest w.
bool boxWellInView(const Geometry::Matrix& clip, const Box& box, double& farthest);

// True when no other box comes within `margin` of boxes[index] along any axis.
bool boxIsolated(const BoxHierarchy& hierarchy, const std::vector<Box>& boxes, std::uint32_t index,
                 double margin);

struct HierarchyStats {
    std::uint32_t nodesVisited = 0;
    std::uint32_t boxesTested = 0;
};

// Sets culled[i] for every box i the test hides, through the hierarchy; culled must hold one
// entry per box (its other entries are left alone). Returns what it visited.
HierarchyStats cullThroughHierarchy(const BoxHierarchy& hierarchy, const std::vector<Box>& boxes,
                                    const RectTest& test, const Geometry::Matrix& clip,
                                    std::vector<bool>& culled);
