#pragma once
// tilecull: occlusion culling on the processor. Occluder triangles are rasterized into a tiled depth
// buffer that keeps every tile's farthest depth up to date; occludees are tested against it by
// their window rectangle or by their own triangles. Standard C++ only: no globals, no graphics API.
//
// Conventions:
// - Matrices are 16 floats in OpenGL's column-major order: element (row r, column c) is m[4 c + r],
//   and clip = M (x, y, z, 1) with column vectors. worldToClip is projection * view.
// - Clip space is OpenGL's: visible where -w <= x, y, z <= w. Triangles are clipped at the near plane
//   (z = -w); there is no far plane.
// - Window space: x, y in pixels from the bottom-left corner of the width x height viewport; pixel
//   (i, j) covers [i, i + 1] x [j, j + 1] and is sampled at its centre. Depth is z / w * 0.5 + 0.5:
//   0 at the near plane, 1 at the far plane.
// - Front faces are counter-clockwise in window space; back faces are skipped. A pixel centre on
//   an edge belongs to the triangle when the edge is a left edge or a horizontal top edge, so two
//   triangles sharing an edge never both miss, nor both cover, a centre on it.
// - A stored depth is never nearer than the drawn triangle's true depth at a covered pixel centre,
//   and an occludee is reported hidden only when it lies strictly behind every stored depth it
//   could show at: the culler never hides what a depth test at the same resolution would show.
// - Bad input gives a defined answer: a triangle with an index out of range, a corner that is not
//   finite or lies beyond 1e10 in clip space, or no area, is not drawn; an occludee with any of
//   these, or reaching in front of the near plane, is visible.
// - A Culler is used from one thread at a time (its tests share scratch space); it runs its own
//   second thread inside renderOccluders and testBoxes when asked to.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tilecull {

// Largest width or height the buffer takes.
constexpr int maxSide = 2048;

struct Mesh {
    const float* positions = nullptr; // x, y, z per vertex, world space
    std::uint32_t vertexCount = 0;
    const std::uint32_t* indices = nullptr; // three per triangle
    std::uint32_t triangleCount = 0;
};

// An occluder for renderOccluders: its mesh and a world-space box that holds it.
struct Occluder {
    Mesh mesh;
    float boxMin[3] = {0, 0, 0};
    float boxMax[3] = {0, 0, 0};
};

enum class Visibility {
    visible,     // may show
    occluded,    // behind the drawn occluders everywhere it could show
    outsideView, // wholly outside the viewport
};

// Which pixels a drawn triangle covers. centres: those whose centre it holds, as a depth test at the
// buffer's resolution. wholePixels: only those it holds wholly, each at the triangle's farthest
// depth within it; then no occludee is hidden that a depth test at any finer resolution would show
// (one seen through a gap narrower than a pixel, say), at the price of the pixels along every
// triangle's edges. outlines: whole pixels along the outline of each mesh's front faces (edges that
// no other front face of the mesh shares, matched by corner position), centres elsewhere; gaps
// between meshes narrower than a pixel stay open, at a far smaller price than wholePixels.
enum class Coverage { centres, wholePixels, outlines };

// The code that rasterizes and tests tiles. Both make exactly the same decisions.
enum class Path { portable, avx2 };

struct Counters {
    std::uint32_t occludersDrawn = 0;  // renderOccluders: drawn
    std::uint32_t occludersHidden = 0; // renderOccluders: skipped, their box already hidden
    std::uint32_t trianglesDrawn = 0;  // set up after clipping, front-facing, with area
};

class Culler {
  public:
    Culler();
    ~Culler();
    Culler(const Culler&) = delete;
    Culler& operator=(const Culler&) = delete;
    Culler(Culler&&) noexcept;
    Culler& operator=(Culler&&) noexcept;

    // Sizes the buffer and clears it. Any size works; sides that are not multiples of the 8 x 4
    // tile are padded inside. False, leaving a 0 x 0 buffer on which every test says visible, when
    // a side is not in [1, maxSide].
    bool resize(int width, int height);
    int width() const;
    int height() const;
    // Every depth to 1 and the counters to 0.
    void clear();

    // The widest path this processor runs (the default), or the portable one.
    static Path fastestPath();
    // False, keeping the current path, when the processor cannot run `path`.
    bool setPath(Path path);
    Path path() const;

    // 1 or 2 (clamped): renderOccluders splits the buffer into that many bands of rows, the second
    // drawn by a thread the culler owns, and testBoxes shares its boxes out between the two.
    void setThreads(int count);
    int threads() const;

    // How later draws cover pixels; centres by default.
    void setCoverage(Coverage coverage);
    Coverage coverage() const;

    // Draws the front faces of one mesh.
    void renderTriangles(const Mesh& mesh, const float* worldToClip);

    // Draws a batch of occluders nearest first (by their boxes), skipping those whose box is
    // already hidden by the ones drawn before.
    void renderOccluders(const Occluder* occluders, std::size_t count, const float* worldToClip);

    // The window rectangle [minX, maxX] x [minY, maxY] with its nearest depth. It is clamped to the
    // viewport and tested against every pixel whose area it meets, tile by tile, stopping at the
    // first that shows it. NaN or an inverted rectangle: visible.
    Visibility testRect(float minX, float minY, float maxX, float maxY, float nearestDepth) const;
    // The same for a rectangle in normalized device coordinates (-1..1 over the viewport).
    Visibility testNdcRect(float minX, float minY, float maxX, float maxY, float nearestDepth) const;
    // A world-space box by the window rectangle of its corners; visible when a corner lies behind
    // the eye or in front of the near plane.
    Visibility testBox(const float* boxMin, const float* boxMax, const float* worldToClip) const;
    // testBox for `count` boxes, given as min x, y, z, max x, y, z each; out[i] is box i's answer,
    // the same whatever the thread count. Null boxes or matrix: every answer visible.
    void testBoxes(const float* boxes, std::size_t count, const float* worldToClip, Visibility* out) const;
    // An occludee by its own front faces against the per-pixel depths: sharper than its box.
    // Visible when the mesh has no triangles, or a front face crosses the near plane or has bad input.
    Visibility testTriangles(const Mesh& mesh, const float* worldToClip) const;

    // The depth buffer, width * height values, row-major, bottom row first.
    void readDepth(float* out) const;

    Counters counters() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

} // namespace tilecull
