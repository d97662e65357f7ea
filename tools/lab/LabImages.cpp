#include "LabImages.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <png.h>
#include <cassert>
#include <GL/gl.h>

GreyImage scaledGrid(const std::uint8_t* bottomFirst, int side, int factor) {
    GreyImage image{side * factor, side * factor, {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const int row = side - 1 - y / factor; // the grid's top row is its last
        for (int x = 0; x < image.width; ++x)
            image.pixels[static_cast<std::size_t>(y * image.width + x)] =
                bottomFirst[row * side + x / factor];
    }
    return image;
}

GreyImage depthBufferImage(const DepthEstimationBuffer& buffer, int factor, double nearPlane,
                           double farPlane) {
    // Window depth is far from linear; grey levels follow the eye distance instead.
    const auto distance = [&](double depth) {
        return nearPlane * farPlane / (farPlane - depth * (farPlane - nearPlane));
    };
    double nearest = farPlane, farthest = nearPlane;
    for (double depth : buffer.cells)
        if (depth < 1.0) {
            nearest = std::min(nearest, distance(depth));
            farthest = std::max(farthest, distance(depth));
        }
    std::vector<std::uint8_t> levels(buffer.cells.size(), 0);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (!(buffer.cells[i] < 1.0)) continue;
        const double t =
            farthest > nearest ? (distance(buffer.cells[i]) - nearest) / (farthest - nearest) : 0.0;
        levels[i] = static_cast<std::uint8_t>(255.0 - 191.0 * std::clamp(t, 0.0, 1.0));
    }
    return scaledGrid(levels.data(), depthBufferSide, factor);
}

GreyImage besideEachOther(const std::vector<GreyImage>& images, int gap, std::uint8_t background) {
    GreyImage canvas;
    for (const GreyImage& image : images) {
        canvas.width += image.width + (canvas.width > 0 ? gap : 0);
        canvas.height = std::max(canvas.height, image.height);
    }
    canvas.pixels.assign(static_cast<std::size_t>(canvas.width) * static_cast<std::size_t>(canvas.height),
                         background);
    int left = 0;
    for (const GreyImage& image : images) {
        for (int y = 0; y < image.height; ++y)
            std::copy_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(y * image.width), image.width,
                        canvas.pixels.begin() + static_cast<std::ptrdiff_t>(y * canvas.width + left));
        left += image.width + gap;
    }
    return canvas;
}

namespace {

// One PNG of `channels` bytes a pixel (1 grey, 3 RGB), rows top first.
bool encodePng(const std::string& path, int width, int height, int channels, const std::uint8_t* rows) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::cerr << "culling-lab: cannot write " << path << "\n";
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    // libpng reports failures by longjmp back to the setjmp; the flag is set only after the last call.
    volatile bool encoded = false;
    if (png && info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, channels == 3 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
        for (int y = 0; y < height; ++y) png_write_row(png, rows + static_cast<std::size_t>(y) * stride);
        png_write_end(png, nullptr);
        encoded = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    const bool closed = std::fclose(file) == 0;
    const bool ok = encoded && closed;
    if (!ok) std::cerr << "culling-lab: failed to encode " << path << "\n";
    return ok;
}

} // namespace

bool writePng(const std::string& path, const GreyImage& image) {
    assert(image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    return encodePng(path, image.width, image.height, 1, image.pixels.data());
}

bool writeRgbPng(const std::string& path, const RgbImage& image) {
    assert(image.pixels.size() == 3 * static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    return encodePng(path, image.width, image.height, 3, image.pixels.data());
}

RgbImage readBackRgb(int x, int y, int width, int height) {
    RgbImage image{width, height, std::vector<std::uint8_t>(3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
    std::vector<std::uint8_t> bottomFirst(image.pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomFirst.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    const std::size_t stride = 3 * static_cast<std::size_t>(width);
    for (int row = 0; row < height; ++row)
        std::copy_n(bottomFirst.data() + static_cast<std::size_t>(height - 1 - row) * stride, stride,
                    image.pixels.data() + static_cast<std::size_t>(row) * stride);
    return image;
}
