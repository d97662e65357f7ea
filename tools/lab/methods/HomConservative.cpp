#include "methods/HomConservative.h"

#include "mesh/DrawMesh.h"
#include "methods/ClipTransform.h"
#include "methods/GlDepthPass.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double noOccluder = -infinity; // the maximum rule then needs no special case

// Cells (or pixels) whose area meets [lo, hi], a maximum on a boundary not reaching the next one,
// clipped to [0, count); empty when first > last.
void touchedSpan(double lo, double hi, int count, int& first, int& last) {
    const double from = std::floor(lo), to = std::max(std::ceil(hi) - 1.0, from);
    first = static_cast<int>(std::min(std::max(from, 0.0), static_cast<double>(count)));
    last = static_cast<int>(std::max(std::min(to, count - 1.0), -1.0));
}

bool isNan(double a, double b, double c, double d) { return std::isnan(a + b + c + d); }

bool texelCovered(const OcclusionMap& map, unsigned level, int column, int row, const int (&pixels)[4],
                  std::uint8_t threshold) {
    const std::uint8_t value = map.levels[level][static_cast<std::size_t>(row) * levelSide(level) +
                                                 static_cast<std::size_t>(column)];
    if (value >= threshold) return true;
    if (value == 0 || level == 0) return false;
    // Partly covered: the texels under it that the rectangle touches decide.
    const unsigned finer = level - 1;
    for (int r = 2 * row; r <= 2 * row + 1; ++r)
        for (int c = 2 * column; c <= 2 * column + 1; ++c) {
            if ((c + 1) << finer <= pixels[0] || c << finer > pixels[2] || (r + 1) << finer <= pixels[1] ||
                r << finer > pixels[3])
                continue;
            if (!texelCovered(map, finer, c, r, pixels, threshold)) return false;
        }
    return true;
}

void allocateMap(OcclusionMap& map) {
    if (map.levels.size() == occlusionMapLevels) return;
    map.levelCount = occlusionMapLevels;
    map.levels.assign(occlusionMapLevels, {});
    for (unsigned level = 0; level < occlusionMapLevels; ++level)
        map.levels[level].resize(levelSide(level) * levelSide(level));
}

} // namespace

void clearFarthestDepth(FarthestDepthBuffer& buffer) { buffer.cells.fill(noOccluder); }

void recordFarthestEverywhere(FarthestDepthBuffer& buffer, double farthestDepth) {
    for (double& cell : buffer.cells)
        cell = std::max(cell, std::isnan(farthestDepth) ? infinity : farthestDepth);
}

void recordFarthest(FarthestDepthBuffer& buffer, double minX, double minY, double maxX, double maxY,
                    double farthestDepth) {
    if (isNan(minX, minY, maxX, maxY) || std::isnan(farthestDepth))
        return recordFarthestEverywhere(buffer, infinity);
    if (minX > maxX || minY > maxY) return;
    int c0, c1, r0, r1;
    touchedSpan(minX, maxX, farthestDepthSide, c0, c1);
    touchedSpan(minY, maxY, farthestDepthSide, r0, r1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            double& cell = buffer.cells[static_cast<std::size_t>(r * farthestDepthSide + c)];
            cell = std::max(cell, farthestDepth);
        }
}

bool liesBehindEveryCell(const FarthestDepthBuffer& buffer, double minX, double minY, double maxX,
                         double maxY, double nearestDepth) {
    if (isNan(minX, minY, maxX, maxY) || !(minX <= maxX && minY <= maxY)) return false;
    int c0, c1, r0, r1;
    touchedSpan(minX, maxX, farthestDepthSide, c0, c1);
    touchedSpan(minY, maxY, farthestDepthSide, r0, r1);
    if (c0 > c1 || r0 > r1) return false;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const double cell = buffer.cells[static_cast<std::size_t>(r * farthestDepthSide + c)];
            if (cell == noOccluder || !(cell < nearestDepth)) return false;
        }
    return true;
}

bool isRectangleFullyCovered(const OcclusionMap& map, double minX, double minY, double maxX, double maxY,
                             std::uint8_t threshold) {
    const double side = occlusionMapSide;
    if (map.levels.size() != occlusionMapLevels) return false;
    if (!(minX >= 0.0 && minY >= 0.0 && maxX <= side && maxY <= side && minX < maxX && minY < maxY))
        return false;
    int pixels[4]; // first column, first row, last column, last row
    touchedSpan(minX, maxX, occlusionMapSide, pixels[0], pixels[2]);
    touchedSpan(minY, maxY, occlusionMapSide, pixels[1], pixels[3]);
    unsigned level = 0;
    while (level + 1 < occlusionMapLevels && ((pixels[2] >> level) - (pixels[0] >> level) > 1 ||
                                              (pixels[3] >> level) - (pixels[1] >> level) > 1))
        ++level;
    for (int r = pixels[1] >> level; r <= pixels[3] >> level; ++r)
        for (int c = pixels[0] >> level; c <= pixels[2] >> level; ++c)
            if (!texelCovered(map, level, c, r, pixels, threshold)) return false;
    return true;
}

MapRenderSeconds renderOcclusionMapLevel0(const CullScene& scene, const CullView& view,
                                          std::vector<std::uint8_t>& level0) {
    const int side = static_cast<int>(occlusionMapSide);
    level0.resize(static_cast<std::size_t>(side * side));
    pushCullView(view);
    glViewport(0, 0, side, side);
    glScissor(0, 0, side, side);
    glEnable(GL_SCISSOR_TEST);
    // The viewer's map render from its second frame on: unlit, no depth test, back faces culled;
    // and off whatever another pass may have left on that could change a red byte.
    for (GLenum capability :
         {GL_LIGHTING, GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_FOG, GL_ALPHA_TEST, GL_STENCIL_TEST})
        glDisable(capability);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    MapRenderSeconds seconds;
    glFinish();
    const Clock::time_point start = Clock::now();
    for (std::uint32_t index : *scene.occluders) {
        const SceneObject& occluder = (*scene.objects)[index];
        drawMesh(occluder.faces, occluder.vertices);
    }
    glFinish();
    const Clock::time_point drawn = Clock::now();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RED, GL_UNSIGNED_BYTE, level0.data());
    seconds.render = secondsBetween(start, drawn);
    seconds.readBack = secondsBetween(drawn, Clock::now());

    popCullView();
    return seconds;
}

CullOutcome runHomConservative(const CullScene& scene, const CullView& view, int threshold,
                               HomConservativeState& state, bool pictures) {
    const std::vector<SceneObject>& objects = *scene.objects;
    const std::vector<std::uint32_t>& occludees = *scene.occludees;
    const auto opacity = static_cast<std::uint8_t>(std::clamp(threshold, 0, 255));
    CullOutcome outcome;
    outcome.culled.assign(occludees.size(), false);
    allocateMap(state.map);
    const Geometry::Matrix clip = viewProjection(view);

    const MapRenderSeconds map = renderOcclusionMapLevel0(scene, view, state.map.levels[0]);
    const Clock::time_point read = Clock::now();
    buildPyramid(state.map);
    const Clock::time_point built = Clock::now();

    clearFarthestDepth(state.buffer);
    for (std::uint32_t index : *scene.occluders) {
        const WindowRect rect = boxWindowRect(objects[index], clip, farthestDepthSide);
        if (!rect.crossesNear)
            recordFarthest(state.buffer, rect.min.x, rect.min.y, rect.max.x, rect.max.y, rect.max.z);
        else if (rect.max.z >= rect.min.z) // some corner beyond the near plane: it may cover any cell
            recordFarthestEverywhere(state.buffer, rect.max.z);
    }
    const Clock::time_point recorded = Clock::now();

    for (std::size_t i = 0; i < occludees.size(); ++i) {
        const WindowRect rect =
            boxWindowRect(objects[occludees[i]], clip, static_cast<int>(occlusionMapSide));
        if (rect.crossesNear ||
            !isRectangleFullyCovered(state.map, rect.min.x, rect.min.y, rect.max.x, rect.max.y, opacity))
            continue;
        ++outcome.passedHom;
        // Window depth does not depend on the viewport: the map's rectangle halved is the buffer's.
        outcome.culled[i] = liesBehindEveryCell(state.buffer, rect.min.x * 0.5, rect.min.y * 0.5,
                                                rect.max.x * 0.5, rect.max.y * 0.5, rect.min.z);
        outcome.passedDeb += outcome.culled[i] ? 1u : 0u;
    }
    const Clock::time_point tested = Clock::now();
    outcome.stages = {{"map render", map.render},
                      {"map read-back + pyramid", map.readBack + secondsBetween(read, built)},
                      {"buffer", secondsBetween(built, recorded)},
                      {"tests", secondsBetween(recorded, tested)}};
    if (!pictures) return outcome;

    for (unsigned level = 0; level < occlusionMapLevels; ++level) {
        const int side = static_cast<int>(levelSide(level));
        outcome.pictures.push_back({"map level " + std::to_string(level) + ", " + std::to_string(side) +
                                        " x " + std::to_string(side),
                                    side, state.map.levels[level]});
    }
    std::vector<float> cells;
    for (double cell : state.buffer.cells)
        cells.push_back(std::isfinite(cell) ? static_cast<float>(cell) : 1.0f);
    outcome.pictures.emplace_back();
    depthPicture(cells.data(), farthestDepthSide, "farthest-depth buffer, 32 x 32", outcome.pictures.back());
    return outcome;
}
