#pragma once
// A max-depth pyramid over a square depth buffer (window depths 0 near .. 1 far, row-major,
// bottom row first) and gpu-hiz's occludee test. Level 0 is the buffer;
// level L+1 has side ceil(side(L) / 2), each texel the farthest of the up to 2 x 2 texels under it,
// so a texel never claims anything nearer than every pixel it covers.

#include <vector>

struct DepthPyramid {
    std::vector<int> sides;                 // sides[L]: level L is sides[L] x sides[L]
    std::vector<std::vector<float>> levels; // down to a 1 x 1 level
};

// Rebuilds `pyramid` from `depth` (side * side values), reusing its storage. `depth` may be
// pyramid.levels[0] itself (a buffer drawn in place), which is then not copied.
void buildMaxPyramid(const float* depth, int side, DepthPyramid& pyramid);

// The level at which the window rectangle [minX, maxX] x [minY, maxY] (in level-0 pixels) touches
// at most span x span texels (span >= 2), or the last level. A rectangle touches the pixels whose area it
// meets; a maximum on a pixel boundary does not reach into the next pixel. Level-0 pixel p lies under texel p
// >> L of level L.
int pyramidLevelFor(const DepthPyramid& pyramid, double minX, double minY, double maxX, double maxY,
                    int span = 2);

// True when every texel the rectangle touches at pyramidLevelFor is strictly nearer than
// `nearestDepth`: the object lies behind the occluders everywhere it could show. False for a
// rectangle that reaches outside [0, side] x [0, side], has no area (min >= max), or holds NaN.
// A larger span reads more texels at a finer level and hides more.
bool isRectangleHidden(const DepthPyramid& pyramid, double minX, double minY, double maxX, double maxY,
                       double nearestDepth, int span = 2);
