#pragma once
// Internal: one triangle (or convex quad: two coplanar triangles sharing an edge), set up, handed to
// the code that walks its tiles. The setup is shared;
// each path walks the tiles with the same integer edge values and the same float depth operations
// (no fused multiply-add: the library builds with -ffp-contract=off), so both decide alike.
//
// Tiles are 8 x 4 pixels stored as 32 consecutive floats, row by row, bottom row first; tiles are
// stored row by row too. Edge values are exact integers in subpixels squared, biased so that a
// pixel centre is inside when all four are >= 0 (a triangle's fourth edge holds everywhere). A tile's edge
// values are int64; the walkers hand the tile code int32 ones, an edge that holds the whole tile clamped to
// just enough, so that every pixel's value fits too.

#include <cstdint>

namespace tilecull::detail {

constexpr int tileWidth = 8;
constexpr int tileHeight = 4;
constexpr int tilePixels = tileWidth * tileHeight;

struct TriangleSetup {
    int tileX0 = 0, tileY0 = 0, tileX1 = -1, tileY1 = -1; // inclusive
    int originTileX = 0, originTileY = 0; // where edge and depth are given; may precede tileY0
    std::int64_t edge[4] = {};            // at the centre of the origin tile's pixel (0, 0)
    std::int32_t stepX[4] = {};           // per pixel to the right
    std::int32_t stepY[4] = {};           // per pixel up
    std::int32_t tileMaxOffset[4] = {};   // largest and smallest change from pixel (0, 0) within a tile
    std::int32_t tileMinOffset[4] = {};
    float depth = 0.0f;      // at the centre of the origin tile's pixel (0, 0), rounded away from the
                             // side it must not cross (farther when drawing, nearer when testing)
    float depthStepX = 0.0f; // per pixel
    float depthStepY = 0.0f;
    float depthTileX = 0.0f; // per tile: 8 depthStepX
    float depthTileY = 0.0f; // per tile: 4 depthStepY
    float nearest = 0.0f;    // no covered centre is nearer (testing) or worth drawing beyond (drawing)
};

struct Target {
    float* depth = nullptr;        // tiled
    float* tileMax = nullptr;      // the farthest depth of each tile
    std::uint8_t* fresh = nullptr; // per tile: cleared since its pixels were last written (they read as 1)
    int tilesX = 0;
};

// A tile of cleared pixels.
extern const float clearedTile[tilePixels];

// Draws the triangle: each covered pixel keeps the nearer depth, each touched tile its new farthest.
void drawPortable(const TriangleSetup& triangle, const Target& target);
// True when a covered pixel centre has the triangle at or in front of the stored depth.
bool showsPortable(const TriangleSetup& triangle, const Target& target);

// Window positions snap to 1/subpixel of a pixel.
constexpr int subpixel = 256;

struct ClipVertex {
    double x, y, z, w;
};

// Window position relative to the snapping origin's pixel corner, in pixels; z is window depth.
// sx, sy: x and y snapped to the subpixel grid, the nearest integer to x * subpixel (halves up),
// set where the vertex projects within the guard band (so they fit easily).
struct WindowVertex {
    double x, y, z;
    std::int32_t sx, sy;
};
// The vector transform writes both whole, four doubles' worth each.
static_assert(sizeof(ClipVertex) == 4 * sizeof(double) && sizeof(WindowVertex) == 4 * sizeof(double));

// What setting up a polygon's edges needs besides its corners: the snapping origin's pixel, the
// pixels its tiles must lie within (from pixel 0, 0) and the tile rows that are drawn.
struct EdgeFrame {
    int originX, originY;
    int x0, y0, x1, y1; // inclusive
    int bandTileY0, bandTileY1;
};

// Outcome of setting up a polygon's edges: set, nothing to draw (a back face, no area, outside the
// frame), or a quad that is not strictly convex and counter-clockwise.
enum class Edges { set, nothing, notConvex };

// Outcode bits: the clip planes (the side ones at the guard band) a vertex lies outside of, or
// broken: not finite, beyond clipLimit, or inside all of them but not projectable within the band.
enum Plane : unsigned {
    nearPlane = 1,
    leftPlane = 2,
    rightPlane = 4,
    bottomPlane = 8,
    topPlane = 16,
    broken = 32
};

// What projecting a vertex needs of the viewport.
struct VertexFrame {
    double guardX, guardY;   // guard band in normalized device units
    double width, height;    // viewport in pixels
    double originX, originY; // the snapping origin's pixel
    double limit;            // largest window distance from the origin a projected vertex may have
};

// A box's eight corners transformed to clip space by m (column-major doubles), corner i taking the
// maximum along axis k when bit k of i is set, each coordinate as ((m x + m y) + m z) + m, and their
// extent in normalized device coordinates. Both paths form the corners and quotients with the same
// operations, and the extent is an exact minimum and maximum, so they agree bit for bit (up to the
// sign of a zero).
struct BoxExtent {
    double minX, minY, maxX, maxY, nearest; // nearest: the smallest z / w
};
// Corners closer to w = 0 than this are treated as reaching in front of the near plane.
constexpr double minimumW = 1e-30;
// Clip coordinates beyond this are refused like non-finite ones.
constexpr double clipLimit = 1e10;
// False when a corner is not finite, beyond clipLimit, or not strictly in front of the eye and behind
// the near plane (w >= minimumW, z + w >= 0); `out` is then unset.
bool boxExtentPortable(const double* m, const float* boxMin, const float* boxMax, BoxExtent& out);

#if defined(__x86_64__) || defined(__i386__)
#define TILECULL_HAS_AVX2_PATH 1
void drawAvx2(const TriangleSetup& triangle, const Target& target);
// The tile range and edges of the triangle (n 3) or quad (n 4) of snapped corners v, as the
// portable code sets them, the edges in `wholeEdges` (bit i: from corner i) for whole pixels.
Edges setUpEdgesAvx2(const WindowVertex* const* v, int n, unsigned wholeEdges, const EdgeFrame& frame,
                     TriangleSetup& t);
bool showsAvx2(const TriangleSetup& triangle, const Target& target);
bool boxExtentAvx2(const double* m, const float* boxMin, const float* boxMax, BoxExtent& out);
// Transforms the vertices in whole groups of four by m (column-major doubles), giving each its clip
// position, outcode and, where the outcode is 0, window position, with the same operations as the
// one-at-a-time code; returns how many it did (count rounded down to a multiple of 4).
std::uint32_t transformAvx2(const double* m, const float* positions, std::uint32_t count,
                            const VertexFrame& frame, ClipVertex* clip, unsigned* codes,
                            WindowVertex* window);
#endif

} // namespace tilecull::detail
