#include "methods/DepthPyramid.h"

#include <algorithm>
#include <cassert>
#include <cmath>

void buildMaxPyramid(const float* depth, int side, DepthPyramid& pyramid) {
    int levelCount = 0;
    for (int s = side; s > 0; s = (s + 1) / 2) {
        ++levelCount;
        if (s == 1) break;
    }
    pyramid.sides.resize(static_cast<std::size_t>(levelCount));
    pyramid.levels.resize(static_cast<std::size_t>(levelCount));
    if (levelCount == 0) return;

    pyramid.sides[0] = side;
    const std::size_t count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
    if (pyramid.levels[0].data() != depth || pyramid.levels[0].size() != count)
        pyramid.levels[0].assign(depth, depth + count);
    for (std::size_t level = 1; level < pyramid.levels.size(); ++level) {
        const int parentSide = pyramid.sides[level - 1];
        const int childSide = (parentSide + 1) / 2;
        const float* parent = pyramid.levels[level - 1].data();
        std::vector<float>& child = pyramid.levels[level];
        pyramid.sides[level] = childSide;
        child.resize(static_cast<std::size_t>(childSide) * static_cast<std::size_t>(childSide));
        for (int r = 0; r < childSide; ++r) {
            // An odd side's last row and column have a single parent row or column under them.
            const float* below = parent + static_cast<std::ptrdiff_t>(2 * r) * parentSide;
            const float* above = 2 * r + 1 < parentSide ? below + parentSide : below;
            float* out = child.data() + static_cast<std::ptrdiff_t>(r) * childSide;
            const int pairs = parentSide / 2;
            for (int c = 0; c < pairs; ++c)
                out[c] = std::max(std::max(below[2 * c], below[2 * c + 1]),
                                  std::max(above[2 * c], above[2 * c + 1]));
            if (pairs < childSide) out[pairs] = std::max(below[2 * pairs], above[2 * pairs]);
        }
    }
}

namespace {

// Level-0 pixels whose area meets the closed interval [lo, hi]; hi on a pixel boundary does not
// reach into the next pixel. The caller has clamped both into [0, side]: truncation is the floor.
void pixelSpan(double lo, double hi, int side, int& first, int& last) {
    first = static_cast<int>(lo);
    const int whole = static_cast<int>(hi);
    last = std::min(std::max(first, whole - (whole == hi ? 1 : 0)), side - 1);
}

int levelFor(const DepthPyramid& pyramid, int x0, int y0, int x1, int y1, int span) {
    const int last = static_cast<int>(pyramid.sides.size()) - 1;
    int level = 0;
    while (level < last && ((x1 >> level) - (x0 >> level) >= span || (y1 >> level) - (y0 >> level) >= span))
        ++level;
    return level;
}

} // namespace

int pyramidLevelFor(const DepthPyramid& pyramid, double minX, double minY, double maxX, double maxY,
                    int span) {
    assert(span >= 2);
    if (pyramid.sides.empty()) return 0;
    const double side = pyramid.sides[0];
    const auto clamp = [side](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, side); };
    int x0, x1, y0, y1;
    pixelSpan(clamp(minX), clamp(maxX), pyramid.sides[0], x0, x1);
    pixelSpan(clamp(minY), clamp(maxY), pyramid.sides[0], y0, y1);
    return levelFor(pyramid, x0, y0, x1, y1, span);
}

bool isRectangleHidden(const DepthPyramid& pyramid, double minX, double minY, double maxX, double maxY,
                       double nearestDepth, int span) {
    assert(span >= 2);
    if (pyramid.sides.empty() || std::isnan(nearestDepth)) return false;
    const double side = pyramid.sides[0];
    // Written so that NaN fails every comparison and lands in the safe answer.
    if (!(minX >= 0.0 && minY >= 0.0 && maxX <= side && maxY <= side && minX < maxX && minY < maxY))
        return false;

    int x0, x1, y0, y1;
    pixelSpan(minX, maxX, pyramid.sides[0], x0, x1);
    pixelSpan(minY, maxY, pyramid.sides[0], y0, y1);
    const int level = levelFor(pyramid, x0, y0, x1, y1, span);
    const int levelSide = pyramid.sides[static_cast<std::size_t>(level)];
    const std::vector<float>& texels = pyramid.levels[static_cast<std::size_t>(level)];
    for (int r = y0 >> level; r <= (y1 >> level); ++r)
        for (int c = x0 >> level; c <= (x1 >> level); ++c)
            if (!(texels[static_cast<std::size_t>(r * levelSide + c)] < nearestDepth)) return false;
    return true;
}
