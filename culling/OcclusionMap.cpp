#include "culling/OcclusionMap.h"

#include "app/Cameras.h"

#include <algorithm>
#include <cassert>

OcclusionMap occlusionMap;

namespace {
int mapWindowWidth = static_cast<int>(occlusionMapSide);
int mapWindowHeight = static_cast<int>(occlusionMapSide);
} // namespace

void allocateOcclusionMap() {
    occlusionMap.levelCount = occlusionMapLevels;
    occlusionMap.levels.assign(occlusionMapLevels, {});
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        occlusionMap.levels[level].resize(levelSide(level) * levelSide(level));
    opacityThreshold = 255;
    lockToFakeCamera = false;
}

void releaseOcclusionMap() {
    occlusionMap.levels.clear();
    occlusionMap.levels.shrink_to_fit();
    occlusionMap.levelCount = 0;
}

void downsampleLevel(const std::uint8_t* parent, unsigned parentSide, std::uint8_t* child) {
    assert(parentSide % 2 == 0);
    const unsigned side = parentSide / 2;
    for (unsigned r = 0; r < side; ++r) {
        const std::uint8_t* below = parent + 2 * r * parentSide;
        const std::uint8_t* above = below + parentSide;
        for (unsigned c = 0; c < side; ++c) {
            const unsigned sum = below[2 * c] + below[2 * c + 1] + above[2 * c] + above[2 * c + 1];
            child[r * side + c] = static_cast<std::uint8_t>(sum / 4);
        }
    }
}

void buildPyramid(OcclusionMap& map) {
    assert(map.levels.size() == map.levelCount);
    for (unsigned level = 1; level < map.levelCount; ++level)
        downsampleLevel(map.levels[level - 1].data(), levelSide(level - 1), map.levels[level].data());
}

void clearOutsideWindow(std::vector<std::uint8_t>& level0, int windowWidth, int windowHeight) {
    const int side = static_cast<int>(occlusionMapSide);
    assert(level0.size() == static_cast<std::size_t>(side * side));
    const int width = std::clamp(windowWidth, 0, side);
    const int height = std::clamp(windowHeight, 0, side);
    if (width == side && height == side) return;
    for (int r = 0; r < side; ++r) {
        const int keep = r < height ? width : 0;
        std::fill(level0.begin() + r * side + keep, level0.begin() + (r + 1) * side, std::uint8_t{0});
    }
}

void setMapWindowSize(int width, int height) {
    mapWindowWidth = width;
    mapWindowHeight = height;
}

void clearOutsideMapWindow(OcclusionMap& map) {
    clearOutsideWindow(map.levels[0], mapWindowWidth, mapWindowHeight);
}
