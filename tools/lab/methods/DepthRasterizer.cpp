#include "methods/DepthRasterizer.h"

#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace {

constexpr int subpixelBits = 8;
constexpr std::int64_t subpixel = std::int64_t{1} << subpixelBits;
// Clip-space |x|, |y| <= 4 w keeps snapped coordinates small enough for exact 64-bit edge
// functions; what the band removes lies outside the viewport anyway.
constexpr double guardBand = 4.0;
constexpr int planeCount = 5;

// Signed distance to plane p (inside >= 0): near, left, right, bottom, top.
double planeDistance(const Geometry::Vector4& v, int p) {
    switch (p) {
    case 0: return v.z + v.w;
    case 1: return v.x + guardBand * v.w;
    case 2: return guardBand * v.w - v.x;
    case 3: return v.y + guardBand * v.w;
    default: return guardBand * v.w - v.y;
    }
}

unsigned outcode(const Geometry::Vector4& v) {
    const double band = guardBand * v.w;
    // Written so that NaN counts as outside every plane.
    return (!(v.z + v.w >= 0.0) ? 1u : 0u) | (!(v.x + band >= 0.0) ? 2u : 0u) |
           (!(band - v.x >= 0.0) ? 4u : 0u) | (!(v.y + band >= 0.0) ? 8u : 0u) |
           (!(band - v.y >= 0.0) ? 16u : 0u);
}

Geometry::Vector4 lerp(const Geometry::Vector4& a, const Geometry::Vector4& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.w + (b.w - a.w) * t};
}

// ceil(n / d) for d > 0 from an estimate through the reciprocal, corrected to the exact integer:
// no division per row.
std::int64_t ceilQuotient(std::int64_t n, std::int64_t d, double reciprocal) {
    auto q = static_cast<std::int64_t>(static_cast<double>(n) * reciprocal);
    while (q * d < n) ++q;
    while ((q - 1) * d >= n) --q;
    return q;
}

#if defined(__SSE2__) && defined(__GNUC__)
// Eight at a time for spans of eight or more, on processors with AVX (chosen at run time, since
// the build targets plain x86-64); the last eight may overlap the previous ones, which the minimum
// makes harmless.
__attribute__((target("avx"))) void minSpanEight(float* span, int count, float z, float step) {
    const __m256 base = _mm256_set1_ps(z), slope = _mm256_set1_ps(step), eight = _mm256_set1_ps(8.0f);
    const __m256 first = _mm256_setr_ps(0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f);
    __m256 lanes = first;
    int k = 0;
    for (; k + 8 <= count; k += 8, lanes = _mm256_add_ps(lanes, eight))
        _mm256_storeu_ps(span + k, _mm256_min_ps(_mm256_loadu_ps(span + k),
                                                 _mm256_add_ps(base, _mm256_mul_ps(slope, lanes))));
    if (k == count) return;
    k = count - 8;
    lanes = _mm256_add_ps(_mm256_set1_ps(static_cast<float>(k)), first);
    _mm256_storeu_ps(
        span + k, _mm256_min_ps(_mm256_loadu_ps(span + k), _mm256_add_ps(base, _mm256_mul_ps(slope, lanes))));
}

const bool hasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();
#endif

// span[k] = min(span[k], z + step k) for k < count.
void minSpan(float* span, int count, float z, float step) {
    int k = 0;
#if defined(__SSE2__) && defined(__GNUC__)
    if (count >= 8 && hasAvx) return minSpanEight(span, count, z, step);
#endif
#if defined(__SSE2__)
    // Four at a time; the last four may overlap the previous ones, which the minimum makes harmless.
    if (count >= 4) {
        const __m128 base = _mm_set1_ps(z), slope = _mm_set1_ps(step), four = _mm_set1_ps(4.0f);
        __m128 lanes = _mm_setr_ps(0.0f, 1.0f, 2.0f, 3.0f);
        for (; k + 4 <= count; k += 4, lanes = _mm_add_ps(lanes, four))
            _mm_storeu_ps(span + k,
                          _mm_min_ps(_mm_loadu_ps(span + k), _mm_add_ps(base, _mm_mul_ps(slope, lanes))));
        if (k == count) return;
        k = count - 4;
        lanes = _mm_add_ps(_mm_set1_ps(static_cast<float>(k)), _mm_setr_ps(0.0f, 1.0f, 2.0f, 3.0f));
        _mm_storeu_ps(span + k,
                      _mm_min_ps(_mm_loadu_ps(span + k), _mm_add_ps(base, _mm_mul_ps(slope, lanes))));
        return;
    }
#endif
    for (; k < count; ++k) span[k] = std::min(span[k], z + step * static_cast<float>(k));
}

std::int64_t roundToInteger(double v) {
    return v >= 0.0 ? static_cast<std::int64_t>(v + 0.5) : -static_cast<std::int64_t>(0.5 - v);
}

} // namespace

void DepthRasterizer::clear(int newSide) {
    side = std::max(newSide, 0);
    depth.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 1.0f);
}

DepthRasterizer::Snapped DepthRasterizer::snap(const Geometry::Vector4& c) const {
    const double s = static_cast<double>(side) * static_cast<double>(subpixel);
    const double inverseW = 1.0 / c.w;
    return {roundToInteger((c.x * inverseW * 0.5 + 0.5) * s),
            roundToInteger((c.y * inverseW * 0.5 + 0.5) * s), c.z * inverseW * 0.5 + 0.5};
}

void DepthRasterizer::drawObject(const SceneObject& object, const Geometry::Matrix& clip) {
    const std::size_t count = object.vertices.size();
    clipVertices.resize(count);
    outcodes.resize(count);
    snapped.resize(count);
    unsigned common = ~0u;
    const auto& m = clip.m;
    for (std::size_t i = 0; i < count; ++i) {
        const Geometry::Vector& p = object.vertices[i];
        clipVertices[i] = {
            m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
            m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11], m[12] * p.x + m[13] * p.y + m[14] * p.z + m[15]};
        outcodes[i] = outcode(clipVertices[i]);
        common &= outcodes[i];
        if (outcodes[i] == 0) snapped[i] = snap(clipVertices[i]);
    }
    if (count == 0 || common != 0) return; // wholly outside one plane
    if (coversNothingNew(count)) return;
    const std::size_t faces = object.faces.size();
    for (std::size_t f = 0; f < faces; ++f) {
        const std::uint32_t* v = object.faces[f].vertexIndices;
        const unsigned all = outcodes[v[0]] | outcodes[v[1]] | outcodes[v[2]];
        if (all != 0) {
            if ((outcodes[v[0]] & outcodes[v[1]] & outcodes[v[2]]) == 0)
                drawClipTriangle(clipVertices[v[0]], clipVertices[v[1]], clipVertices[v[2]], all);
            continue;
        }
        const Snapped triangle[3] = {snapped[v[0]], snapped[v[1]], snapped[v[2]]};
        if (cross(triangle[0], triangle[1], triangle[2]) <= 0) continue; // a back face
        Snapped quad[4];
        if (f + 1 < faces && mergeQuad(object, v, object.faces[f + 1].vertexIndices, quad)) {
            fill(quad, 4);
            ++f;
        } else {
            fill(triangle, 3);
        }
    }
}

bool DepthRasterizer::coversNothingNew(std::size_t count) const {
    // Only where an object spans few pixels is reading them cheaper than drawing it; then, when
    // every pixel its faces could reach is already nearer than its nearest vertex, it is skipped.
    std::int64_t minX = snapped[0].x, maxX = minX, minY = snapped[0].y, maxY = minY;
    double nearest = snapped[0].z;
    for (std::size_t i = 0; i < count; ++i) {
        if (outcodes[i] != 0) return false;
        minX = std::min(minX, snapped[i].x), maxX = std::max(maxX, snapped[i].x);
        minY = std::min(minY, snapped[i].y), maxY = std::max(maxY, snapped[i].y);
        nearest = std::min(nearest, snapped[i].z);
    }
    const std::int64_t half = subpixel / 2, lastPixel = side - 1;
    const std::int64_t x0 = std::max<std::int64_t>(0, (minX - half + subpixel - 1) >> subpixelBits);
    const std::int64_t x1 = std::min(lastPixel, (maxX - half) >> subpixelBits);
    const std::int64_t y0 = std::max<std::int64_t>(0, (minY - half + subpixel - 1) >> subpixelBits);
    const std::int64_t y1 = std::min(lastPixel, (maxY - half) >> subpixelBits);
    if (x0 > x1 || y0 > y1) return true;
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > 64) return false;
    for (std::int64_t y = y0; y <= y1; ++y)
        for (std::int64_t x = x0; x <= x1; ++x)
            if (!(depth[static_cast<std::size_t>(y * side + x)] < nearest)) return false;
    return true;
}

std::int64_t DepthRasterizer::cross(const Snapped& a, const Snapped& b, const Snapped& c) {
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

bool DepthRasterizer::mergeQuad(const SceneObject& object, const std::uint32_t* first,
                                const std::uint32_t* second, Snapped (&quad)[4]) const {
    // Face pairs that split a planar quad along a diagonal: one convex quad halves the rows to walk
    // and covers exactly the pixels the two triangles would.
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t p0 = first[i], p1 = first[(i + 1) % 3], p2 = first[(i + 2) % 3];
        for (int j = 0; j < 3; ++j) {
            if (second[j] != p1 || second[(j + 1) % 3] != p0) continue;
            const std::uint32_t q = second[(j + 2) % 3];
            if (outcodes[q] != 0) return false;
            const Geometry::Vector &a = object.vertices[p0], &b = object.vertices[p1],
                                   &c = object.vertices[p2], &d = object.vertices[q];
            const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z, vx = c.x - a.x, vy = c.y - a.y,
                         vz = c.z - a.z;
            const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
            const double ex = d.x - a.x, ey = d.y - a.y, ez = d.z - a.z;
            const double offPlane = nx * ex + ny * ey + nz * ez;
            if (!(offPlane * offPlane <=
                  1e-18 * (nx * nx + ny * ny + nz * nz) * (ex * ex + ey * ey + ez * ez)))
                return false;
            quad[0] = snapped[p1], quad[1] = snapped[p2], quad[2] = snapped[p0], quad[3] = snapped[q];
            for (int k = 0; k < 4; ++k)
                if (cross(quad[k], quad[(k + 1) % 4], quad[(k + 2) % 4]) <= 0)
                    return false; // not strictly convex
            return true;
        }
    }
    return false;
}

void DepthRasterizer::drawWindowTriangle(const Geometry::Vector& a, const Geometry::Vector& b,
                                         const Geometry::Vector& c) {
    const auto at = [](const Geometry::Vector& p) {
        return Snapped{roundToInteger(p.x * subpixel), roundToInteger(p.y * subpixel), p.z};
    };
    const Snapped triangle[3] = {at(a), at(b), at(c)};
    fill(triangle, 3);
}

void DepthRasterizer::drawClipTriangle(const Geometry::Vector4& a, const Geometry::Vector4& b,
                                       const Geometry::Vector4& c, unsigned outside) {
    // Sutherland-Hodgman against the planes the triangle crosses; a triangle gains at most one
    // vertex per plane.
    Geometry::Vector4 polygon[3 + planeCount], next[3 + planeCount];
    polygon[0] = a, polygon[1] = b, polygon[2] = c;
    int n = 3;
    for (int p = 0; p < planeCount && n >= 3; ++p) {
        if (!(outside & (1u << p))) continue;
        int m = 0;
        for (int i = 0; i < n; ++i) {
            const Geometry::Vector4& from = polygon[i];
            const Geometry::Vector4& to = polygon[(i + 1) % n];
            const double df = planeDistance(from, p), dt = planeDistance(to, p);
            if (df >= 0.0) next[m++] = from;
            if ((df >= 0.0) != (dt >= 0.0)) next[m++] = lerp(from, to, df / (df - dt));
        }
        std::copy(next, next + m, polygon);
        n = m;
    }
    for (int i = 1; i + 1 < n; ++i) {
        const Snapped triangle[3] = {snap(polygon[0]), snap(polygon[i]), snap(polygon[i + 1])};
        fill(triangle, 3);
    }
}

void DepthRasterizer::fill(const Snapped* corner, int n) {
    const Snapped &a = corner[0], &b = corner[1], &c = corner[2];
    const std::int64_t area = cross(a, b, c);
    if (area <= 0) return; // clockwise (a back face) or degenerate

    // Pixels whose centres (256 i + 128) can lie inside; >> floors negative values too.
    std::int64_t minX = a.x, maxX = a.x, minY = a.y, maxY = a.y;
    for (int i = 1; i < n; ++i) {
        minX = std::min(minX, corner[i].x), maxX = std::max(maxX, corner[i].x);
        minY = std::min(minY, corner[i].y), maxY = std::max(maxY, corner[i].y);
    }
    const std::int64_t half = subpixel / 2;
    const std::int64_t lastPixel = side - 1;
    const std::int64_t x0 = std::max<std::int64_t>(0, (minX - half + subpixel - 1) >> subpixelBits);
    const std::int64_t x1 = std::min(lastPixel, (maxX - half) >> subpixelBits);
    const std::int64_t y0 = std::max<std::int64_t>(0, (minY - half + subpixel - 1) >> subpixelBits);
    const std::int64_t y1 = std::min(lastPixel, (maxY - half) >> subpixelBits);
    if (x0 > x1 || y0 > y1) return;
    // Window depth is affine in window x, y: its gradient per pixel and its value at the centre
    // of pixel (x0, y0).
    const std::int64_t cx = x0 * subpixel + half, cy = y0 * subpixel + half;
    const double perArea = static_cast<double>(subpixel) / static_cast<double>(area);
    const double ux = static_cast<double>(b.x - a.x), uy = static_cast<double>(b.y - a.y);
    const double vx = static_cast<double>(c.x - a.x), vy = static_cast<double>(c.y - a.y);
    const double dzdx = ((b.z - a.z) * vy - (c.z - a.z) * uy) * perArea;
    const double dzdy = ((c.z - a.z) * ux - (b.z - a.z) * vx) * perArea;
    const double z00 =
        a.z + (dzdx * static_cast<double>(cx - a.x) + dzdy * static_cast<double>(cy - a.y)) / subpixel;

    // Edge p -> q: E = dx (y - p.y) - dy (x - p.x), positive inside a counter-clockwise triangle.
    // A centre on the edge (E == 0) counts only for left edges (going down) and top edges (going
    // left): the others need E >= 1.
    Setup setup{corner, n, x0, y0, y1, x1 - x0, {}, {}, {}, {}, z00, dzdx, dzdy};
    std::int64_t *value = setup.value, *stepX = setup.stepX, *stepY = setup.stepY, *minimum = setup.minimum;
    for (int i = 0; i < n; ++i) {
        const Snapped& p = corner[i];
        const Snapped& q = corner[(i + 1) % n];
        const std::int64_t dx = q.x - p.x, dy = q.y - p.y;
        value[i] = dx * (cy - p.y) - dy * (cx - p.x);
        stepX[i] = -dy * subpixel;
        stepY[i] = dx * subpixel;
        minimum[i] = (dy < 0 || (dy == 0 && dx < 0)) ? 0 : 1;
    }

    const std::int64_t width = x1 - x0;
    if (width >= 4) return walkRows(setup);
    {
        // Narrow: test every pixel of the box; wide boxes walk their edges row by row.
        for (std::int64_t y = y0; y <= y1; ++y) {
            float* row = depth.data() + y * side + x0;
            const double zRow = z00 + dzdy * static_cast<double>(y - y0);
            std::int64_t e[4] = {value[0], value[1], value[2], n > 3 ? value[3] : 0};
            for (std::int64_t k = 0; k <= width; ++k) {
                bool inside = true;
                for (int i = 0; i < n; ++i) inside = inside && e[i] >= minimum[i];
                if (inside)
                    row[k] = std::min(row[k], static_cast<float>(zRow + dzdx * static_cast<double>(k)));
                for (int i = 0; i < n; ++i) e[i] += stepX[i];
            }
            for (int i = 0; i < n; ++i) value[i] += stepY[i];
        }
    }
}

void DepthRasterizer::walkRows(const Setup& s) {
    const Snapped* corner = s.corner;
    const int n = s.n;
    const std::int64_t x0 = s.x0, y0 = s.y0, y1 = s.y1, width = s.width, half = subpixel / 2;
    const std::int64_t *value = s.value, *stepX = s.stepX, *stepY = s.stepY, *minimum = s.minimum;
    const double z00 = s.z00, dzdx = s.dzdx, dzdy = s.dzdy;
    const auto stepZ = static_cast<float>(dzdx);

    // Wide: the rows are walked up the left chain of edges (where spans start) and the right chain
    // (where they end); an edge bounds only the rows within its own height. Each bounds a row at
    // ceil(N / D), N = minimum - value, D = |stepX|, kept exactly as N = C D - R (0 <= R < D) and
    // stepped without division: N grows by -stepY = P D + Q (0 <= Q < D) per row.
    struct Bound {
        std::int64_t firstRow, lastRow;
        std::int64_t c, r, d, p, q;
        std::int64_t take() { // this row's bound, then on to the next row
            const std::int64_t bound = c;
            c += p;
            r -= q;
            if (r < 0) r += d, ++c;
            return bound;
        }
    };
    Bound left[4], right[4];
    int lefts = 0, rights = 0;
    std::int64_t keptOut[2] = {-1, -1}; // rows a horizontal edge keeps out whole
    for (int i = 0; i < n; ++i) {
        Bound e;
        const std::int64_t low = std::min(corner[i].y, corner[(i + 1) % n].y);
        const std::int64_t high = std::max(corner[i].y, corner[(i + 1) % n].y);
        e.firstRow = std::max(y0, (low - half + subpixel - 1) >> subpixelBits);
        e.lastRow = std::min(y1, (high - half) >> subpixelBits);
        if (e.firstRow > e.lastRow) continue;
        const std::int64_t numerator = minimum[i] - (value[i] + stepY[i] * (e.firstRow - y0));
        if (stepX[i] == 0) {
            if (numerator > 0) keptOut[keptOut[0] < 0 ? 0 : 1] = e.firstRow;
            continue;
        }
        e.d = std::abs(stepX[i]);
        const double reciprocal = 1.0 / static_cast<double>(e.d);
        e.c = ceilQuotient(numerator, e.d, reciprocal);
        e.r = e.c * e.d - numerator;
        e.p = -ceilQuotient(stepY[i], e.d, reciprocal); // floor(-stepY / D)
        e.q = -stepY[i] - e.p * e.d;
        Bound* chain = stepX[i] > 0 ? left : right;
        int& count = stepX[i] > 0 ? lefts : rights;
        int at = count++;
        for (; at > 0 && chain[at - 1].firstRow > e.firstRow; --at) chain[at] = chain[at - 1];
        chain[at] = e;
    }
    if (lefts == 0 || rights == 0) return;
    const auto span = [&](std::int64_t y, std::int64_t first, std::int64_t last) {
        first = std::max<std::int64_t>(first, 0), last = std::min(last, width);
        if (first > last || y == keptOut[0] || y == keptOut[1]) return;
        const double z = z00 + dzdy * static_cast<double>(y - y0) + dzdx * static_cast<double>(first);
        minSpan(depth.data() + y * side + x0 + first, static_cast<int>(last - first) + 1,
                static_cast<float>(z), stepZ);
    };
    int l = 0, r = 0;
    for (std::int64_t y = y0; y <= y1;) {
        while (l + 1 < lefts && left[l].lastRow < y) ++l;
        while (r + 1 < rights && right[r].lastRow < y) ++r;
        // A row where a chain passes to its next edge through a vertex on the row's centre line is
        // bounded by both edges; the rows before it by one edge of each chain, held in locals.
        const bool leftTurns = l + 1 < lefts && left[l + 1].firstRow <= left[l].lastRow;
        const bool rightTurns = r + 1 < rights && right[r + 1].firstRow <= right[r].lastRow;
        const std::int64_t end =
            std::min({left[l].lastRow - (leftTurns ? 1 : 0), right[r].lastRow - (rightTurns ? 1 : 0), y1});
        if (end < y) {
            std::int64_t first = left[l].take(), last = -right[r].take();
            if (leftTurns) first = std::max(first, left[l + 1].take());
            if (rightTurns) last = std::min(last, -right[r + 1].take());
            span(y++, first, last);
            continue;
        }
        Bound from = left[l], to = right[r];
        for (; y <= end; ++y) span(y, from.take(), -to.take());
        left[l] = from, right[r] = to;
    }
}
