#include "TileCull.h"

#include "TileKernels.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cassert>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tilecull {

using namespace detail;

namespace {

// Window positions snap to 1/256 pixel, as fine as common GPUs. Triangles are clipped to a guard
// band reaching 1500 pixels from the viewport's centre, which keeps every edge's change across a
// tile within an int32; a tile's own edge values are int64.
static_assert(subpixel == 256);
constexpr int half = subpixel / 2;
constexpr double guardPixels = 1500.0;
// Clipping leaves corners on the guard band up to rounding; anything farther is a broken matrix.
constexpr double projectLimit = guardPixels + 8.0;
// Relative room for the float evaluation of a depth plane across a triangle's tiles: about ten
// roundings of at most 2^-24 each are made, this allows 32.
constexpr double depthRoom = 1.0 / (1 << 19);
// Two triangles whose shared plane holds the fourth corner this close in window depth are drawn as
// one quad, its depth rounded farther by that much.
constexpr double planeRoom = 1e-7;

struct Viewport {
    int width = 0, height = 0, tilesX = 0, tilesY = 0;
    int originX = 0, originY = 0;      // the pixel whose lower-left corner is the snapping origin
    double guardX = 0.0, guardY = 0.0; // guard band in normalized device units
};

ClipVertex transform(const double* m, const float* p) {
    const double x = p[0], y = p[1], z = p[2];
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

bool finite(const ClipVertex& v) {
    return std::fabs(v.x) <= clipLimit && std::fabs(v.y) <= clipLimit && std::fabs(v.z) <= clipLimit &&
           std::fabs(v.w) <= clipLimit;
}

double planeDistance(const ClipVertex& v, unsigned plane, const Viewport& vp) {
    switch (plane) {
    case nearPlane: return v.z + v.w;
    case leftPlane: return v.x + vp.guardX * v.w;
    case rightPlane: return vp.guardX * v.w - v.x;
    case bottomPlane: return v.y + vp.guardY * v.w;
    default: return vp.guardY * v.w - v.y;
    }
}

unsigned outcode(const ClipVertex& v, const Viewport& vp) {
    if (!finite(v)) return broken;
    unsigned code = 0;
    for (unsigned plane = nearPlane; plane <= topPlane; plane <<= 1)
        code |= planeDistance(v, plane, vp) < 0.0 ? plane : 0u;
    return code;
}

// Sutherland-Hodgman against the planes in `planes`; each adds at most one corner.
int clipPolygon(ClipVertex (&polygon)[8], unsigned planes, const Viewport& vp) {
    ClipVertex next[8];
    int n = 3;
    for (unsigned plane = nearPlane; plane <= topPlane && n >= 3; plane <<= 1) {
        if (!(planes & plane)) continue;
        int m = 0;
        for (int i = 0; i < n; ++i) {
            const ClipVertex& from = polygon[i];
            const ClipVertex& to = polygon[(i + 1) % n];
            const double df = planeDistance(from, plane, vp), dt = planeDistance(to, plane, vp);
            if (df >= 0.0) next[m++] = from;
            if ((df >= 0.0) != (dt >= 0.0)) {
                const double t = df / (df - dt);
                next[m++] = {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t,
                             from.z + (to.z - from.z) * t, from.w + (to.w - from.w) * t};
            }
        }
        std::copy(next, next + m, polygon);
        n = m;
    }
    return n;
}

// Bit x set when pixel x of a tile row is not below `limit` (NaN included).
unsigned rowNotBelow(const float* row, float limit) {
#ifdef __SSE2__
    const __m128 l = _mm_set1_ps(limit);
    return static_cast<unsigned>(_mm_movemask_ps(_mm_cmpnlt_ps(_mm_loadu_ps(row), l)) |
                                 _mm_movemask_ps(_mm_cmpnlt_ps(_mm_loadu_ps(row + 4), l)) << 4);
#else
    unsigned bits = 0;
    for (int x = 0; x < tileWidth; ++x) bits |= static_cast<unsigned>(!(row[x] < limit)) << x;
    return bits;
#endif
}

// v as a float, moved to the next float up (or down) when the conversion rounded the other way.
// Without a branch on the outcome, which the depths take at random: the step is added to the bits
// of a positive float and taken from those of a negative one (or the other way down). A zero of
// the wrong sign never steps: a conversion that rounded to -0 rounded up, to +0 down.
float roundedUp(double v) {
    const float f = static_cast<float>(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    const std::uint32_t step = f < v, negative = bits >> 31;
    bits += step - 2 * (step & negative);
    float out;
    std::memcpy(&out, &bits, sizeof out);
    return out;
}

float roundedDown(double v) {
    const float f = static_cast<float>(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    const std::uint32_t step = f > v, negative = bits >> 31;
    bits += 2 * (step & negative) - step;
    float out;
    std::memcpy(&out, &bits, sizeof out);
    return out;
}

// The nearest integer to v (halves up), for |v| well inside the int64 range, without a library call.
std::int64_t nearestInteger(double v) {
    const double shifted = v + 0.5;
    const auto truncated = static_cast<std::int64_t>(shifted);
    return truncated - (static_cast<double>(truncated) > shifted ? 1 : 0);
}

bool project(const ClipVertex& c, const Viewport& vp, WindowVertex& out) {
    if (!(c.w > 0.0)) return false;
    const double inverse = 1.0 / c.w;
    out.x = (c.x * inverse + 1.0) * 0.5 * vp.width - vp.originX;
    out.y = (c.y * inverse + 1.0) * 0.5 * vp.height - vp.originY;
    out.z = c.z * inverse * 0.5 + 0.5;
    if (!(std::fabs(out.x) <= projectLimit && std::fabs(out.y) <= projectLimit && std::isfinite(out.z)))
        return false;
    out.sx = static_cast<std::int32_t>(nearestInteger(out.x * subpixel));
    out.sy = static_cast<std::int32_t>(nearestInteger(out.y * subpixel));
    return true;
}

// The floor of a / subpixel without a branch on the sign, which the snapped corners take at random:
// an arithmetic shift (what every C++17 compiler does to a negative int64; C++20 requires it).
std::int64_t floorSubpixels(std::int64_t a) {
    static_assert(subpixel == 256 && (std::int64_t{-1} >> 1) == -1);
    return a >> 8;
}

enum class Rounding { farther, nearer };

// Limits of a setup, in buffer pixels (inclusive).
struct PixelBox {
    int x0, y0, x1, y1;
};

// Narrows a setup to the tile rows [tileY0, tileY1]; false when none of its rows are left. The
// origin stays, so a setup made for the whole buffer and narrowed draws what one made for the band does.
bool keepRows(TriangleSetup& t, int tileY0, int tileY1) {
    t.tileY0 = std::max(t.tileY0, tileY0);
    t.tileY1 = std::min(t.tileY1, tileY1);
    return t.tileY0 <= t.tileY1;
}

// Outcome of setting up a polygon.
enum class SetUp { drawn, nothing, notConvex };

// Every edge of a polygon: bit i for the edge from corner i to the next.
constexpr unsigned allEdges = 15u;

// A triangle or convex quad to set up, its corners counter-clockwise where it faces front.
struct Polygon {
    const WindowVertex* corner[4];
    int n;            // 3 or 4
    double room;      // widens the depth's rounding: a quad's fourth corner off the plane
    double inverse;   // 1 / the first three corners' determinant where known to exceed 1/64, else 0
    unsigned outline; // bit i: the edge from corner i lies on its mesh's outline (outline coverage)
};

// The tile range and edges of a triangle (n 3) or convex quad (n 4) of snapped corners, within
// the frame, as a setup for the tile walkers; `nothing` for back faces, polygons without area and
// ones outside the frame's pixels or rows; `notConvex` for a quad that is not strictly convex and
// counter-clockwise. With `whole`, a pixel is covered only when the unsnapped polygon holds all of
// it along the edges in `wholeEdges` (bit i: the edge from corner i). A template on the corner count
// and coverage, so that the loops over corners and edges unroll.
template <int n, bool whole>
Edges setUpEdges(const WindowVertex* const* v, const EdgeFrame& frame, TriangleSetup& t,
                 unsigned wholeEdges) {
    static_assert(n == 3 || n == 4);
    assert(frame.x0 >= 0 && frame.y0 >= 0);
    std::int64_t sx[4], sy[4];
    for (int i = 0; i < n; ++i) sx[i] = v[i]->sx, sy[i] = v[i]->sy;
    // Edge i runs from corner i to the next; the turn at a corner is the cross product of the edges
    // leaving it and the next, and a triangle turns the same way at every corner.
    std::int64_t ex[4], ey[4];
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 == n ? 0 : i + 1;
        ex[i] = sx[j] - sx[i], ey[i] = sy[j] - sy[i];
    }
    bool anyLeft = false, anyRight = false;
    for (int i = 0; i < (n == 3 ? 1 : n); ++i) {
        const int j = i + 1 == n ? 0 : i + 1;
        const std::int64_t turn = ex[i] * ey[j] - ex[j] * ey[i];
        anyLeft = anyLeft || turn > 0;
        anyRight = anyRight || turn <= 0;
    }
    // A quad turning only right is a back face, or has no area, as its two triangles are.
    if (anyRight) return n == 3 || !anyLeft ? Edges::nothing : Edges::notConvex;

    // Buffer pixel (i, j) has its centre at s (i - originX) + s / 2, s (j - originY) + s / 2, s = subpixel.
    std::int64_t minX = sx[0], maxX = sx[0], minY = sy[0], maxY = sy[0];
    for (int i = 1; i < n; ++i) {
        minX = std::min(minX, sx[i]), maxX = std::max(maxX, sx[i]);
        minY = std::min(minY, sy[i]), maxY = std::max(maxY, sy[i]);
    }
    const std::int64_t px0 =
        std::max<std::int64_t>(frame.x0, frame.originX + floorSubpixels(minX + half - 1));
    const std::int64_t px1 = std::min<std::int64_t>(frame.x1, frame.originX + floorSubpixels(maxX - half));
    const std::int64_t py0 =
        std::max<std::int64_t>(frame.y0, frame.originY + floorSubpixels(minY + half - 1));
    const std::int64_t py1 = std::min<std::int64_t>(frame.y1, frame.originY + floorSubpixels(maxY - half));
    if (px0 > px1 || py0 > py1) return Edges::nothing;
    // All four lie in the frame, which starts at pixel 0: shifts divide.
    static_assert(tileWidth == 8 && tileHeight == 4);
    t.tileX0 = static_cast<int>(px0) >> 3;
    t.tileX1 = static_cast<int>(px1) >> 3;
    t.tileY0 = static_cast<int>(py0) >> 2;
    t.tileY1 = static_cast<int>(py1) >> 2;
    // Another band's triangle: nothing to set up here.
    if (std::max(t.tileY0, frame.bandTileY0) > std::min(t.tileY1, frame.bandTileY1)) return Edges::nothing;

    // Edges at the centre of the first tile's pixel (0, 0). Edge p -> q: dx (y - p.y) - dy (x - p.x),
    // positive inside a counter-clockwise polygon; a centre on it counts for left edges (going
    // down) and top edges (going left), the others need 1 more. A triangle's fourth edge holds
    // everywhere.
    const std::int64_t cx =
        (static_cast<std::int64_t>(t.tileX0) * tileWidth - frame.originX) * subpixel + half;
    const std::int64_t cy =
        (static_cast<std::int64_t>(t.tileY0) * tileHeight - frame.originY) * subpixel + half;
    for (int i = 0; i < 4; ++i) {
        if (i == n) {
            t.edge[i] = 0, t.stepX[i] = 0, t.stepY[i] = 0, t.tileMaxOffset[i] = 0, t.tileMinOffset[i] = 0;
            continue;
        }
        const std::int64_t dx = ex[i], dy = ey[i];
        const bool owns = dy < 0 || (dy == 0 && dx < 0);
        // A whole pixel: the edge must hold at the centre moved half a pixel and one subpixel (for
        // the snapping) toward it in x and in y.
        const std::int64_t wholeBias =
            whole && (wholeEdges >> i & 1u) ? (half + 1) * ((dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy)) : 0;
        t.edge[i] = dx * (cy - sy[i]) - dy * (cx - sx[i]) - (owns ? 0 : 1) - wholeBias;
        t.stepX[i] = static_cast<std::int32_t>(-dy * subpixel);
        t.stepY[i] = static_cast<std::int32_t>(dx * subpixel);
        // With |dx|, |dy| under 3100 pixels these stay below 2^31.
        const std::int64_t alongX = std::int64_t{t.stepX[i]} * (tileWidth - 1);
        const std::int64_t alongY = std::int64_t{t.stepY[i]} * (tileHeight - 1);
        t.tileMaxOffset[i] =
            static_cast<std::int32_t>(std::max<std::int64_t>(alongX, 0) + std::max<std::int64_t>(alongY, 0));
        t.tileMinOffset[i] =
            static_cast<std::int32_t>(std::min<std::int64_t>(alongX, 0) + std::min<std::int64_t>(alongY, 0));
    }

    return Edges::set;
}

// The pixels a triangle, or a convex quad, can cover within `box`, as a setup for the tile walkers,
// its edges set up by `path`; the depth plane is the first three corners'. `nothing` for back
// faces, polygons without area and ones outside the box; `notConvex` for a quad that is not
// strictly convex and counter-clockwise. With `whole`, a pixel is covered only when the unsnapped
// polygon holds all of it, and the depth holds for all of it.
template <int n, bool whole>
SetUp setUpCorners(const Polygon& polygon, const Viewport& vp, const PixelBox& box, Rounding rounding,
                   TriangleSetup& t, int bandTileY0, int bandTileY1, Path path) {
    const WindowVertex* const* v = polygon.corner;
    const unsigned wholeEdges = whole ? polygon.outline : 0u;
    const EdgeFrame frame{vp.originX, vp.originY, box.x0, box.y0, box.x1, box.y1, bandTileY0, bandTileY1};
#ifdef TILECULL_HAS_AVX2_PATH
    const Edges edges = path == Path::avx2 ? setUpEdgesAvx2(v, n, wholeEdges, frame, t)
                                           : setUpEdges<n, whole>(v, frame, t, wholeEdges);
#else
    static_cast<void>(path);
    const Edges edges = setUpEdges<n, whole>(v, frame, t, wholeEdges);
#endif
    if (edges != Edges::set) return edges == Edges::nothing ? SetUp::nothing : SetUp::notConvex;

    // The depth plane through the unsnapped corners. A sliver whose plane is ill-conditioned, or
    // that snapping turned around, gets a flat one at its farthest (drawing) or nearest (testing)
    // corner instead, which stays on the safe side of every point of it.
    const WindowVertex &a = *v[0], &b = *v[1], &c = *v[2];
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double wx = c.x - a.x, wy = c.y - a.y, wz = c.z - a.z;
    const double det = ux * wy - uy * wx;
    double zMin = a.z, zMax = a.z;
    for (int i = 1; i < n; ++i) zMin = std::min(zMin, v[i]->z), zMax = std::max(zMax, v[i]->z);
    const double centreX = t.tileX0 * tileWidth - vp.originX + 0.5;
    const double centreY = t.tileY0 * tileHeight - vp.originY + 0.5;
    double gx = 0.0, gy = 0.0, z = rounding == Rounding::farther ? zMax : zMin;
    if (det > 1.0 / 64.0) {
        // The same quotient whoever formed it: the quad pairing divides by this determinant too.
        const double inverse = polygon.inverse != 0.0 ? polygon.inverse : 1.0 / det;
        gx = (uz * wy - wz * uy) * inverse;
        gy = (wz * ux - uz * wx) * inverse;
        z = a.z + gx * (centreX - a.x) + gy * (centreY - a.y);
    }
    const double spanX = (t.tileX1 - t.tileX0 + 1) * tileWidth,
                 spanY = (t.tileY1 - t.tileY0 + 1) * tileHeight;
    const double room = (std::fabs(z) + std::fabs(gx) * spanX + std::fabs(gy) * spanY) * depthRoom +
                        polygon.room +
                        (whole ? (std::fabs(gx) + std::fabs(gy)) * (0.5 + 1.0 / subpixel) : 0.0);
    t.depthStepX = static_cast<float>(gx);
    t.depthStepY = static_cast<float>(gy);
    t.depthTileX = t.depthStepX * tileWidth;
    t.depthTileY = t.depthStepY * tileHeight;
    if (rounding == Rounding::farther) {
        t.depth = roundedUp(z + room);
        t.nearest = static_cast<float>(zMin);
    } else {
        t.depth = roundedDown(z - room);
        // Covered centres lie within half a subpixel of the unsnapped triangle in x and in y.
        t.nearest = det > 1.0 / 64.0 ? roundedDown(zMin - (std::fabs(gx) + std::fabs(gy)) / 8.0 - 2.0 * room)
                                     : t.depth;
    }
    // A band of rows walks part of the same tiles from the same origin, so that the buffer does not
    // depend on how it is split.
    t.originTileX = t.tileX0;
    t.originTileY = t.tileY0;
    return keepRows(t, bandTileY0, bandTileY1) ? SetUp::drawn : SetUp::nothing;
}

SetUp setUp(const Polygon& p, const Viewport& vp, const PixelBox& box, Rounding rounding, TriangleSetup& t,
            Path path, int bandTileY0 = 0, int bandTileY1 = std::numeric_limits<int>::max(),
            bool whole = false) {
    assert(p.n == 3 || p.n == 4);
    if (whole)
        return p.n == 3 ? setUpCorners<3, true>(p, vp, box, rounding, t, bandTileY0, bandTileY1, path)
                        : setUpCorners<4, true>(p, vp, box, rounding, t, bandTileY0, bandTileY1, path);
    return p.n == 3 ? setUpCorners<3, false>(p, vp, box, rounding, t, bandTileY0, bandTileY1, path)
                    : setUpCorners<4, false>(p, vp, box, rounding, t, bandTileY0, bandTileY1, path);
}

// Sorts entries by their upper 32 bits, keeping entries with equal ones in their order: with
// the lower bits ascending on entry, the same order as sorting the whole values. A byte at a
// time (a byte all entries share is skipped), so that a few hundred keys sort without the
// comparisons' mispredicted branches. `spare` is scratch.
void sortByUpperHalf(std::vector<std::uint64_t>& entries, std::vector<std::uint64_t>& spare) {
    std::uint32_t count[4][256] = {};
    for (const std::uint64_t e : entries)
        for (int b = 0; b < 4; ++b) ++count[b][(e >> (32 + 8 * b)) & 0xff];
    spare.resize(entries.size());
    for (int b = 0; b < 4; ++b) {
        if (count[b][(entries.empty() ? 0 : entries[0] >> (32 + 8 * b)) & 0xff] == entries.size()) continue;
        std::uint32_t first[256], sum = 0;
        for (int k = 0; k < 256; ++k) first[k] = sum, sum += count[b][k];
        for (const std::uint64_t e : entries) spare[first[(e >> (32 + 8 * b)) & 0xff]++] = e;
        entries.swap(spare);
    }
}

// Runs the second share of a renderOccluders or testBoxes call on its own thread. Whoever comes
// first, this thread or the caller done with its own share, takes the work: on a busy machine, where
// the thread may not get a core soon, the caller does both rather than wait.
class Worker {
  public:
    Worker() : thread([this] { loop(); }) {}
    ~Worker() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            quit = true;
        }
        wake.notify_one();
        thread.join();
    }

    // A plain function and its argument: handing work over allocates nothing.
    using Job = void (*)(void*);

    void offer(Job work, void* argument) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            job = work;
            jobArgument = argument;
            ++posted;
            open.store(posted, std::memory_order_release);
        }
        wake.notify_one();
    }

    // Runs the offered work here unless the thread took it, then returns once it is done.
    void finish() {
        if (take(posted)) return job(jobArgument);
        while (ran.load(std::memory_order_acquire) != posted) std::this_thread::yield();
    }

  private:
    // Claims offer number `number` if it is still open: a thread that saw an earlier offer late
    // cannot take a later one by mistake.
    bool take(unsigned number) {
        unsigned expected = number;
        return open.compare_exchange_strong(expected, 0, std::memory_order_acq_rel);
    }

    // The next offer usually follows within a pass or two: watching for it a short while answers far
    // sooner than a wake-up through the mutex, which on a busy machine tends to come after the caller
    // has done the work itself. 0 when none came.
    unsigned watchForOffer() {
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(watchMicroseconds);
        for (;;) {
            const unsigned number = open.load(std::memory_order_acquire);
            if (number != 0) return number;
            if (std::chrono::steady_clock::now() >= until) return 0;
            std::this_thread::yield();
        }
    }

    void loop() {
        unsigned seen = 0;
        for (;;) {
            unsigned number = watchForOffer();
            if (number == 0) {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [&] { return quit || posted != seen; });
                if (quit) return;
                number = posted;
            }
            seen = number;
            if (take(number)) {
                job(jobArgument);
                ran.store(number, std::memory_order_release);
            }
        }
    }

    static constexpr int watchMicroseconds = 300;

    std::mutex mutex;
    std::condition_variable wake;
    Job job = nullptr;
    void* jobArgument = nullptr;
    unsigned posted = 0;           // offers made; written by the caller under the mutex
    std::atomic<unsigned> open{0}; // the offer nobody has taken yet, 0 when none
    std::atomic<unsigned> ran{0};  // the last offer the thread ran
    bool quit = false;
    std::thread thread;
};

// A directed edge of triangle at / 4, from its corner at % 4: by its corners' indices, or by the
// bits of their positions.
struct IndexEdge {
    std::uint64_t key;
    std::uint32_t at;
};
struct PositionEdge {
    std::array<std::uint32_t, 6> key;
    std::uint32_t at;
};

constexpr std::uint32_t noTwin = ~std::uint32_t{0};
// Meshes whose twins a scratch keeps before it starts afresh (each a few hundred bytes).
constexpr std::size_t maxKeptTwins = std::size_t{1} << 16;

struct Twins {
    const float* positions = nullptr; // what they were found for
    std::uint32_t vertexCount = 0, triangleCount = 0;
    std::vector<std::uint32_t> of;
};

struct Scratch {
    std::vector<ClipVertex> clip;
    std::vector<unsigned> codes;
    std::vector<WindowVertex> window;
    // Outline coverage: per mesh (by its index array) the twins of its edges, what finding them
    // sorts, and per triangle whether it is a front face and which of its edges lie on the outline
    // (empty: all do).
    std::unordered_map<const std::uint32_t*, Twins> twins;
    std::vector<IndexEdge> byIndex;
    std::vector<PositionEdge> byPosition;
    std::vector<std::uint8_t> front;
    std::vector<std::uint8_t> outline;
    TriangleSetup setup; // kept here: clearing a fresh one for every mesh shows in the profile
    Counters counters;
};

// Where a band keeps the whole-buffer setups of the occluders it set up first in a pass.
struct Kept {
    TriangleSetup* setups = nullptr;
    std::size_t capacity = 0;
    std::size_t count = 0;
    bool overflow = false; // some did not fit
};

// Setups kept per band and pass at most (about 5 MB): huge meshes are not worth the memory.
constexpr std::size_t maxSharedSetups = std::size_t{1} << 15;

// What a pass with two bands knows of each occluder's setups.
enum class Shared : std::uint8_t { none, filling, ready, unusable };

// An occluder's box in the buffer: the pixels its rectangle meets and its nearest depth.
struct BoxRect {
    PixelBox pixels{0, 0, -1, -1};
    double nearest = 0.0;
    Visibility state = Visibility::visible; // outsideView, or visible with crossesNear
    bool crossesNear = false;
};

// Hands the indices [0, count) out in chunks to whichever thread asks next, so that two threads end
// together however the machine shares its cores, and one whose partner never starts does it all.
class Chunks {
  public:
    explicit Chunks(std::size_t total) : count(total) {}

    // Calls work(first, end) for chunks until none are left.
    template <typename Work> void run(Work work) {
        for (;;) {
            const std::size_t first = next.fetch_add(size, std::memory_order_relaxed);
            if (first >= count) return;
            work(first, std::min(count - first, size) + first);
        }
    }

    // A few microseconds of box work: small enough to even out the two threads' ends.
    static constexpr std::size_t size = 32;

  private:
    std::atomic<std::size_t> next{0};
    const std::size_t count;
};

} // namespace

struct Culler::Impl {
    Viewport vp;
    std::vector<float> depth;        // tiled
    std::vector<float> tileMax;      // per tile
    std::vector<std::uint8_t> fresh; // per tile: cleared, its pixels not yet written (they read as 1)
    Path path = Path::portable;
    int threads = 1;
    Coverage coverage = Coverage::centres;
    Scratch scratch[2];
    mutable Scratch testScratch;
    std::vector<BoxRect> rects;
    // Occluders that may reach into the view, nearest first: the float bits of the box's nearest
    // depth (0 for a box crossing the near plane) above the occluder's index.
    std::vector<std::uint64_t> order, orderSpare;
    // Per occluder, what each band of a two-band pass did with it (the larger wins).
    static constexpr std::uint8_t notInBand = 0, hiddenInBand = 1, drawnInBand = 2;
    std::vector<std::uint8_t> bandOutcome[2];
    std::unique_ptr<Worker> worker;
    // Two bands walk the same occluders in the same order, usually one ahead of the other: the first
    // to reach an occluder sets up its triangles over the whole buffer and keeps them, the other
    // narrows those to its rows instead of transforming and setting up the mesh again. A band that
    // finds an occluder still being set up does its own rather than wait. Per band a store sized
    // before the pass (never grown during it, as the other band reads it), and per occluder its state
    // and where its setups are.
    std::vector<TriangleSetup> sharedSetups[2];
    std::size_t sharedUsed[2] = {0, 0};
    std::unique_ptr<std::atomic<Shared>[]> sharedState;
    std::size_t sharedStateSize = 0;
    struct SharedRange {
        std::uint8_t band;
        std::size_t first, count;
    };
    std::vector<SharedRange> sharedRanges;
    // With two bands, the first tile row of band 1, and per tile row the tiles the setups drawn in
    // the pass span, plus two for the walk (rows are only counted by the band drawing them).
    int split = 0;
    bool countRows = false;
    std::vector<std::uint32_t> rowWork;

    Target target() { return {depth.data(), tileMax.data(), fresh.data(), vp.tilesX}; }
    Target target() const {
        return {const_cast<float*>(depth.data()), const_cast<float*>(tileMax.data()),
                const_cast<std::uint8_t*>(fresh.data()), vp.tilesX};
    }

    const float* tilePixelsAt(int index) const {
        return fresh[index] ? clearedTile : depth.data() + static_cast<std::size_t>(index) * tilePixels;
    }

    void draw(const TriangleSetup& t) {
        if (countRows) {
            const auto tiles = static_cast<std::uint32_t>(t.tileX1 - t.tileX0 + 3);
            for (int ty = t.tileY0; ty <= t.tileY1; ++ty) rowWork[static_cast<std::size_t>(ty)] += tiles;
        }
#ifdef TILECULL_HAS_AVX2_PATH
        if (path == Path::avx2) return drawAvx2(t, target());
#endif
        drawPortable(t, target());
    }

    bool shows(const TriangleSetup& t) const {
#ifdef TILECULL_HAS_AVX2_PATH
        if (path == Path::avx2) return showsAvx2(t, target());
#endif
        return showsPortable(t, target());
    }

    PixelBox bufferPixels() const { return {0, 0, vp.tilesX * tileWidth - 1, vp.tilesY * tileHeight - 1}; }
    PixelBox viewportPixels() const { return {0, 0, vp.width - 1, vp.height - 1}; }

    // Transforms a mesh's vertices into the scratch; false when the mesh has nothing to transform.
    bool transformMesh(const Mesh& mesh, const double* m, Scratch& s) const {
        if (!mesh.positions || mesh.vertexCount == 0 || !mesh.indices) return false;
        s.clip.resize(mesh.vertexCount);
        s.codes.resize(mesh.vertexCount);
        s.window.resize(mesh.vertexCount);
        std::uint32_t i = 0;
#ifdef TILECULL_HAS_AVX2_PATH
        if (path == Path::avx2) {
            const VertexFrame frame{vp.guardX,
                                    vp.guardY,
                                    static_cast<double>(vp.width),
                                    static_cast<double>(vp.height),
                                    static_cast<double>(vp.originX),
                                    static_cast<double>(vp.originY),
                                    projectLimit};
            i = transformAvx2(m, mesh.positions, mesh.vertexCount, frame, s.clip.data(), s.codes.data(),
                              s.window.data());
        }
#endif
        for (; i < mesh.vertexCount; ++i) {
            s.clip[i] = transform(m, mesh.positions + 3 * static_cast<std::size_t>(i));
            s.codes[i] = outcode(s.clip[i], vp);
            if (s.codes[i] == 0 && !project(s.clip[i], vp, s.window[i])) s.codes[i] = broken;
        }
        return true;
    }

    // For each edge of a mesh's triangles (3 f + i: from corner i of triangle f), an edge of
    // another triangle running back along it (4 g + j), or noTwin: matched by index first, cheaply,
    // then the rest by the bits of the corners' positions, so that meshes repeating a corner per face
    // match too.
    static void findTwins(const Mesh& mesh, Scratch& s, Twins& twins) {
        twins.positions = mesh.positions;
        twins.vertexCount = mesh.vertexCount;
        twins.triangleCount = mesh.triangleCount;
        twins.of.assign(3 * std::size_t{mesh.triangleCount}, noTwin);
        s.byIndex.clear();
        for (std::uint32_t f = 0; f < mesh.triangleCount; ++f) {
            const std::uint32_t* index = mesh.indices + 3 * static_cast<std::size_t>(f);
            if (index[0] >= mesh.vertexCount || index[1] >= mesh.vertexCount || index[2] >= mesh.vertexCount)
                continue;
            for (std::uint32_t i = 0; i < 3; ++i)
                s.byIndex.push_back({std::uint64_t{index[i]} << 32 | index[i == 2 ? 0 : i + 1], 4 * f + i});
        }
        const auto before = [](const auto& a, const auto& b) { return a.key < b.key; };
        std::sort(s.byIndex.begin(), s.byIndex.end(), before);
        s.byPosition.clear();
        for (const IndexEdge& e : s.byIndex) {
            const std::uint64_t reverse = e.key << 32 | e.key >> 32;
            const auto back =
                std::lower_bound(s.byIndex.begin(), s.byIndex.end(), IndexEdge{reverse, 0}, before);
            if (back != s.byIndex.end() && back->key == reverse) {
                twins.of[e.at / 4 * 3 + e.at % 4] = back->at;
                continue;
            }
            PositionEdge p{{}, e.at};
            std::memcpy(p.key.data(), mesh.positions + 3 * (e.key >> 32), 3 * sizeof(float));
            std::memcpy(p.key.data() + 3, mesh.positions + 3 * (e.key & 0xffffffffu), 3 * sizeof(float));
            s.byPosition.push_back(p);
        }
        std::sort(s.byPosition.begin(), s.byPosition.end(), before);
        for (const PositionEdge& e : s.byPosition) {
            PositionEdge back{{}, 0};
            std::copy(e.key.begin() + 3, e.key.end(), back.key.begin());
            std::copy(e.key.begin(), e.key.begin() + 3, back.key.begin() + 3);
            const auto found = std::lower_bound(s.byPosition.begin(), s.byPosition.end(), back, before);
            if (found != s.byPosition.end() && found->key == back.key)
                twins.of[e.at / 4 * 3 + e.at % 4] = found->at;
        }
    }

    // For outline coverage: per triangle, which of its edges (bit i: from corner i) lie on the outline
    // of the mesh's front faces, i.e. no other front-facing triangle inside the guard band runs
    // back along it. The twins found for a mesh are kept (for a bounded number of meshes) and checked
    // against the corners on every use.
    void markOutlines(const Mesh& mesh, Scratch& s) const {
        const std::uint32_t triangles = mesh.triangleCount;
        s.outline.assign(triangles, 7);
        s.front.assign(triangles, 0);
        for (std::uint32_t f = 0; f < triangles; ++f) {
            const std::uint32_t* index = mesh.indices + 3 * static_cast<std::size_t>(f);
            s.front[f] = index[0] < mesh.vertexCount && index[1] < mesh.vertexCount &&
                         index[2] < mesh.vertexCount &&
                         (s.codes[index[0]] | s.codes[index[1]] | s.codes[index[2]]) == 0 &&
                         !facesAway(s.window[index[0]], s.window[index[1]], s.window[index[2]]);
        }
        if (s.twins.size() >= maxKeptTwins) s.twins.clear();
        Twins& twins = s.twins[mesh.indices];
        bool found = false;
        if (twins.positions != mesh.positions || twins.vertexCount != mesh.vertexCount ||
            twins.triangleCount != triangles) {
            findTwins(mesh, s, twins);
            found = true;
        }
        const auto samePlace = [&](std::uint32_t a, std::uint32_t b) {
            return a == b || std::memcmp(mesh.positions + 3 * std::size_t{a},
                                         mesh.positions + 3 * std::size_t{b}, 3 * sizeof(float)) == 0;
        };
        for (;;) {
            bool moved = false;
            for (std::uint32_t f = 0; f < triangles; ++f) {
                if (!s.front[f]) continue;
                const std::uint32_t* index = mesh.indices + 3 * static_cast<std::size_t>(f);
                for (std::uint32_t i = 0; i < 3; ++i) {
                    const std::uint32_t twin = twins.of[3 * std::size_t{f} + i];
                    if (twin == noTwin || !s.front[twin / 4]) continue;
                    const std::uint32_t* other = mesh.indices + 3 * std::size_t{twin / 4};
                    const std::uint32_t j = twin % 4;
                    if (samePlace(index[i], other[j == 2 ? 0 : j + 1]) &&
                        samePlace(index[i == 2 ? 0 : i + 1], other[j]))
                        s.outline[f] &= static_cast<std::uint8_t>(~(1u << i));
                    else
                        moved = true;
                }
            }
            if (!moved || found) return;
            // The corners changed since the twins were found: find them again.
            s.outline.assign(triangles, 7);
            findTwins(mesh, s, twins);
            found = true;
        }
    }

    // The outline bits of triangle f's edge `edge`, moved to bit `to`; every edge without outlines.
    static unsigned outlineBit(const Scratch& s, std::uint32_t f, int edge, int to) {
        return s.outline.empty() ? 1u << to : (s.outline[f] >> edge & 1u) << to;
    }

    // The convex quad that triangle f and the next one make when they share an edge, lie inside
    // the guard band and are coplanar within `planeRoom` in window depth; its corners counter-
    // clockwise, the first three triangle f's. False when they do not. `edges` holds which edges
    // matched last time (first triangle's, second's), tried before the others: a mesh tends to
    // split its quads alike.
    bool quadAt(const Mesh& mesh, const Scratch& s, std::uint32_t f, Polygon& quad, int (&edges)[2]) const {
        if (f + 1 >= mesh.triangleCount) return false;
        const std::uint32_t* first = mesh.indices + 3 * static_cast<std::size_t>(f);
        const std::uint32_t* second = first + 3;
        static constexpr int next[5] = {1, 2, 0, 1, 2};
        const auto shares = [&](int i, int j) {
            return second[j] == first[next[i]] && second[next[j]] == first[i];
        };
        if (!shares(edges[0], edges[1])) {
            int i = 0, j = 0;
            while (!shares(i, j))
                if (++j == 3) {
                    j = 0;
                    if (++i == 3) return false;
                }
            edges[0] = i, edges[1] = j;
        }
        const int i = edges[0], j = edges[1];
        const std::uint32_t p0 = first[i], p1 = first[next[i]], p2 = first[next[i + 1]];
        const std::uint32_t q = second[next[j + 1]];
        if (q >= mesh.vertexCount || s.codes[q] != 0) return false;
        const WindowVertex &a = s.window[p1], &b = s.window[p2], &c = s.window[p0], &d = s.window[q];
        // The first triangle's plane at q, against q's own depth.
        const double ux = b.x - a.x, uy = b.y - a.y, wx = c.x - a.x, wy = c.y - a.y;
        const double det = ux * wy - uy * wx;
        if (!(det > 1.0 / 64.0)) return false;
        const double inverse = 1.0 / det;
        const double k = ((d.x - a.x) * wy - (d.y - a.y) * wx) * inverse,
                     l = (ux * (d.y - a.y) - uy * (d.x - a.x)) * inverse;
        const double off = std::fabs(a.z + k * (b.z - a.z) + l * (c.z - a.z) - d.z);
        if (!(off <= planeRoom)) return false;
        const unsigned outline = outlineBit(s, f, next[i], 0) | outlineBit(s, f, next[i + 1], 1) |
                                 outlineBit(s, f + 1, next[j], 2) | outlineBit(s, f + 1, next[j + 1], 3);
        quad = {{&a, &b, &c, &d}, 4, off, inverse, outline};
        return true;
    }

    // Calls each(triangle) for every piece of every triangle that survives clipping and does not
    // face away; each returns true to stop. A triangle with a bad index or corner calls bad(), which
    // may stop too.
    template <typename Each, typename Bad>
    void forEachTriangle(const Mesh& mesh, Scratch& s, Each each, Bad bad) const {
        forEachPolygon(mesh, s, false, each, bad);
    }

    // True when the triangle's snapped corners turn clockwise or not at all: it would set up as
    // nothing, so it is skipped before being paired or set up.
    static bool facesAway(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c) {
        const std::int64_t ux = std::int64_t{b.sx} - a.sx, uy = std::int64_t{b.sy} - a.sy;
        const std::int64_t wx = std::int64_t{c.sx} - a.sx, wy = std::int64_t{c.sy} - a.sy;
        return ux * wy - uy * wx <= 0;
    }

    // Calls each(polygon) for every triangle, or (with `merge`) quad of two, that survives clipping
    // and does not face away; each returns true to stop, or, for a quad it cannot take, the quad's
    // triangles are handed over one by one. Polygons carry their edges on the outline when the scratch
    // holds them (all edges otherwise).
    template <typename Each, typename Bad>
    void forEachPolygon(const Mesh& mesh, Scratch& s, bool merge, Each each, Bad bad) const {
        int edges[2] = {0, 0};
        for (std::uint32_t f = 0; f < mesh.triangleCount; ++f) {
            const std::uint32_t* index = mesh.indices + 3 * static_cast<std::size_t>(f);
            if (index[0] >= mesh.vertexCount || index[1] >= mesh.vertexCount ||
                index[2] >= mesh.vertexCount) {
                if (bad(false)) return;
                continue;
            }
            const unsigned a = s.codes[index[0]], b = s.codes[index[1]], c = s.codes[index[2]];
            if ((a | b | c) & broken) {
                if (bad(false)) return;
                continue;
            }
            if ((a | b | c) & nearPlane) {
                if (bad(true)) return;
            }
            if (a & b & c) continue; // wholly outside one plane
            if ((a | b | c) == 0) {
                const WindowVertex &p = s.window[index[0]], &q = s.window[index[1]], &r = s.window[index[2]];
                // The other half of its side, if any, is checked on its own: cheaper than matching it.
                if (facesAway(p, q, r)) continue;
                Polygon polygon;
                if (merge && quadAt(mesh, s, f, polygon, edges)) {
                    ++f;
                    if (each(polygon)) return;
                    continue;
                }
                const unsigned outline =
                    outlineBit(s, f, 0, 0) | outlineBit(s, f, 1, 1) | outlineBit(s, f, 2, 2);
                if (each(Polygon{{&p, &q, &r, nullptr}, 3, 0.0, 0.0, outline})) return;
                continue;
            }
            ClipVertex polygon[8] = {s.clip[index[0]], s.clip[index[1]], s.clip[index[2]]};
            const int n = clipPolygon(polygon, a | b | c, vp);
            WindowVertex projected[8];
            bool ok = n >= 3;
            for (int i = 0; i < n && ok; ++i) ok = project(polygon[i], vp, projected[i]);
            if (!ok) { // rounding on a far-off corner left it beyond the band: nothing sound to draw
                if (bad(false)) return;
                continue;
            }
            // A piece's outer edges lie on the outline, the fan's inner ones do not.
            for (int i = 1; i + 1 < n; ++i)
                if (each(Polygon{{&projected[0], &projected[i], &projected[i + 1], nullptr},
                                 3,
                                 0.0,
                                 0.0,
                                 (i == 1 ? 1u : 0u) | 2u | (i + 2 == n ? 4u : 0u)}))
                    return;
        }
    }

    // Draws a mesh's triangles within the rows of `box`. With `keep`, each is set up over the whole
    // buffer and kept there, while room lasts, before it is narrowed to the rows.
    void drawMesh(const Mesh& mesh, const double* m, const PixelBox& box, Scratch& s, Kept* keep = nullptr) {
        if (!transformMesh(mesh, m, s)) return;
        if (coverage == Coverage::outlines)
            markOutlines(mesh, s);
        else
            s.outline.clear();
        TriangleSetup& t = s.setup;
        const PixelBox all = bufferPixels();
        const int bandTileY0 = box.y0 / tileHeight, bandTileY1 = box.y1 / tileHeight;
        const bool whole = coverage != Coverage::centres;
        const auto drawPolygon = [&](Polygon polygon) {
            // Whole pixels hold along every edge, also the diagonals and fan edges inside a face.
            if (coverage != Coverage::outlines) polygon.outline = allEdges;
            if (!keep) {
                const SetUp result =
                    setUp(polygon, vp, all, Rounding::farther, t, path, bandTileY0, bandTileY1, whole);
                if (result == SetUp::drawn) {
                    ++s.counters.trianglesDrawn;
                    draw(t);
                }
                return result;
            }
            const SetUp result = setUp(polygon, vp, all, Rounding::farther, t, path, 0,
                                       std::numeric_limits<int>::max(), whole);
            if (result != SetUp::drawn) return result;
            if (keep->count < keep->capacity)
                keep->setups[keep->count++] = t;
            else
                keep->overflow = true;
            if (keepRows(t, bandTileY0, bandTileY1)) {
                ++s.counters.trianglesDrawn;
                draw(t);
            }
            return result;
        };
        forEachPolygon(
            mesh, s, true,
            [&](const Polygon& polygon) {
                if (drawPolygon(polygon) == SetUp::notConvex) { // only quads are
                    const WindowVertex* const* c = polygon.corner;
                    // Split on the diagonal from corner 0, which lies inside the quad's outline.
                    drawPolygon(
                        Polygon{{c[0], c[1], c[2], nullptr}, 3, 0.0, polygon.inverse, polygon.outline & 3u});
                    drawPolygon(Polygon{{c[0], c[2], c[3], nullptr}, 3, 0.0, 0.0, polygon.outline >> 1 & 6u});
                }
                return false;
            },
            [](bool) { return false; });
    }

    // True when every pixel of `box` (within the buffer) holds a depth strictly nearer than `nearest`.
    bool hidden(const PixelBox& box, double nearest) const {
        assert(box.x0 >= 0 && box.y0 >= 0);
        // For a float, being below the double `nearest` is being below it rounded up to a float.
        constexpr double largest = std::numeric_limits<float>::max();
        const float limit = nearest > largest    ? std::numeric_limits<float>::infinity()
                            : nearest < -largest ? -std::numeric_limits<float>::infinity()
                                                 : roundedUp(nearest);
        const int tx0 = box.x0 / tileWidth, tx1 = box.x1 / tileWidth;
        const int ty0 = box.y0 / tileHeight, ty1 = box.y1 / tileHeight;
        for (int ty = ty0; ty <= ty1; ++ty) {
            const float* maxima = tileMax.data() + ty * vp.tilesX;
            for (int tx = tx0; tx <= tx1; ++tx) {
                if (maxima[tx] < limit) continue;
                // The tile as a whole does not hide it: its pixels within the rectangle might.
                const float* tile = tilePixelsAt(ty * vp.tilesX + tx);
                const int x0 = std::max(box.x0 - tx * tileWidth, 0),
                          x1 = std::min(box.x1 - tx * tileWidth, tileWidth - 1);
                const int y0 = std::max(box.y0 - ty * tileHeight, 0),
                          y1 = std::min(box.y1 - ty * tileHeight, tileHeight - 1);
                const unsigned columns = (0xffu << x0) & (0xffu >> (tileWidth - 1 - x1));
                for (int y = y0; y <= y1; ++y)
                    if (rowNotBelow(tile + y * tileWidth, limit) & columns) return false;
            }
        }
        return true;
    }

    // The last pixel a maximum in (0, infinity) reaches into, within [first, side - 1].
    static int lastPixel(double max, int side, int first) {
        if (!(max < side)) return side - 1;
        const int whole = static_cast<int>(max);
        return std::max(static_cast<double>(whole) == max ? whole - 1 : whole, first);
    }

    // The pixels a window rectangle meets within the viewport; a maximum on a pixel boundary does not
    // reach into the next pixel. False when it misses the viewport.
    bool rectPixels(double minX, double minY, double maxX, double maxY, PixelBox& box) const {
        if (!(maxX > 0.0 && maxY > 0.0 && minX < vp.width && minY < vp.height)) return false;
        // Within (0, side) truncation is the floor, and one less than the ceiling is the truncation
        // less one when the value is a whole number.
        box.x0 = minX > 0.0 ? static_cast<int>(minX) : 0;
        box.y0 = minY > 0.0 ? static_cast<int>(minY) : 0;
        box.x1 = lastPixel(maxX, vp.width, box.x0);
        box.y1 = lastPixel(maxY, vp.height, box.y0);
        return true;
    }

    Visibility rectVisibility(double minX, double minY, double maxX, double maxY, double nearest) const {
        if (depth.empty() || !(minX <= maxX && minY <= maxY) || std::isnan(nearest))
            return Visibility::visible;
        PixelBox box;
        if (!rectPixels(minX, minY, maxX, maxY, box)) return Visibility::outsideView;
        return hidden(box, nearest) ? Visibility::occluded : Visibility::visible;
    }

    BoxRect boxRect(const float* boxMin, const float* boxMax, const double* m) const {
        BoxRect r;
        BoxExtent e;
#ifdef TILECULL_HAS_AVX2_PATH
        const bool inFront = path == Path::avx2 ? boxExtentAvx2(m, boxMin, boxMax, e)
                                                : boxExtentPortable(m, boxMin, boxMax, e);
#else
        const bool inFront = boxExtentPortable(m, boxMin, boxMax, e);
#endif
        if (!inFront) {
            r.crossesNear = true;
            return r;
        }
        r.nearest = e.nearest * 0.5 + 0.5;
        const double w = vp.width * 0.5, h = vp.height * 0.5;
        if (!rectPixels((e.minX + 1.0) * w, (e.minY + 1.0) * h, (e.maxX + 1.0) * w, (e.maxY + 1.0) * h,
                        r.pixels))
            r.state = Visibility::outsideView;
        return r;
    }

    Visibility boxVisibility(const BoxRect& r) const {
        if (r.crossesNear) return Visibility::visible;
        if (r.state == Visibility::outsideView) return r.state;
        return hidden(r.pixels, r.nearest) ? Visibility::occluded : Visibility::visible;
    }

    void placeOccluders(const Occluder* occluders, std::size_t first, std::size_t end, const double* m) {
        for (std::size_t i = first; i < end; ++i)
            rects[i] = boxRect(occluders[i].boxMin, occluders[i].boxMax, m);
    }

    // The occluders whose rectangles are placed and may reach into the view, nearest first, in
    // `order`. Within the room reserved there: a two-band pass sorts with its worker started.
    void sortOccluders() {
        order.clear();
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const BoxRect& r = rects[i];
            if (r.state == Visibility::outsideView) continue;
            // Non-negative floats order as their bits do; rounding only reorders near ties, which
            // changes what is skipped, never the buffer.
            const float key = r.crossesNear ? 0.0f : static_cast<float>(r.nearest);
            std::uint32_t bits;
            std::memcpy(&bits, &key, sizeof bits);
            order.push_back(std::uint64_t{bits} << 32 | static_cast<std::uint32_t>(i));
        }
        sortByUpperHalf(order, orderSpare);
    }

    // Draws band 0 (the tile rows below `split`) or band 1 (the others) of `bands`.
    void drawBand(const Occluder* occluders, const double* m, int band, int bands) {
        PixelBox box = bufferPixels();
        if (bands == 2) {
            if (band == 0)
                box.y1 = split * tileHeight - 1;
            else
                box.y0 = split * tileHeight;
        }
        Scratch& s = scratch[band];
        std::uint8_t* outcome = bands == 2 ? bandOutcome[band].data() : nullptr;
        for (const std::uint64_t entry : order) {
            const auto index = static_cast<std::uint32_t>(entry);
            const BoxRect& r = rects[index];
            if (!r.crossesNear) {
                PixelBox part = r.pixels;
                part.y0 = std::max(part.y0, box.y0);
                part.y1 = std::min(part.y1, box.y1);
                if (part.y0 > part.y1) continue; // not in this band
                if (hidden(part, r.nearest)) {
                    if (outcome)
                        outcome[index] = hiddenInBand;
                    else
                        ++s.counters.occludersHidden;
                    continue;
                }
            }
            if (bands == 1) {
                ++s.counters.occludersDrawn;
                drawMesh(occluders[index].mesh, m, box, s);
            } else {
                outcome[index] = drawnInBand;
                drawShared(index, occluders[index].mesh, m, box, band);
            }
        }
    }

    // Counts each occluder of a two-band pass once, as one band would have: drawn when a band drew
    // it, hidden when every band it reaches found it hidden there.
    void countBandOutcomes() {
        Counters& c = scratch[0].counters;
        for (const std::uint64_t entry : order) {
            const auto index = static_cast<std::uint32_t>(entry);
            const std::uint8_t most = std::max(bandOutcome[0][index], bandOutcome[1][index]);
            c.occludersDrawn += most == drawnInBand;
            c.occludersHidden += most == hiddenInBand;
        }
    }

    // Puts the split where the last pass's tiles fall half below, half above: frames follow each
    // other closely. Setting up is shared out as the bands go, drawing tiles is not. The buffer does
    // not depend on where the split lies.
    void rebalance() {
        std::uint64_t total = 0;
        for (const std::uint32_t w : rowWork) total += w;
        if (total == 0) return;
        std::uint64_t below = 0;
        int row = 0;
        while (row < vp.tilesY && 2 * (below + rowWork[static_cast<std::size_t>(row)]) <= total)
            below += rowWork[static_cast<std::size_t>(row++)];
        split = std::clamp(row, 1, vp.tilesY - 1);
    }

    // Before a pass of `count` occluders with two bands: no setups kept yet, and room for those of
    // `triangles` triangles per band (a clipped one may need more; what does not fit is not shared).
    void prepareShared(std::size_t count, std::size_t triangles) {
        if (sharedStateSize < count) {
            sharedState = std::make_unique<std::atomic<Shared>[]>(count);
            sharedStateSize = count;
        }
        for (std::size_t i = 0; i < count; ++i) sharedState[i].store(Shared::none, std::memory_order_relaxed);
        sharedRanges.resize(count);
        for (int band = 0; band < 2; ++band) {
            if (sharedSetups[band].size() < triangles) sharedSetups[band].resize(triangles);
            sharedUsed[band] = 0;
        }
    }

    void drawShared(std::uint32_t index, const Mesh& mesh, const double* m, const PixelBox& box, int band) {
        Scratch& s = scratch[band];
        std::atomic<Shared>& state = sharedState[index];
        Shared seen = state.load(std::memory_order_acquire);
        if (seen == Shared::ready) {
            const SharedRange& range = sharedRanges[index];
            const TriangleSetup* kept = sharedSetups[range.band].data() + range.first;
            const int bandTileY0 = box.y0 / tileHeight, bandTileY1 = box.y1 / tileHeight;
            for (std::size_t i = 0; i < range.count; ++i) {
                s.setup = kept[i];
                if (!keepRows(s.setup, bandTileY0, bandTileY1)) continue;
                ++s.counters.trianglesDrawn;
                draw(s.setup);
            }
            return;
        }
        if (seen != Shared::none ||
            !state.compare_exchange_strong(seen, Shared::filling, std::memory_order_acq_rel))
            return drawMesh(mesh, m, box, s); // the other band is at it, or gave up on it
        std::vector<TriangleSetup>& store = sharedSetups[band];
        Kept keep{store.data() + sharedUsed[band], store.size() - sharedUsed[band], 0, false};
        drawMesh(mesh, m, box, s, &keep);
        if (keep.overflow) {
            state.store(Shared::unusable, std::memory_order_release);
            return;
        }
        sharedRanges[index] = {static_cast<std::uint8_t>(band), sharedUsed[band], keep.count};
        sharedUsed[band] += keep.count;
        state.store(Shared::ready, std::memory_order_release);
    }
};

Culler::Culler() : impl(std::make_unique<Impl>()) { impl->path = fastestPath(); }

Culler::~Culler() = default;
Culler::Culler(Culler&&) noexcept = default;
Culler& Culler::operator=(Culler&&) noexcept = default;

bool Culler::resize(int width, int height) {
    Impl& d = *impl;
    const bool ok = width >= 1 && height >= 1 && width <= maxSide && height <= maxSide;
    d.vp = Viewport{};
    d.split = 0; // the halves again: the last split was for other rows
    if (ok) {
        d.vp.width = width;
        d.vp.height = height;
        d.vp.tilesX = (width + tileWidth - 1) / tileWidth;
        d.vp.tilesY = (height + tileHeight - 1) / tileHeight;
        d.vp.originX = width / 2;
        d.vp.originY = height / 2;
        d.vp.guardX = 2.0 * guardPixels / width;
        d.vp.guardY = 2.0 * guardPixels / height;
    }
    const std::size_t tiles = static_cast<std::size_t>(d.vp.tilesX) * static_cast<std::size_t>(d.vp.tilesY);
    d.depth.assign(tiles * tilePixels, 1.0f);
    d.tileMax.assign(tiles, 1.0f);
    d.fresh.assign(tiles, 1);
    clear();
    return ok;
}

int Culler::width() const { return impl->vp.width; }
int Culler::height() const { return impl->vp.height; }

void Culler::clear() {
    // A tile's pixels are set to 1 when it is next drawn into: most passes leave most tiles alone.
    std::fill(impl->tileMax.begin(), impl->tileMax.end(), 1.0f);
    std::fill(impl->fresh.begin(), impl->fresh.end(), std::uint8_t{1});
    for (Scratch& s : impl->scratch) s.counters = {};
}

Path Culler::fastestPath() {
#if defined(TILECULL_HAS_AVX2_PATH) && defined(__GNUC__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return Path::avx2;
#endif
    return Path::portable;
}

bool Culler::setPath(Path path) {
    if (path == Path::avx2 && fastestPath() != Path::avx2) return false;
    impl->path = path;
    return true;
}

Path Culler::path() const { return impl->path; }

void Culler::setThreads(int count) {
    impl->threads = std::clamp(count, 1, 2);
    if (impl->threads == 2 && !impl->worker) impl->worker = std::make_unique<Worker>();
}

int Culler::threads() const { return impl->threads; }

void Culler::setCoverage(Coverage coverage) { impl->coverage = coverage; }

Coverage Culler::coverage() const { return impl->coverage; }

namespace {

void toDouble(const float* m, double (&out)[16]) {
    for (int i = 0; i < 16; ++i) out[i] = m[i];
}

} // namespace

void Culler::renderTriangles(const Mesh& mesh, const float* worldToClip) {
    Impl& d = *impl;
    if (d.depth.empty() || !worldToClip) return;
    double m[16];
    toDouble(worldToClip, m);
    d.drawMesh(mesh, m, d.bufferPixels(), d.scratch[0]);
}

void Culler::renderOccluders(const Occluder* occluders, std::size_t count, const float* worldToClip) {
    Impl& d = *impl;
    if (d.depth.empty() || !worldToClip || !occluders) return;
    assert(count <= std::numeric_limits<std::uint32_t>::max()); // the order keeps 32-bit indices
    double m[16];
    toDouble(worldToClip, m);
    d.rects.resize(count);
    if (d.threads != 2 || d.vp.tilesY < 2) {
        d.placeOccluders(occluders, 0, count, m);
        d.sortOccluders();
        return d.drawBand(occluders, m, 0, 1);
    }
    // Everything that allocates comes before the worker is offered its band: from then on the pass
    // cannot end early. The setups' room is sized by every occluder, the order not being known yet.
    std::size_t triangles = 0;
    for (std::size_t i = 0; i < count; ++i) triangles += occluders[i].mesh.triangleCount;
    d.prepareShared(count, std::min(triangles, maxSharedSetups));
    d.order.reserve(count);
    d.orderSpare.reserve(count);
    for (std::vector<std::uint8_t>& outcome : d.bandOutcome) outcome.assign(count, Impl::notInBand);
    d.rowWork.assign(static_cast<std::size_t>(d.vp.tilesY), 0);
    if (d.split < 1 || d.split >= d.vp.tilesY) d.split = (d.vp.tilesY + 1) / 2;
    d.countRows = true;
    // The worker places occluders with the caller until all are placed, then, once the caller has
    // put them in order, draws band 1.
    struct Pass {
        Impl& d;
        const Occluder* occluders;
        const double* m;
        Chunks rects;
        std::atomic<std::size_t> placed{0};
        std::atomic<bool> ordered{false};

        void place() {
            rects.run([&](std::size_t first, std::size_t end) {
                d.placeOccluders(occluders, first, end, m);
                placed.fetch_add(end - first, std::memory_order_release);
            });
        }
    } pass{d, occluders, m, Chunks(count)};
    d.worker->offer(
        [](void* argument) {
            Pass& p = *static_cast<Pass*>(argument);
            p.place();
            while (!p.ordered.load(std::memory_order_acquire)) std::this_thread::yield();
            p.d.drawBand(p.occluders, p.m, 1, 2);
        },
        &pass);
    pass.place();
    // Only chunks the worker took and has not yet ended are left: a few microseconds.
    while (pass.placed.load(std::memory_order_acquire) != count) std::this_thread::yield();
    d.sortOccluders();
    pass.ordered.store(true, std::memory_order_release);
    d.drawBand(occluders, m, 0, 2);
    d.worker->finish();
    d.countRows = false;
    d.countBandOutcomes();
    d.rebalance();
}

Visibility Culler::testRect(float minX, float minY, float maxX, float maxY, float nearestDepth) const {
    return impl->rectVisibility(minX, minY, maxX, maxY, nearestDepth);
}

Visibility Culler::testNdcRect(float minX, float minY, float maxX, float maxY, float nearestDepth) const {
    const double w = impl->vp.width * 0.5, h = impl->vp.height * 0.5;
    return impl->rectVisibility((minX + 1.0) * w, (minY + 1.0) * h, (maxX + 1.0) * w, (maxY + 1.0) * h,
                                nearestDepth);
}

Visibility Culler::testBox(const float* boxMin, const float* boxMax, const float* worldToClip) const {
    const Impl& d = *impl;
    if (d.depth.empty() || !boxMin || !boxMax || !worldToClip) return Visibility::visible;
    double m[16];
    toDouble(worldToClip, m);
    return d.boxVisibility(d.boxRect(boxMin, boxMax, m));
}

void Culler::testBoxes(const float* boxes, std::size_t count, const float* worldToClip,
                       Visibility* out) const {
    const Impl& d = *impl;
    if (!out) return;
    if (d.depth.empty() || !boxes || !worldToClip) return std::fill(out, out + count, Visibility::visible);
    double m[16];
    toDouble(worldToClip, m);
    // The tests only read the buffer: the caller and the worker share them out chunk by chunk.
    struct Batch {
        const Impl& d;
        const float* boxes;
        const double* m;
        Visibility* out;
        Chunks chunks;
    } batch{d, boxes, m, out, Chunks(count)};
    const auto test = [](void* argument) {
        Batch& b = *static_cast<Batch*>(argument);
        b.chunks.run([&](std::size_t first, std::size_t end) {
            // Every rectangle of the chunk first: their long chains of arithmetic overlap when no
            // test's branches come between them.
            BoxRect rects[Chunks::size];
            for (std::size_t i = first; i < end; ++i)
                rects[i - first] = b.d.boxRect(b.boxes + 6 * i, b.boxes + 6 * i + 3, b.m);
            for (std::size_t i = first; i < end; ++i) b.out[i] = b.d.boxVisibility(rects[i - first]);
        });
    };
    if (d.threads == 2 && count > Chunks::size) {
        d.worker->offer(test, &batch);
        test(&batch);
        d.worker->finish();
    } else {
        test(&batch);
    }
}

Visibility Culler::testTriangles(const Mesh& mesh, const float* worldToClip) const {
    const Impl& d = *impl;
    // No triangles say nothing of where the occludee could show (a box-only stand-in, say).
    if (d.depth.empty() || !worldToClip || mesh.triangleCount == 0) return Visibility::visible;
    double m[16];
    toDouble(worldToClip, m);
    Scratch& s = d.testScratch;
    if (!d.transformMesh(mesh, m, s)) return Visibility::visible;
    bool shows = false;
    TriangleSetup& t = s.setup;
    d.forEachTriangle(
        mesh, s,
        [&](const Polygon& triangle) {
            shows = setUp(triangle, d.vp, d.viewportPixels(), Rounding::nearer, t, d.path) == SetUp::drawn &&
                    d.shows(t);
            return shows;
        },
        [&](bool) { return shows = true; });
    return shows ? Visibility::visible : Visibility::occluded;
}

void Culler::readDepth(float* out) const {
    const Impl& d = *impl;
    if (!out) return;
    for (int y = 0; y < d.vp.height; ++y)
        for (int x = 0; x < d.vp.width; ++x) {
            const int tile = (y / tileHeight) * d.vp.tilesX + x / tileWidth;
            out[y * d.vp.width + x] = d.tilePixelsAt(tile)[(y % tileHeight) * tileWidth + x % tileWidth];
        }
}

Counters Culler::counters() const {
    Counters sum;
    for (const Scratch& s : impl->scratch) {
        sum.occludersDrawn += s.counters.occludersDrawn;
        sum.occludersHidden += s.counters.occludersHidden;
        sum.trianglesDrawn += s.counters.trianglesDrawn;
    }
    return sum;
}

} // namespace tilecull
