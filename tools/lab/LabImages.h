#pragma once
// Pictures of a method at one angle: the fake camera's view with every occludee painted by its
// outcome, and beside it the method's buffers with a grey key. Images are stored top row first, as
// PNG wants them; the buffers come bottom row first, as OpenGL reads them.

#include "methods/CullMethod.h"
#include "methods/Outcome.h"

#include <cstdint>
#include <string>
#include <vector>

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row-major, top row first
};

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // 3 bytes a pixel, row-major, top row first
};

// A bottom-row-first square grid resampled (nearest texel) to side x side, top row first.
GreyImage fitGrid(const BufferPicture& picture, int side);

// Writes an 8-bit grey or RGB PNG; false (with a message on standard error) when it cannot.
bool writePng(const std::string& path, const GreyImage& image);
bool writeRgbPng(const std::string& path, const RgbImage& image);

// GL: the current read buffer's pixels in the rectangle, turned top row first.
RgbImage readBackRgb(int x, int y, int width, int height);

// GL: the scene from the fake camera into the bottom-left side x side pixels, lit as the viewer
// lights it, each occludee painted in its outcome's colour; the occluders over them dim red and
// see-through, so that the culled and missed occludees behind them show (an occluder that is
// tested too is see-through in its outcome's colour). `painted` is a copy of the scene whose face
// colours this changes.
RgbImage outcomeView(std::vector<SceneObject>& painted, const std::vector<Outcome>& outcomes, int side);

// The view with the buffers in a grid beside it, each under its caption, a grey key (0 to 255)
// under the buffers and a colour key of the outcomes under the view.
RgbImage outcomeSheet(const RgbImage& view, const std::vector<BufferPicture>& buffers);
