#include "culling/DepthEstimationBuffer.h"

#include "app/Cameras.h"
#include "culling/CellSpan.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "culling/ScreenBounds.h"
#include "scene/Scene.h"

#include <GL/gl.h>

DepthEstimationBuffer depthEstimationBuffer;

void clearDepthBuffer(DepthEstimationBuffer& buffer) { buffer.cells.fill(1.0); }

void recordOccluder(DepthEstimationBuffer& buffer, const Geometry::Vector& min, const Geometry::Vector& max) {
    const CellSpan rows = cellSpan(min.y, max.y, 1.0, depthBufferSide);
    const CellSpan columns = cellSpan(min.x, max.x, 1.0, depthBufferSide);
    for (int r = rows.begin; r < rows.end; ++r) {
        double* row = &buffer.cells[static_cast<std::size_t>(r * depthBufferSide)];
        for (int c = columns.begin; c < columns.end; ++c)
            if (min.z < row[c]) row[c] = min.z;
    }
}

void buildDepthEstimationBuffer() {
    loadCameraView(fakeCamera);
    glViewport(0, 0, depthBufferSide, depthBufferSide);
    clearDepthBuffer(depthEstimationBuffer);
    const ViewTransforms transforms = readViewTransforms(); // once per build, not per occluder
    for (std::uint32_t index : occluderIndices) {
        const ScreenBounds bounds = projectScreenBounds(sceneObjects[index], transforms);
        recordOccluder(depthEstimationBuffer, bounds.min, bounds.max);
    }
    frameStats.passedDeb = 0;
}
