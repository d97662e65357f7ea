#pragma once
// A depth-only software rasterizer for closed occluder meshes. Triangles are clipped in clip space
// against the near plane and a guard band around the viewport, snapped to 1/256 pixel, skipped when
// they face away (clockwise on the screen), and sampled at pixel centres with a top-left fill rule
// in window space (y up): a centre exactly on an edge belongs to the triangle when the edge is a
// left edge or a horizontal top edge, so triangles sharing an edge never both cover, nor both miss,
// a centre on it. The buffer depends only on what is drawn, not on the order.

#include "geometry/Matrix.h"
#include "mesh/SceneObject.h"

#include <cstdint>
#include <vector>

struct DepthRasterizer {
    int side = 0;
    std::vector<float> depth; // side x side window depths, bottom row first; 1 = nothing drawn

    // Sets every pixel of a side x side buffer to 1, reusing the storage.
    void clear(int newSide);

    // Draws the front faces of a world-space mesh through `clip` (world to clip space).
    void drawObject(const SceneObject& object, const Geometry::Matrix& clip);

    // Draws one triangle given in window space (x, y in pixels, z the window depth) when it is
    // counter-clockwise on the screen.
    void drawWindowTriangle(const Geometry::Vector& a, const Geometry::Vector& b, const Geometry::Vector& c);

  private:
    struct Snapped {
        std::int64_t x = 0, y = 0; // 1/256 pixel
        double z = 0.0;
    };
    void drawClipTriangle(const Geometry::Vector4& a, const Geometry::Vector4& b, const Geometry::Vector4& c,
                          unsigned outside);
    Snapped snap(const Geometry::Vector4& clipPoint) const;
    // A convex polygon of 3 or 4 corners, counter-clockwise; depth from its first three corners.
    void fill(const Snapped* corner, int n);
    // A polygon set up for filling: its pixel box, its edge functions at the centre of pixel
    // (x0, y0) with their steps per pixel and per row, and its depth plane.
    struct Setup {
        const Snapped* corner;
        int n;
        std::int64_t x0, y0, y1, width;
        std::int64_t value[4], stepX[4], stepY[4], minimum[4];
        double z00, dzdx, dzdy;
    };
    void walkRows(const Setup& setup);
    bool coversNothingNew(std::size_t count) const;
    static std::int64_t cross(const Snapped& a, const Snapped& b, const Snapped& c);
    bool mergeQuad(const SceneObject& object, const std::uint32_t* first, const std::uint32_t* second,
                   Snapped (&quad)[4]) const;

    std::vector<Geometry::Vector4> clipVertices; // per vertex of the object being drawn
    std::vector<unsigned> outcodes;
    std::vector<Snapped> snapped;
};
