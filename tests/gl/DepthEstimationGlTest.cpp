// The depth estimation buffer built from the fake camera: every cell holds the nearest depth of
// the occluders whose projected rectangles reach it, or the far plane.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/OcclusionMap.h"
#include "culling/ScreenBounds.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <cmath>

using DepthEstimationGl = GlTest;

namespace {

void buildBuffer() {
    depthEstimationBuffer.cells.fill(0.25); // garbage that a skipped cell would keep
    glMatrixMode(GL_MODELVIEW);
    buildDepthEstimationBuffer();
}

// Every occluder's box in a 32 x 32 viewport of the fake camera.
std::vector<ScreenBounds> occluderBounds() {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(fakeCamera);
    glViewport(0, 0, depthBufferSide, depthBufferSide);
    const ViewTransforms transforms = readViewTransforms();
    std::vector<ScreenBounds> bounds;
    for (std::uint32_t index : occluderIndices)
        bounds.push_back(projectScreenBounds(sceneObjects[index], transforms));
    return bounds;
}

// Cells [floor(lo), floor(hi + 0.99999)) on one axis.
bool reaches(double lo, double hi, int cell) {
    return std::floor(lo) <= cell && cell < std::floor(hi + static_cast<double>(0.99999f));
}

} // namespace

TEST_F(DepthEstimationGl, EachDepthCellHoldsTheNearestOccluderReachingItOrTheFarPlane) {
    for (double angle : {0.0, 225.0}) {
        spinFakeCamera(angle);
        const std::vector<ScreenBounds> bounds = occluderBounds();
        buildBuffer();
        int nearCells = 0;
        for (int r = 0; r < depthBufferSide; ++r) {
            for (int c = 0; c < depthBufferSide; ++c) {
                double nearest = 1.0;
                for (const ScreenBounds& b : bounds)
                    if (reaches(b.min.x, b.max.x, c) && reaches(b.min.y, b.max.y, r))
                        nearest = std::min(nearest, b.min.z);
                const double cell =
                    depthEstimationBuffer.cells[static_cast<std::size_t>(r * depthBufferSide + c)];
                ASSERT_EQ(cell, nearest) << "angle " << angle << ", cell " << c << ", " << r;
                nearCells += cell < 1.0;
            }
        }
        // The occluder walls fill much of the view, though not all of it.
        EXPECT_GT(nearCells, 100) << "angle " << angle;
        EXPECT_LT(nearCells, depthBufferSide * depthBufferSide) << "angle " << angle;
    }
}
