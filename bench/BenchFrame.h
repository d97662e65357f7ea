#pragma once
// One frame's culling inputs, computed on the processor alone (no GL context): the real scene
// seen by the fake camera through the viewer's 640 x 640 projection. The transforms are built from
// frustumFor and lookAt exactly as glFrustum and loadCameraView would leave them, and level 0 of
// the occlusion map is the union of the occluders' silhouettes (the convex hull of each one's
// projected vertices) sampled at pixel centres, as the GL rasterizer fills the 64 x 64 render.

#include "culling/OcclusionMap.h"
#include "culling/ScreenBounds.h"
#include "mesh/SceneObject.h"

#include <cstdint>
#include <string>
#include <vector>

struct OrbitCamera;

// The model-view, projection and viewport that the culling passes read back from GL: the
// camera's view, the frustum of a 640 x 640 window, and a side x side viewport at the origin.
ViewTransforms cpuViewTransforms(const OrbitCamera& camera, int viewportSide);

// Level 0 of the occlusion map for the listed objects: 255 where a pixel centre lies inside the
// convex hull of an object's projected vertices, 0 elsewhere; bottom row first.
std::vector<std::uint8_t> silhouetteLevel0(const std::vector<SceneObject>& objects,
                                           const std::vector<std::uint32_t>& indices,
                                           const ViewTransforms& mapTransforms);

struct BenchFrame {
    OcclusionMap map;                    // level 0 from the silhouettes; coarser levels built
    std::vector<ScreenBounds> occluders; // in the 32 x 32 buffer viewport
    std::vector<ScreenBounds> occludees; // in the 64 x 64 map viewport
};

// Builds the scene from `meshPath` on first use, aims the fake camera at `angle` and computes
// every input of that frame.
BenchFrame captureFrame(const std::string& meshPath, int angle);
