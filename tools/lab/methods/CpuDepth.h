#pragma once
// cpu-depth: the occluders drawn on the processor by tilecull into a tiled depth buffer, nearest
// first, each skipped when its box is already hidden; each occludee tested by its box rectangle
// against the tiles' farthest depths and, where they do not settle it, the pixels. The triangle
// configurations then test an occludee the rectangle leaves visible by its own front faces.
// Occludees reaching in front of the near plane are never culled; ones outside the view are.
// Stages: "gather" (the scene as float arrays), "render", "tests".

#include "methods/CullMethod.h"

#include "TileCull.h"

#include <cstdint>
#include <string>
#include <vector>

struct CpuDepthConfig {
    int side = 256;
    bool triangles = false; // occludees by their front faces where the rectangle shows
    int threads = 1;        // 2: the buffer drawn in two bands at once, the boxes shared out
    // Which pixels an occluder covers: outlines (or wholePixels) keeps gaps between occluders
    // narrower than a pixel open, where an occludee behind may show at a finer resolution.
    tilecull::Coverage coverage = tilecull::Coverage::centres;
};

// The buffers a pass reuses: after the first pass, later ones allocate only the outcome.
struct CpuDepthState {
    tilecull::Culler culler;
    std::vector<float> positions;       // every gathered object's vertices, x y z
    std::vector<std::uint32_t> indices; // their faces, indices into positions
    std::vector<tilecull::Occluder> occluders;
    std::vector<tilecull::Mesh> occludees;
    std::vector<float> occludeeBoxes;          // min x y z, max x y z per occludee
    std::vector<tilecull::Visibility> answers; // the boxes' tests, one batch per pass
    std::vector<float> depth;                  // the buffer read out for the pictures
    // What the arrays were gathered from: while the scene holds the same, they are kept. A scene
    // with the generation they were last found current for is taken as the same without a look.
    std::uint64_t sourceGeneration = 0;
    // The contents compared otherwise:
    std::vector<std::uint32_t> sourceLists; // occluder indices, then occludee indices
    std::vector<Geometry::Vector> sourceVertices;
    std::vector<std::uint32_t> sourceFaces;
};

CullOutcome runCpuDepth(const CullScene& scene, const CullView& view, const CpuDepthConfig& config,
                        CpuDepthState& state, bool pictures);

// Share of texels, in [0, 1], whose coverage agrees between a depth buffer (covered: depth < 1) and
// an occlusion map level of the same side (covered: texel > 0, so that any partial value an
// antialiased map might hold counts as covered; the viewer's map is 0 or 255). 0 when the sizes
// differ or are 0.
double coverageAgreement(const std::vector<float>& depth, const std::vector<std::uint8_t>& mapLevel0);
