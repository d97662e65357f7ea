#pragma once
// Pictures of the culling structures: grey images stored top row first (as PNG wants them),
// made from the bottom-row-first grids of the occlusion map and the depth estimation buffer.

#include "culling/DepthEstimationBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row-major, top row first
};

// A square bottom-row-first byte grid, each texel blown up to factor x factor pixels.
GreyImage scaledGrid(const std::uint8_t* bottomFirst, int side, int factor);

// The depth estimation buffer as grey levels: the nearest occluder depth white, the farthest
// recorded one dark grey (linear in eye distance between them), cells with no occluder black.
GreyImage depthBufferImage(const DepthEstimationBuffer& buffer, int factor, double nearPlane,
                           double farPlane);

// The images side by side, `gap` pixels apart, top-aligned, on a canvas of grey `background`.
GreyImage besideEachOther(const std::vector<GreyImage>& images, int gap, std::uint8_t background);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // 3 bytes a pixel, row-major, top row first
};

// Writes an 8-bit grey or RGB PNG; false (with a message on standard error) when it cannot.
bool writePng(const std::string& path, const GreyImage& image);
bool writeRgbPng(const std::string& path, const RgbImage& image);

// GL: the current read buffer's pixels in the rectangle, turned top row first.
RgbImage readBackRgb(int x, int y, int width, int height);
