#include "LabImages.h"

#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "mesh/DrawMesh.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cassert>
#include <cstdio>
#include <iostream>
#include <png.h>

GreyImage fitGrid(const BufferPicture& picture, int side) {
    GreyImage image{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0)};
    if (picture.side <= 0 || picture.grey.size() < static_cast<std::size_t>(picture.side) * static_cast<std::size_t>(picture.side))
        return image;
    for (int y = 0; y < side; ++y) {
        const int row = picture.side - 1 - y * picture.side / side; // the grid's top row is its last
        for (int x = 0; x < side; ++x)
            image.pixels[static_cast<std::size_t>(y * side + x)] =
                picture.grey[static_cast<std::size_t>(row * picture.side + x * picture.side / side)];
    }
    return image;
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

namespace {

constexpr double occluderTint[3] = {0.55, 0.08, 0.08};
constexpr double occluderOpacity = 0.45;

void drawObjects(const std::vector<SceneObject>& objects, const std::vector<std::uint32_t>& indices) {
    for (std::uint32_t index : indices) drawMesh(objects[index].faces, objects[index].vertices);
}

void fill(RgbImage& canvas, int x, int y, int width, int height, const std::uint8_t rgb[3]) {
    for (int row = std::max(y, 0); row < std::min(y + height, canvas.height); ++row)
        for (int col = std::max(x, 0); col < std::min(x + width, canvas.width); ++col)
            std::copy_n(rgb, 3, canvas.pixels.begin() + 3 * (static_cast<std::ptrdiff_t>(row) * canvas.width + col));
}

void paste(RgbImage& canvas, const RgbImage& image, int x, int y) {
    for (int row = 0; row < image.height && y + row < canvas.height; ++row)
        std::copy_n(image.pixels.begin() + 3 * static_cast<std::ptrdiff_t>(row) * image.width,
                    3 * std::min(image.width, canvas.width - x),
                    canvas.pixels.begin() + 3 * (static_cast<std::ptrdiff_t>(y + row) * canvas.width + x));
}

RgbImage toRgb(const GreyImage& grey) {
    RgbImage rgb{grey.width, grey.height, {}};
    rgb.pixels.reserve(grey.pixels.size() * 3);
    for (std::uint8_t g : grey.pixels) rgb.pixels.insert(rgb.pixels.end(), {g, g, g});
    return rgb;
}

// Words of `text` in lines no wider than `width` pixels of the bitmap font.
std::vector<std::string> wrapped(const std::string& text, int width, void* font) {
    std::vector<std::string> lines(1);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = text.find(' ', at);
        const std::string word = text.substr(at, space == std::string::npos ? std::string::npos : space - at);
        const std::string longer = lines.back().empty() ? word : lines.back() + " " + word;
        const auto bytes = reinterpret_cast<const unsigned char*>(longer.c_str());
        if (!lines.back().empty() && glutBitmapLength(font, bytes) > width - 4)
            lines.push_back(word);
        else
            lines.back() = longer;
        at = space == std::string::npos ? text.size() : space + 1;
    }
    return lines;
}

// GL: text in the window's 12-pixel bitmap font, dark on the sheet's background, wrapped to the
// width, one line every 14 pixels from the top.
RgbImage textStrip(const std::string& text, int width, int height) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glViewport(0, 0, width, height);
    glScissor(0, 0, width, height);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0.85f, 0.85f, 0.85f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(0.0, 0.0, 0.0);
    int baseline = height - 12;
    for (const std::string& line : wrapped(text, width, GLUT_BITMAP_HELVETICA_12)) {
        glRasterPos2i(2, baseline);
        for (char c : line) glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, c);
        baseline -= 14;
    }
    const RgbImage strip = readBackRgb(0, 0, width, height);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    return strip;
}

} // namespace

RgbImage outcomeView(std::vector<SceneObject>& painted, const std::vector<Outcome>& outcomes, int side) {
    assert(painted.size() == sceneObjects.size() && outcomes.size() == occludeeIndices.size());
    for (std::size_t i = 0; i < occludeeIndices.size(); ++i) painted[occludeeIndices[i]].setColor(outcomeColour(outcomes[i]));
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadCameraView(fakeCamera);
    glViewport(0, 0, side, side);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setupLighting();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    drawObjects(painted, occludeeIndices);
    // The occluders' nearest surface, then that surface alone blended once over what lies behind.
    glDisable(GL_LIGHTING);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawObjects(sceneObjects, occluderIndices);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_EQUAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (std::uint32_t index : occluderIndices) {
        glBegin(GL_TRIANGLES);
        for (const Face& face : sceneObjects[index].faces) {
            glColor4d(occluderTint[0], occluderTint[1], occluderTint[2], occluderOpacity);
            for (std::uint32_t v : face.vertexIndices) glVertex3dv(&sceneObjects[index].vertices[v].x);
        }
        glEnd();
    }
    const RgbImage view = readBackRgb(0, 0, side, side);
    glPopMatrix();
    glPopAttrib();
    return view;
}

RgbImage outcomeSheet(const RgbImage& view, const std::vector<BufferPicture>& buffers) {
    constexpr int panel = 192, gap = 8, caption = 30, rows = 3, keyHeight = 20;
    const int columns = std::max(1, (static_cast<int>(buffers.size()) + rows - 1) / rows);
    const int left = view.width + gap;
    RgbImage sheet{left + columns * (panel + gap), std::max(view.height, rows * (panel + caption + gap)) + gap + keyHeight, {}};
    sheet.pixels.assign(3 * static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height), 217);
    paste(sheet, view, 0, 0);
    for (std::size_t i = 0; i < buffers.size(); ++i) {
        const int x = left + static_cast<int>(i) % columns * (panel + gap);
        const int y = static_cast<int>(i) / columns * (panel + caption + gap);
        paste(sheet, textStrip(buffers[i].caption, panel, caption), x, y);
        paste(sheet, toRgb(fitGrid(buffers[i], panel)), x, y + caption);
    }
    const int keyTop = sheet.height - keyHeight;
    // Grey key, at the right edge: 0 (black: empty, or farthest) to 255 (white: covered, or nearest).
    const int ramp = sheet.width - panel - 32;
    for (int x = 0; x < panel; ++x) {
        const auto g = static_cast<std::uint8_t>(x * 255 / (panel - 1));
        const std::uint8_t rgb[3] = {g, g, g};
        fill(sheet, ramp + x, keyTop, 1, keyHeight, rgb);
    }
    paste(sheet, textStrip("0", 14, keyHeight), ramp - 14, keyTop + 2);
    paste(sheet, textStrip("255", 30, keyHeight), ramp + panel + 2, keyTop + 2);
    int x = 0;
    for (Outcome o : {Outcome::DrawnVisible, Outcome::CulledCorrectly, Outcome::FalseCull, Outcome::MissedCull,
                      Outcome::DrawnHidden}) {
        const Geometry::Vector c = outcomeColour(o);
        const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(c.x * 255), static_cast<std::uint8_t>(c.y * 255),
                                     static_cast<std::uint8_t>(c.z * 255)};
        fill(sheet, x, keyTop + 2, keyHeight - 4, keyHeight - 4, rgb);
        const std::string name = outcomeName(o);
        const int width = 8 + glutBitmapLength(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(name.c_str()));
        paste(sheet, textStrip(name, width, keyHeight), x + keyHeight, keyTop + 2);
        x += keyHeight + width + 4;
    }
    return sheet;
}
