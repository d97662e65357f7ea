#pragma once
// The scene: 1000 world-space copies of one mesh on a 10 x 10 x 10 grid with spacing 40. Object
// n = 100i + 10j + k sits at grid (i, j, k); it is a red occluder when i < 2 or k < 2, otherwise a
// blue occludee. Built once at start-up; afterwards only screenMin/screenMax change.

#include "mesh/SceneObject.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

extern std::vector<SceneObject> sceneObjects;
extern std::vector<std::uint32_t> occluderIndices; // ascending
extern std::vector<std::uint32_t> occludeeIndices; // ascending
extern std::vector<std::uint32_t> visibleIndices;  // refilled every frame by the culling pipeline

constexpr const char* sceneMeshPath = "data/cube.geo";
constexpr int gridSize = 10;
constexpr double gridSpacing = 40.0;
constexpr int occluderLayers = 2;
// The mesh is copied 1000 times: at these limits the copies take about 0.9 GB. A larger mesh is
// reported and left out, as a missing file is.
constexpr std::size_t maxMeshVertices = 10000;
constexpr std::size_t maxMeshFaces = 10000;
const Geometry::Vector occluderColor{1.0, 0.0, 0.0};
const Geometry::Vector occludeeColor{0.0, 0.0, 1.0};

// Reads the prototype from sceneMeshPath and fills the three scene lists, which must be empty.
// A missing file, or a mesh above the size limits, is reported on standard error; the scene then
// holds 1000 empty objects.
void buildScene();

// The same, from any mesh path, reporting a missing file on `errors`.
void buildScene(const std::string& meshPath, std::ostream& errors);
