#include "BoxHierarchy.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

Box boundsOf(const std::vector<Box>& boxes, const std::uint32_t* first, const std::uint32_t* last) {
    Box bounds;
    for (int a = 0; a < 3; ++a) bounds.min[a] = INFINITY, bounds.max[a] = -INFINITY;
    for (const std::uint32_t* i = first; i != last; ++i)
        for (int a = 0; a < 3; ++a) {
            bounds.min[a] = std::min(bounds.min[a], boxes[*i].min[a]);
            bounds.max[a] = std::max(bounds.max[a], boxes[*i].max[a]);
        }
    return bounds;
}

// A thousandth of a percent of the node's size and of its distance from the origin, and never less
// than a few float steps: far beyond what the projection's rounding can move a corner.
Box padded(Box box) {
    float size = 0.0f, reach = 0.0f;
    for (int a = 0; a < 3; ++a) {
        size = std::max(size, box.max[a] - box.min[a]);
        reach = std::max(reach, std::max(std::fabs(box.min[a]), std::fabs(box.max[a])));
    }
    const float pad = 1e-5f * (size + reach) + 1e-30f;
    for (int a = 0; a < 3; ++a) box.min[a] -= pad, box.max[a] += pad;
    return box;
}

struct Corners {
    double x[8], y[8], z[8], w[8];
};

Corners clipCorners(const Geometry::Matrix& clip, const Box& box) {
    const auto& m = clip.m;
    Corners c;
    for (int i = 0; i < 8; ++i) {
        const double px = (i & 1) ? box.max[0] : box.min[0];
        const double py = (i & 2) ? box.max[1] : box.min[1];
        const double pz = (i & 4) ? box.max[2] : box.min[2];
        c.x[i] = m[0] * px + m[1] * py + m[2] * pz + m[3];
        c.y[i] = m[4] * px + m[5] * py + m[6] * pz + m[7];
        c.z[i] = m[8] * px + m[9] * py + m[10] * pz + m[11];
        c.w[i] = m[12] * px + m[13] * py + m[14] * pz + m[15];
    }
    return c;
}

struct Rect {
    double x0 = 1e300, y0 = 1e300, z0 = 1e300, x1 = -1e300, y1 = -1e300;
    bool crossesNear = false;
};

Rect windowRect(const Corners& c, double side) {
    Rect r;
    for (int i = 0; i < 8; ++i) {
        const double inverseW = 1.0 / c.w[i];
        const double z = c.z[i] * inverseW * 0.5 + 0.5;
        if (!(c.w[i] > 0.0) || !(z >= 0.0)) {
            r.crossesNear = true;
            return r;
        }
        const double s = 0.5 * side * inverseW;
        const double x = c.x[i] * s + 0.5 * side, y = c.y[i] * s + 0.5 * side;
        r.x0 = std::min(r.x0, x), r.x1 = std::max(r.x1, x);
        r.y0 = std::min(r.y0, y), r.y1 = std::max(r.y1, y);
        r.z0 = std::min(r.z0, z);
    }
    return r;
}

bool rectHidden(const RectTest& test, Rect r) {
    constexpr double widen = 1e-6;
    if (r.x0 == r.x1) r.x0 -= widen, r.x1 += widen;
    if (r.y0 == r.y1) r.y0 -= widen, r.y1 += widen;
    return test.hidden(r.x0, r.y0, r.x1, r.y1, r.z0);
}

// Bits of the planes a clip-space point lies beyond, with the margin.
unsigned outsidePlanes(double x, double y, double z, double w) {
    const double limit = w * 1.001 + 1e-9 * std::fabs(w);
    return (x > limit) | (x < -limit) << 1 | (y > limit) << 2 | (y < -limit) << 3 | (z > limit) << 4 |
           (z < -limit) << 5;
}

// The planes that every corner lies beyond (0: the box may reach in), and whether every corner is
// well inside all of them.
unsigned commonOutside(const Corners& c, bool& allInside) {
    unsigned common = 0x3F;
    allInside = true;
    for (int i = 0; i < 8; ++i) {
        common &= outsidePlanes(c.x[i], c.y[i], c.z[i], c.w[i]);
        const double inner = c.w[i] * 0.999;
        allInside = allInside && c.w[i] > 0.0 && std::fabs(c.x[i]) < inner && std::fabs(c.y[i]) < inner &&
                    std::fabs(c.z[i]) < inner;
    }
    return common;
}

enum class NodeCall { cull, keep, open };

NodeCall judgeNode(const RectTest& test, const Geometry::Matrix& clip, const Box& box) {
    const Corners c = clipCorners(clip, box);
    // Every corner in front of the near plane (z < -w): so is every box inside, and none is culled.
    bool allInFront = true;
    for (int i = 0; i < 8 && allInFront; ++i) allInFront = c.z[i] + c.w[i] < 0.0;
    if (allInFront) return NodeCall::keep;
    // Wholly beyond one side plane, even where it reaches behind the eye: every box inside is off the
    // viewport or crosses the near plane. (Not the far plane: a box beyond it is culled.)
    // Where off the viewport counts as hidden, these shortcuts would keep what the test culls.
    bool allInside = false;
    if (!test.offViewportHidden && (commonOutside(c, allInside) & 0xF) != 0) return NodeCall::keep;
    const Rect r = windowRect(c, test.side);
    if (r.crossesNear) return NodeCall::open;
    const double side = test.side;
    // Wholly off one side of the viewport: every box inside reaches outside it.
    if (!test.offViewportHidden && (r.x1 < 0.0 || r.y1 < 0.0 || r.x0 > side || r.y0 > side))
        return NodeCall::keep;
    return rectHidden(test, r) ? NodeCall::cull : NodeCall::open;
}

} // namespace

BoxHierarchy buildHierarchy(const std::vector<Box>& boxes, std::uint32_t leafSize) {
    assert(leafSize >= 1);
    BoxHierarchy h;
    if (boxes.empty()) return h;
    h.order.resize(boxes.size());
    for (std::uint32_t i = 0; i < h.order.size(); ++i) h.order[i] = i;
    struct Pending {
        std::uint32_t node, first, count;
    };
    std::vector<Pending> stack{{0, 0, static_cast<std::uint32_t>(boxes.size())}};
    h.nodes.emplace_back();
    while (!stack.empty()) {
        const Pending p = stack.back();
        stack.pop_back();
        std::uint32_t* first = h.order.data() + p.first;
        h.nodes[p.node].box = padded(boundsOf(boxes, first, first + p.count));
        h.nodes[p.node].first = p.first;
        h.nodes[p.node].count = p.count;
        if (p.count <= leafSize) continue;
        float lo[3] = {INFINITY, INFINITY, INFINITY}, hi[3] = {-INFINITY, -INFINITY, -INFINITY};
        for (std::uint32_t i = 0; i < p.count; ++i)
            for (int a = 0; a < 3; ++a) {
                const float centre = boxes[first[i]].min[a] + boxes[first[i]].max[a];
                lo[a] = std::min(lo[a], centre), hi[a] = std::max(hi[a], centre);
            }
        int axis = 0;
        for (int a = 1; a < 3; ++a)
            if (hi[a] - lo[a] > hi[axis] - lo[axis]) axis = a;
        const std::uint32_t half = p.count / 2;
        std::nth_element(first, first + half, first + p.count, [&](std::uint32_t a, std::uint32_t b) {
            return boxes[a].min[axis] + boxes[a].max[axis] < boxes[b].min[axis] + boxes[b].max[axis];
        });
        const auto children = static_cast<std::uint32_t>(h.nodes.size());
        h.nodes.emplace_back();
        h.nodes.emplace_back();
        h.nodes[p.node].children = children;
        stack.push_back({children + 1, p.first + half, p.count - half});
        stack.push_back({children, p.first, half});
    }
    return h;
}

RectTest pyramidRectTest(const DepthPyramid& pyramid, int span) {
    if (pyramid.sides.empty()) return {};
    return {pyramid.sides[0], [&pyramid, span](double x0, double y0, double x1, double y1, double z) {
                return isRectangleHidden(pyramid, x0, y0, x1, y1, z, span);
            }};
}

RectTest tileRectTest(const tilecull::Culler& culler) {
    assert(culler.width() == culler.height());
    return {culler.width(),
            [&culler](double x0, double y0, double x1, double y1, double z) {
                const auto down = [](double v) { return std::nextafter(static_cast<float>(v), -INFINITY); };
                const auto up = [](double v) { return std::nextafter(static_cast<float>(v), INFINITY); };
                return culler.testRect(down(x0), down(y0), up(x1), up(y1), down(z)) !=
                       tilecull::Visibility::visible;
            },
            true};
}

bool boxHidden(const RectTest& test, const Geometry::Matrix& clip, const Box& box) {
    if (test.side <= 0) return false;
    const Rect r = windowRect(clipCorners(clip, box), test.side);
    return !r.crossesNear && rectHidden(test, r);
}

bool boxOutsideView(const Geometry::Matrix& clip, const Box& box) {
    bool allInside = false;
    return commonOutside(clipCorners(clip, box), allInside) != 0;
}

bool boxWellInView(const Geometry::Matrix& clip, const Box& box, double& farthest) {
    const Corners c = clipCorners(clip, box);
    farthest = 0.0;
    for (int i = 0; i < 8; ++i) {
        if (!(c.w[i] > 0.0 && c.z[i] + c.w[i] > 1e-3 * c.w[i] && std::fabs(c.x[i]) <= 4.0 * c.w[i] &&
              std::fabs(c.y[i]) <= 4.0 * c.w[i]))
            return false;
        farthest = std::max(farthest, c.w[i]);
    }
    return true;
}

bool boxIsolated(const BoxHierarchy& h, const std::vector<Box>& boxes, std::uint32_t index, double margin) {
    assert(index < boxes.size());
    Box grown = boxes[index];
    for (int axis = 0; axis < 3; ++axis) {
        grown.min[axis] = std::nextafter(static_cast<float>(grown.min[axis] - margin), -INFINITY);
        grown.max[axis] = std::nextafter(static_cast<float>(grown.max[axis] + margin), INFINITY);
    }
    const auto meets = [&grown](const Box& b) {
        for (int axis = 0; axis < 3; ++axis)
            if (b.max[axis] < grown.min[axis] || b.min[axis] > grown.max[axis]) return false;
        return true;
    };
    if (h.nodes.empty()) return true;
    std::uint32_t stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const BoxHierarchy::Node& node = h.nodes[stack[--top]];
        if (!meets(node.box)) continue;
        if (node.children == 0) {
            for (std::uint32_t k = node.first; k < node.first + node.count; ++k)
                if (h.order[k] != index && meets(boxes[h.order[k]])) return false;
            continue;
        }
        if (top + 2 > 128) return false; // deeper than any median split gets; say no rather than guess
        stack[top++] = node.children;
        stack[top++] = node.children + 1;
    }
    return true;
}

void frustumCandidates(const BoxHierarchy& h, const std::vector<Box>& boxes, const Geometry::Matrix& clip,
                       std::vector<std::uint32_t>& out) {
    out.clear();
    if (h.nodes.empty()) return;
    std::uint32_t stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const BoxHierarchy::Node& node = h.nodes[stack[--top]];
        bool allInside = false;
        if (commonOutside(clipCorners(clip, node.box), allInside) != 0) continue;
        if (allInside) {
            out.insert(out.end(), h.order.begin() + node.first, h.order.begin() + node.first + node.count);
        } else if (node.children == 0) {
            for (std::uint32_t i = node.first; i < node.first + node.count; ++i)
                if (!boxOutsideView(clip, boxes[h.order[i]])) out.push_back(h.order[i]);
        } else {
            assert(top + 2 <= 128);
            stack[top++] = node.children + 1;
            stack[top++] = node.children;
        }
    }
    std::sort(out.begin(), out.end());
}

HierarchyStats cullThroughHierarchy(const BoxHierarchy& h, const std::vector<Box>& boxes,
                                    const RectTest& test, const Geometry::Matrix& clip,
                                    std::vector<bool>& culled) {
    assert(culled.size() == boxes.size());
    HierarchyStats stats;
    if (h.nodes.empty() || test.side <= 0) return stats;
    std::uint32_t stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const BoxHierarchy::Node& node = h.nodes[stack[--top]];
        ++stats.nodesVisited;
        const NodeCall call = judgeNode(test, clip, node.box);
        if (call == NodeCall::keep) continue;
        if (call == NodeCall::cull) {
            for (std::uint32_t i = node.first; i < node.first + node.count; ++i) culled[h.order[i]] = true;
        } else if (node.children == 0) {
            for (std::uint32_t i = node.first; i < node.first + node.count; ++i) {
                ++stats.boxesTested;
                if (boxHidden(test, clip, boxes[h.order[i]])) culled[h.order[i]] = true;
            }
        } else {
            assert(top + 2 <= 128); // median splits: depth about log2 of the box count
            stack[top++] = node.children + 1;
            stack[top++] = node.children;
        }
    }
    return stats;
}
