#pragma once
// Ground truth of visibility: every object drawn in its own flat ID colour with the depth test,
// the frame read back, and each object's pixels counted. An object is visible from a camera when
// at least one pixel shows it.

#include "IdColours.h"
#include "mesh/SceneObject.h"

#include <cstdint>
#include <vector>

struct OrbitCamera;

struct IdScene {
    std::vector<SceneObject> objects; // copies whose faces all carry the object's ID colour
    std::vector<std::uint8_t> frame;  // the last ID frame, RGB, bottom row first
};

// Copies the objects once and paints each copy in its ID colour.
IdScene makeIdScene(const std::vector<SceneObject>& objects);

// GL: draws every copy unlit from `camera` through the current projection into the bottom-left
// side x side pixels with the depth test (no face culling), reads them back and counts the pixels
// per object. Restores every GL attribute and the model-view matrix it changed.
IdCoverage renderIdFrame(IdScene& scene, const OrbitCamera& camera, int side);

// Visible flags of the listed objects: at least one pixel each.
std::vector<bool> visibleFlags(const IdCoverage& coverage, const std::vector<std::uint32_t>& indices);
