// The AVX2 path: a tile row of eight pixels per instruction. Built with -mavx2 alone (no FMA), and
// entered only when the processor reports AVX2.
#include "TileLoops.h"

#include <cfloat>
#include <immintrin.h>

namespace tilecull::detail {
namespace {

struct Avx2Ops {
    __m256 offset[tileHeight]; // depth change from pixel (0, 0) along each tile row
    __m256i edgeX[4];          // edge change along a row
    __m256i edgeY[4];          // edge change per row

    explicit Avx2Ops(const TriangleSetup& t) {
        const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
        const __m256 alongX = _mm256_mul_ps(_mm256_set1_ps(t.depthStepX), _mm256_cvtepi32_ps(lanes));
        for (int y = 0; y < tileHeight; ++y)
            offset[y] = _mm256_add_ps(
                alongX, _mm256_mul_ps(_mm256_set1_ps(t.depthStepY), _mm256_set1_ps(static_cast<float>(y))));
        for (int i = 0; i < 4; ++i) {
            edgeX[i] = _mm256_mullo_epi32(_mm256_set1_epi32(t.stepX[i]), lanes);
            edgeY[i] = _mm256_set1_epi32(t.stepY[i]);
        }
    }

    // walkTiles with a tile's four edge values in one register: the same tiles, edges and depths.
    template <typename Skip, typename Visit>
    bool walk(const TriangleSetup& t, Skip skip, Visit visit, int tilesX) const {
        alignas(32) std::int64_t first[4], alongX[4], alongY[4];
        for (int i = 0; i < 4; ++i) {
            alongX[i] = std::int64_t{t.stepX[i]} * tileWidth;
            alongY[i] = std::int64_t{t.stepY[i]} * tileHeight;
            first[i] =
                t.edge[i] + alongY[i] * (t.tileY0 - t.originTileY) + alongX[i] * (t.tileX0 - t.originTileX);
        }
        const __m256i tileStepX = _mm256_load_si256(reinterpret_cast<const __m256i*>(alongX));
        const __m256i tileStepY = _mm256_load_si256(reinterpret_cast<const __m256i*>(alongY));
        const __m256i maxOffset =
            _mm256_cvtepi32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t.tileMaxOffset)));
        const __m256i minOffset =
            _mm256_cvtepi32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t.tileMinOffset)));
        const __m256i holds = _mm256_sub_epi64(_mm256_setzero_si256(), minOffset); // holds the whole tile
        const __m256i low32 = _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6);
        __m256i rowEdge = _mm256_load_si256(reinterpret_cast<const __m256i*>(first));
        alignas(16) std::int32_t edges[4];
        for (int ty = t.tileY0; ty <= t.tileY1; ++ty, rowEdge = _mm256_add_epi64(rowEdge, tileStepY)) {
            const float rowDepth = t.depth + t.depthTileY * static_cast<float>(ty - t.originTileY);
            __m256i e = rowEdge;
            for (int tx = t.tileX0; tx <= t.tileX1; ++tx, e = _mm256_add_epi64(e, tileStepX)) {
                // A sign bit set: the tile lies outside that edge.
                if (_mm256_movemask_pd(_mm256_castsi256_pd(_mm256_add_epi64(e, maxOffset))) != 0) continue;
                const int index = ty * tilesX + tx;
                if (skip(index)) continue;
                const bool full =
                    _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_add_epi64(e, minOffset))) == 0;
                const __m256i narrowed = _mm256_blendv_epi8(holds, e, _mm256_cmpgt_epi64(holds, e));
                _mm_store_si128(reinterpret_cast<__m128i*>(edges),
                                _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(narrowed, low32)));
                const float depth = rowDepth + t.depthTileX * static_cast<float>(tx - t.originTileX);
                if (visit(index, edges, depth, full)) return true;
            }
        }
        return false;
    }

    void draw(const float* from, float* tile, float& tileMax, const std::int32_t* e, float depth,
              bool) const {
        const __m256 base = _mm256_set1_ps(depth);
        __m256i e0 = _mm256_add_epi32(_mm256_set1_epi32(e[0]), edgeX[0]);
        __m256i e1 = _mm256_add_epi32(_mm256_set1_epi32(e[1]), edgeX[1]);
        __m256i e2 = _mm256_add_epi32(_mm256_set1_epi32(e[2]), edgeX[2]);
        __m256i e3 = _mm256_add_epi32(_mm256_set1_epi32(e[3]), edgeX[3]);
        __m256 farthest = _mm256_setzero_ps();
        for (int y = 0; y < tileHeight; ++y) {
            float* row = tile + y * tileWidth;
            const __m256 old = _mm256_loadu_ps(from + y * tileWidth);
            __m256 nearer = _mm256_min_ps(_mm256_add_ps(base, offset[y]), old);
            // A lane whose edge sum has its sign bit set is outside: it keeps the old depth. On a whole
            // tile no sign is set; blending anyway spares a branch that mispredicts.
            nearer = _mm256_blendv_ps(
                nearer, old,
                _mm256_castsi256_ps(_mm256_or_si256(_mm256_or_si256(e0, e1), _mm256_or_si256(e2, e3))));
            _mm256_storeu_ps(row, nearer);
            farthest = y == 0 ? nearer : _mm256_max_ps(farthest, nearer);
            e0 = _mm256_add_epi32(e0, edgeY[0]);
            e1 = _mm256_add_epi32(e1, edgeY[1]);
            e2 = _mm256_add_epi32(e2, edgeY[2]);
            e3 = _mm256_add_epi32(e3, edgeY[3]);
        }
        __m128 m = _mm_max_ps(_mm256_castps256_ps128(farthest), _mm256_extractf128_ps(farthest, 1));
        m = _mm_max_ps(m, _mm_movehl_ps(m, m));
        m = _mm_max_ss(m, _mm_shuffle_ps(m, m, 1));
        tileMax = _mm_cvtss_f32(m);
    }

    bool shows(const float* tile, const std::int32_t* e, float depth, bool full) const {
        const __m256 base = _mm256_set1_ps(depth);
        __m256i e0 = _mm256_add_epi32(_mm256_set1_epi32(e[0]), edgeX[0]);
        __m256i e1 = _mm256_add_epi32(_mm256_set1_epi32(e[1]), edgeX[1]);
        __m256i e2 = _mm256_add_epi32(_mm256_set1_epi32(e[2]), edgeX[2]);
        __m256i e3 = _mm256_add_epi32(_mm256_set1_epi32(e[3]), edgeX[3]);
        for (int y = 0; y < tileHeight; ++y) {
            __m256 front = _mm256_cmp_ps(_mm256_add_ps(base, offset[y]),
                                         _mm256_loadu_ps(tile + y * tileWidth), _CMP_LE_OQ);
            if (!full)
                front = _mm256_andnot_ps(
                    _mm256_castsi256_ps(_mm256_or_si256(_mm256_or_si256(e0, e1), _mm256_or_si256(e2, e3))),
                    front);
            if (_mm256_movemask_ps(front) != 0) return true;
            e0 = _mm256_add_epi32(e0, edgeY[0]);
            e1 = _mm256_add_epi32(e1, edgeY[1]);
            e2 = _mm256_add_epi32(e2, edgeY[2]);
            e3 = _mm256_add_epi32(e3, edgeY[3]);
        }
        return false;
    }
};

} // namespace

void drawAvx2(const TriangleSetup& triangle, const Target& target) { drawTiles<Avx2Ops>(triangle, target); }

bool showsAvx2(const TriangleSetup& triangle, const Target& target) {
    return showsInTiles<Avx2Ops>(triangle, target);
}

// Four corners (a triangle's fourth repeating its first) in the lanes of one register; edges,
// turns and bounds in 32-bit lanes where they fit and in 64-bit ones, by 32 x 32-bit products,
// where they do not. Integer arithmetic throughout, exact as the portable code's.
Edges setUpEdgesAvx2(const WindowVertex* const* v, int n, unsigned wholeEdges, const EdgeFrame& frame,
                     TriangleSetup& t) {
    const __m128i x = _mm_setr_epi32(v[0]->sx, v[1]->sx, v[2]->sx, n == 4 ? v[3]->sx : v[0]->sx);
    const __m128i y = _mm_setr_epi32(v[0]->sy, v[1]->sy, v[2]->sy, n == 4 ? v[3]->sy : v[0]->sy);
    // Edge i runs from corner i to the next (lane i + 1, around the corners); a triangle's fourth is 0.
    const auto next = [n](__m128i lanes) {
        return n == 4 ? _mm_shuffle_epi32(lanes, _MM_SHUFFLE(0, 3, 2, 1))
                      : _mm_shuffle_epi32(lanes, _MM_SHUFFLE(0, 0, 2, 1));
    };
    const __m128i ex = _mm_sub_epi32(next(x), x), ey = _mm_sub_epi32(next(y), y);
    const __m256i dx = _mm256_cvtepi32_epi64(ex), dy = _mm256_cvtepi32_epi64(ey);
    // The turn at each corner's successor: edge i crossed with edge i + 1.
    const __m256i dxNext = _mm256_cvtepi32_epi64(next(ex)), dyNext = _mm256_cvtepi32_epi64(next(ey));
    const __m256i turn = _mm256_sub_epi64(_mm256_mul_epi32(dx, dyNext), _mm256_mul_epi32(dxNext, dy));
    const int left =
        _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_cmpgt_epi64(turn, _mm256_setzero_si256())));
    if (n == 3 ? !(left & 1) : left != 0xf) return n == 3 || left == 0 ? Edges::nothing : Edges::notConvex;

    // Bounds of x (low half) and y (high half).
    const __m256i xy = _mm256_setr_m128i(x, y);
    __m256i low = _mm256_min_epi32(xy, _mm256_shuffle_epi32(xy, _MM_SHUFFLE(1, 0, 3, 2)));
    __m256i high = _mm256_max_epi32(xy, _mm256_shuffle_epi32(xy, _MM_SHUFFLE(1, 0, 3, 2)));
    low = _mm256_min_epi32(low, _mm256_shuffle_epi32(low, _MM_SHUFFLE(2, 3, 0, 1)));
    high = _mm256_max_epi32(high, _mm256_shuffle_epi32(high, _MM_SHUFFLE(2, 3, 0, 1)));
    const std::int64_t minX = _mm256_extract_epi32(low, 0), minY = _mm256_extract_epi32(low, 4);
    const std::int64_t maxX = _mm256_extract_epi32(high, 0), maxY = _mm256_extract_epi32(high, 4);
    constexpr int half = subpixel / 2;
    static_assert(subpixel == 256 && (std::int64_t{-1} >> 1) == -1);
    // No library templates here (see TileLoops.h).
    const std::int64_t x0 = frame.originX + ((minX + half - 1) >> 8),
                       x1 = frame.originX + ((maxX - half) >> 8);
    const std::int64_t y0 = frame.originY + ((minY + half - 1) >> 8),
                       y1 = frame.originY + ((maxY - half) >> 8);
    const std::int64_t px0 = x0 > frame.x0 ? x0 : frame.x0, px1 = x1 < frame.x1 ? x1 : frame.x1;
    const std::int64_t py0 = y0 > frame.y0 ? y0 : frame.y0, py1 = y1 < frame.y1 ? y1 : frame.y1;
    if (px0 > px1 || py0 > py1) return Edges::nothing;
    static_assert(tileWidth == 8 && tileHeight == 4);
    t.tileX0 = static_cast<int>(px0) >> 3;
    t.tileX1 = static_cast<int>(px1) >> 3;
    t.tileY0 = static_cast<int>(py0) >> 2;
    t.tileY1 = static_cast<int>(py1) >> 2;
    if (t.tileY1 < frame.bandTileY0 || t.tileY0 > frame.bandTileY1) return Edges::nothing;

    const int cx = (t.tileX0 * tileWidth - frame.originX) * subpixel + half;
    const int cy = (t.tileY0 * tileHeight - frame.originY) * subpixel + half;
    const __m256i toX = _mm256_cvtepi32_epi64(_mm_sub_epi32(_mm_set1_epi32(cx), x));
    const __m256i toY = _mm256_cvtepi32_epi64(_mm_sub_epi32(_mm_set1_epi32(cy), y));
    // Edges that do not own a centre on them (not going down, nor left along the top) need 1 more.
    const __m128i zero = _mm_setzero_si128();
    const __m128i owns = _mm_or_si128(_mm_cmplt_epi32(ey, zero),
                                      _mm_and_si128(_mm_cmpeq_epi32(ey, zero), _mm_cmplt_epi32(ex, zero)));
    __m128i bias = _mm_add_epi32(owns, _mm_set1_epi32(1));
    if (wholeEdges != 0) {
        const __m128i bit = _mm_setr_epi32(1, 2, 4, 8);
        const __m128i chosen =
            _mm_cmpeq_epi32(_mm_and_si128(_mm_set1_epi32(static_cast<int>(wholeEdges)), bit), bit);
        bias = _mm_add_epi32(
            bias, _mm_and_si128(chosen, _mm_mullo_epi32(_mm_add_epi32(_mm_abs_epi32(ex), _mm_abs_epi32(ey)),
                                                        _mm_set1_epi32(half + 1))));
    }
    __m256i edge = _mm256_sub_epi64(_mm256_sub_epi64(_mm256_mul_epi32(dx, toY), _mm256_mul_epi32(dy, toX)),
                                    _mm256_cvtepi32_epi64(bias));
    if (n == 3) edge = _mm256_blend_epi32(edge, _mm256_setzero_si256(), 0xc0);
    const __m128i stepX = _mm_slli_epi32(_mm_sub_epi32(zero, ey), 8), stepY = _mm_slli_epi32(ex, 8);
    const __m128i alongX = _mm_sub_epi32(_mm_slli_epi32(stepX, 3), stepX); // 7 pixels
    const __m128i alongY = _mm_add_epi32(_mm_slli_epi32(stepY, 1), stepY); // 3 pixels
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(t.edge), edge);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t.stepX), stepX);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t.stepY), stepY);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t.tileMaxOffset),
                     _mm_add_epi32(_mm_max_epi32(alongX, zero), _mm_max_epi32(alongY, zero)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t.tileMinOffset),
                     _mm_add_epi32(_mm_min_epi32(alongX, zero), _mm_min_epi32(alongY, zero)));
    return Edges::set;
}

namespace {

double smallest(__m256d v) {
    __m128d m = _mm_min_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
    return _mm_cvtsd_f64(_mm_min_sd(m, _mm_unpackhi_pd(m, m)));
}

double largest(__m256d v) {
    __m128d m = _mm_max_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
    return _mm_cvtsd_f64(_mm_max_sd(m, _mm_unpackhi_pd(m, m)));
}

} // namespace

// Corners 0-3 in one register, 4-7 in another, per coordinate; the same sums as the portable path.
bool boxExtentAvx2(const double* m, const float* boxMin, const float* boxMax, BoxExtent& out) {
    __m256d low[4], high[4];
    const __m256d limit = _mm256_set1_pd(clipLimit);
    const __m256d magnitude = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fffffffffffffff));
    __m256d ok = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    const double x0 = boxMin[0], x1 = boxMax[0], y0 = boxMin[1], y1 = boxMax[1];
    const __m256d x = _mm256_setr_pd(x0, x1, x0, x1), y = _mm256_setr_pd(y0, y0, y1, y1);
    const __m256d z0 = _mm256_set1_pd(boxMin[2]), z1 = _mm256_set1_pd(boxMax[2]);
    for (int k = 0; k < 4; ++k) {
        const __m256d xy =
            _mm256_add_pd(_mm256_mul_pd(_mm256_set1_pd(m[k]), x), _mm256_mul_pd(_mm256_set1_pd(m[4 + k]), y));
        const __m256d mz = _mm256_set1_pd(m[8 + k]), mw = _mm256_set1_pd(m[12 + k]);
        low[k] = _mm256_add_pd(_mm256_add_pd(xy, _mm256_mul_pd(mz, z0)), mw);
        high[k] = _mm256_add_pd(_mm256_add_pd(xy, _mm256_mul_pd(mz, z1)), mw);
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(_mm256_and_pd(low[k], magnitude), limit, _CMP_LE_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(_mm256_and_pd(high[k], magnitude), limit, _CMP_LE_OQ));
    }
    const __m256d minW = _mm256_set1_pd(minimumW), zero = _mm256_setzero_pd();
    ok = _mm256_and_pd(ok, _mm256_cmp_pd(low[3], minW, _CMP_GE_OQ));
    ok = _mm256_and_pd(ok, _mm256_cmp_pd(high[3], minW, _CMP_GE_OQ));
    ok = _mm256_and_pd(ok, _mm256_cmp_pd(_mm256_add_pd(low[2], low[3]), zero, _CMP_GE_OQ));
    ok = _mm256_and_pd(ok, _mm256_cmp_pd(_mm256_add_pd(high[2], high[3]), zero, _CMP_GE_OQ));
    if (_mm256_movemask_pd(ok) != 0xf) return false;
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d inverseLow = _mm256_div_pd(one, low[3]), inverseHigh = _mm256_div_pd(one, high[3]);
    const __m256d xl = _mm256_mul_pd(low[0], inverseLow), xh = _mm256_mul_pd(high[0], inverseHigh);
    const __m256d yl = _mm256_mul_pd(low[1], inverseLow), yh = _mm256_mul_pd(high[1], inverseHigh);
    const __m256d zl = _mm256_mul_pd(low[2], inverseLow), zh = _mm256_mul_pd(high[2], inverseHigh);
    out.minX = smallest(_mm256_min_pd(xl, xh));
    out.maxX = largest(_mm256_max_pd(xl, xh));
    out.minY = smallest(_mm256_min_pd(yl, yh));
    out.maxY = largest(_mm256_max_pd(yl, yh));
    out.nearest = smallest(_mm256_min_pd(zl, zh));
    return true;
}

std::uint32_t transformAvx2(const double* m, const float* positions, std::uint32_t count,
                            const VertexFrame& frame, ClipVertex* clip, unsigned* codes,
                            WindowVertex* window) {
    const __m256d magnitude = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fffffffffffffff));
    const __m256d limit = _mm256_set1_pd(clipLimit), zero = _mm256_setzero_pd(), one = _mm256_set1_pd(1.0);
    const __m256d halfOne = _mm256_set1_pd(0.5), guardX = _mm256_set1_pd(frame.guardX),
                  guardY = _mm256_set1_pd(frame.guardY);
    const __m256d windowLimit = _mm256_set1_pd(frame.limit), largest = _mm256_set1_pd(DBL_MAX);
    std::uint32_t done = 0;
    for (; done + 4 <= count; done += 4) {
        const float* p = positions + 3 * static_cast<std::size_t>(done);
        const __m256d x = _mm256_setr_pd(p[0], p[3], p[6], p[9]);
        const __m256d y = _mm256_setr_pd(p[1], p[4], p[7], p[10]);
        const __m256d z = _mm256_setr_pd(p[2], p[5], p[8], p[11]);
        __m256d c[4];
        __m256d finite = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
        for (int r = 0; r < 4; ++r) {
            c[r] = _mm256_add_pd(_mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(_mm256_set1_pd(m[r]), x),
                                                             _mm256_mul_pd(_mm256_set1_pd(m[4 + r]), y)),
                                               _mm256_mul_pd(_mm256_set1_pd(m[8 + r]), z)),
                                 _mm256_set1_pd(m[12 + r]));
            finite = _mm256_and_pd(finite, _mm256_cmp_pd(_mm256_and_pd(c[r], magnitude), limit, _CMP_LE_OQ));
        }
        // Outcodes as one 64-bit lane per vertex: each plane's comparison masks its bit in.
        const __m256d nearOut = _mm256_cmp_pd(_mm256_add_pd(c[2], c[3]), zero, _CMP_LT_OQ);
        const __m256d bandX = _mm256_mul_pd(guardX, c[3]), bandY = _mm256_mul_pd(guardY, c[3]);
        const __m256d leftOut = _mm256_cmp_pd(_mm256_add_pd(c[0], bandX), zero, _CMP_LT_OQ);
        const __m256d rightOut = _mm256_cmp_pd(_mm256_sub_pd(bandX, c[0]), zero, _CMP_LT_OQ);
        const __m256d bottomOut = _mm256_cmp_pd(_mm256_add_pd(c[1], bandY), zero, _CMP_LT_OQ);
        const __m256d topOut = _mm256_cmp_pd(_mm256_sub_pd(bandY, c[1]), zero, _CMP_LT_OQ);
        __m256i code = _mm256_or_si256(
            _mm256_or_si256(_mm256_and_si256(_mm256_castpd_si256(nearOut), _mm256_set1_epi64x(nearPlane)),
                            _mm256_and_si256(_mm256_castpd_si256(leftOut), _mm256_set1_epi64x(leftPlane))),
            _mm256_or_si256(
                _mm256_or_si256(
                    _mm256_and_si256(_mm256_castpd_si256(rightOut), _mm256_set1_epi64x(rightPlane)),
                    _mm256_and_si256(_mm256_castpd_si256(bottomOut), _mm256_set1_epi64x(bottomPlane))),
                _mm256_and_si256(_mm256_castpd_si256(topOut), _mm256_set1_epi64x(topPlane))));

        const __m256d inverse = _mm256_div_pd(one, c[3]);
        const __m256d wx = _mm256_sub_pd(
            _mm256_mul_pd(_mm256_mul_pd(_mm256_add_pd(_mm256_mul_pd(c[0], inverse), one), halfOne),
                          _mm256_set1_pd(frame.width)),
            _mm256_set1_pd(frame.originX));
        const __m256d wy = _mm256_sub_pd(
            _mm256_mul_pd(_mm256_mul_pd(_mm256_add_pd(_mm256_mul_pd(c[1], inverse), one), halfOne),
                          _mm256_set1_pd(frame.height)),
            _mm256_set1_pd(frame.originY));
        const __m256d wz = _mm256_add_pd(_mm256_mul_pd(_mm256_mul_pd(c[2], inverse), halfOne), halfOne);
        __m256d projects = _mm256_cmp_pd(c[3], zero, _CMP_GT_OQ);
        projects =
            _mm256_and_pd(projects, _mm256_cmp_pd(_mm256_and_pd(wx, magnitude), windowLimit, _CMP_LE_OQ));
        projects =
            _mm256_and_pd(projects, _mm256_cmp_pd(_mm256_and_pd(wy, magnitude), windowLimit, _CMP_LE_OQ));
        projects = _mm256_and_pd(projects, _mm256_cmp_pd(_mm256_and_pd(wz, magnitude), largest, _CMP_LE_OQ));
        // Broken: not finite, or inside every plane but not projectable.
        const __m256i inside = _mm256_cmpeq_epi64(code, _mm256_setzero_si256());
        const __m256i broke =
            _mm256_or_si256(_mm256_xor_si256(_mm256_castpd_si256(finite), _mm256_set1_epi64x(-1)),
                            _mm256_andnot_si256(_mm256_castpd_si256(projects), inside));
        code = _mm256_blendv_epi8(code, _mm256_set1_epi64x(broken), broke);
        // The low halves of the four lanes, in order.
        const __m256i packed = _mm256_permutevar8x32_epi32(code, _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(codes + done), _mm256_castsi256_si128(packed));

        // x and y snapped as the portable code does: floor(v * subpixel + 0.5), exact in an int32
        // for any vertex that projects; garbage, never read, for the others.
        const __m256d scale = _mm256_set1_pd(subpixel);
        const __m128i sx =
            _mm256_cvttpd_epi32(_mm256_floor_pd(_mm256_add_pd(_mm256_mul_pd(wx, scale), halfOne)));
        const __m128i sy =
            _mm256_cvttpd_epi32(_mm256_floor_pd(_mm256_add_pd(_mm256_mul_pd(wy, scale), halfOne)));
        const __m256d snapped =
            _mm256_castsi256_pd(_mm256_setr_m128i(_mm_unpacklo_epi32(sx, sy), _mm_unpackhi_epi32(sx, sy)));

        // Four x, y, z, w registers turned into four vertices; the window positions (x, y, z and the
        // snapped pair) likewise.
        const auto store = [](double* out, __m256d first, __m256d second, __m256d third, __m256d fourth) {
            const __m256d ab0 = _mm256_unpacklo_pd(first, second), ab1 = _mm256_unpackhi_pd(first, second);
            const __m256d cd0 = _mm256_unpacklo_pd(third, fourth), cd1 = _mm256_unpackhi_pd(third, fourth);
            _mm256_storeu_pd(out, _mm256_permute2f128_pd(ab0, cd0, 0x20));
            _mm256_storeu_pd(out + 4, _mm256_permute2f128_pd(ab1, cd1, 0x20));
            _mm256_storeu_pd(out + 8, _mm256_permute2f128_pd(ab0, cd0, 0x31));
            _mm256_storeu_pd(out + 12, _mm256_permute2f128_pd(ab1, cd1, 0x31));
        };
        store(&clip[done].x, c[0], c[1], c[2], c[3]);
        store(&window[done].x, wx, wy, wz, snapped);
    }
    return done;
}

} // namespace tilecull::detail
