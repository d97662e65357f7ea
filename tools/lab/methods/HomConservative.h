#pragma once
// hom-conservative: the occlusion map rendered as the viewer renders it, but an occludee counts as
// covered only when every texel its rectangle touches reaches the threshold, and the depth buffer
// keeps per cell the FARTHEST depth of any occluder box over it. Culled only when covered and the
// box's nearest corner lies behind every cell under its rectangle. Occludees with a corner behind
// the eye or in front of the near plane are never culled. Stages: "map render",
// "map read-back + pyramid", "buffer", "tests".

#include "culling/OcclusionMap.h"
#include "methods/CullMethod.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int farthestDepthSide = 32;

// Row-major, bottom row first; cell (c, r) covers window x in [c, c + 1), y in [r, r + 1) of a
// 32 x 32 viewport. -infinity where no occluder was recorded: such a cell never lets anything
// count as behind it. +infinity where an occluder's depth was unknown (NaN).
struct FarthestDepthBuffer {
    std::array<double, farthestDepthSide * farthestDepthSide> cells;
};

void clearFarthestDepth(FarthestDepthBuffer& buffer);

// Raises every cell the rectangle (in cells) touches, clipped to the grid, to `farthestDepth`. A
// rectangle touches the cells whose area it meets, a maximum on a cell boundary not the next one.
// An inverted rectangle records nothing; one holding NaN raises every cell to +infinity.
void recordFarthest(FarthestDepthBuffer& buffer, double minX, double minY, double maxX, double maxY,
                    double farthestDepth);

// For an occluder seen through the near plane, whose rectangle is unknown: every cell.
void recordFarthestEverywhere(FarthestDepthBuffer& buffer, double farthestDepth);

// True when the rectangle touches at least one cell and every cell it touches is strictly nearer
// than `nearestDepth`.
bool liesBehindEveryCell(const FarthestDepthBuffer& buffer, double minX, double minY, double maxX,
                         double maxY, double nearestDepth);

// True when every texel the rectangle (in map pixels) touches reaches `threshold`, at the level
// where it touches at most 2 x 2 texels (at most the last level). A texel below the threshold but
// not empty is decided by the texels under it that the rectangle touches, down to level 0. False
// when the rectangle reaches outside the map, has no area or holds NaN.
bool isRectangleFullyCovered(const OcclusionMap& map, double minX, double minY, double maxX, double maxY,
                             std::uint8_t threshold);

struct HomConservativeState {
    OcclusionMap map; // allocated by the first pass
    FarthestDepthBuffer buffer;
};

struct MapRenderSeconds {
    double render = 0.0;   // drawing the occluders, between glFinish calls
    double readBack = 0.0; // glReadPixels of the red channel
};

// GL: renders the occluders unlit into the bottom-left 64 x 64 pixels of the current window from
// the view's camera through its frustum, as the viewer's map build does (lighting and depth test
// off, back faces culled), and reads the red channel into `level0` (64 * 64 bytes). Every GL state
// it changes is restored, and the clear stays inside those pixels. Needs a window of at least
// 64 x 64 pixels.
MapRenderSeconds renderOcclusionMapLevel0(const CullScene& scene, const CullView& view,
                                          std::vector<std::uint8_t>& level0);

// GL for the map; threshold clamped to 0..255. Pictures: the four map levels and the
// farthest-depth buffer.
CullOutcome runHomConservative(const CullScene& scene, const CullView& view, int threshold,
                               HomConservativeState& state, bool pictures);

// The thresholds the lab compares this method at.
constexpr int homConservativeThresholds[] = {255, 240, 200, 150, 100, 50, 0};
