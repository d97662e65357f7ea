#pragma once
// Hierarchical occlusion map: four square byte images of side 64, 32, 16 and 8. Row-major, bottom
// row first (glReadPixels order): texel (c, r) of level L is at r * side(L) + c and covers window
// x in [c * 2^L, (c + 1) * 2^L), y likewise, of the bottom-left 64 x 64 viewport. 0 = empty,
// 255 = fully covered; coarser levels hold integer means of 2 x 2 blocks.

#include <cstdint>
#include <vector>

struct OrbitCamera;

constexpr unsigned occlusionMapSide = 64;
constexpr unsigned occlusionMapLevels = 4;

struct OcclusionMap {
    std::uint32_t levelCount = 0;
    std::vector<std::vector<std::uint8_t>> levels; // levels[L] holds side(L) * side(L) bytes
};

extern OcclusionMap occlusionMap;

constexpr unsigned levelSide(unsigned level) { return occlusionMapSide >> level; }

// Allocates the four levels (contents undefined until the first build) and sets the start values
// of opacityThreshold (255) and lockToFakeCamera (false). Makes no GL calls.
void allocateOcclusionMap();

// Frees the levels; the map then has no levels.
void releaseOcclusionMap();

// child[r * s/2 + c] = integer mean of the 2 x 2 block under it in `parent` (side s, even).
void downsampleLevel(const std::uint8_t* parent, unsigned parentSide, std::uint8_t* child);

// Rebuilds levels 1 .. levelCount-1, each from the level just built.
void buildPyramid(OcclusionMap& map);

// Zeroes level-0 texels that lie outside a window of the given size: the read-back of pixels
// outside the window is undefined, and an undefined texel must never mark anything covered.
void clearOutsideWindow(std::vector<std::uint8_t>& level0, int windowWidth, int windowHeight);

// Size of the window the map is rendered into; kept by the reshape handler.
void setMapWindowSize(int width, int height);

// clearOutsideWindow on level 0 with the size last given to setMapWindowSize.
void clearOutsideMapWindow(OcclusionMap& map);

// --- GL glue (needs a current context, model-view matrix mode, the window's projection) ---

// Loads transpose(lookAt(eye, target, (0, 1, 0))) into the current matrix. ZeroDivide propagates.
void loadCameraView(const OrbitCamera& camera);

// Renders the occluders unlit from fakeCamera into the bottom-left 64 x 64 pixels, reads the red
// channel into level 0, builds the pyramid and zeroes frameStats.passedHom. Leaves lighting and
// depth test off, the 64 x 64 viewport and the fake camera's view.
void buildOcclusionMap();
