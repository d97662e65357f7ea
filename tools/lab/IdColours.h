#pragma once
// Object identities as flat colours: object n is drawn in the colour of the number n + 1, red
// holding the low byte, green the next, blue the highest; black (0) is the background. With
// lighting, blending and dithering off, an 8-bit-per-channel frame returns the bytes exactly.

#include "geometry/Vector.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::uint32_t maxIdObjects = 0xFFFFFF - 1;

// The colour (each channel byte / 255) that names object `index`.
Geometry::Vector idColour(std::uint32_t index);

// The object named by one RGB pixel: index + 1, or 0 for the background.
std::uint32_t idOfPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

struct IdCoverage {
    std::vector<std::uint32_t> pixels; // per object, the pixels showing it
    std::size_t unknownPixels = 0;     // pixels naming no object: would mean the colours drifted
};

// Counts, over an RGB frame (3 bytes a pixel), the pixels that show each of `objectCount` objects.
IdCoverage countIdPixels(const std::vector<std::uint8_t>& rgb, std::size_t objectCount);
