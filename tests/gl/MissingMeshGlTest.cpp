// A scene built without its mesh file: 1000 objects without vertices still run through a frame,
// and with nothing to render the map stays empty and the depth buffer at the far plane.
#include "ViewerWindow.h"

#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <sstream>

using MissingMeshGl = GlTest;

TEST_F(MissingMeshGl, FramesOverAMissingMeshCullNothing) {
    ScopedScene scene({}, {}, {});
    std::ostringstream errors;
    buildScene("/nonexistent/cube.geo", errors);
    EXPECT_EQ(errors.str(), "Failed to open \"cube.geo\"\n\n");
    ASSERT_EQ(sceneObjects.size(), 1000u);
    ASSERT_EQ(occludeeIndices.size(), 640u);

    // An object without vertices has no rectangle: not even threshold 0 reports it covered.
    for (double angle : {0.0, 225.0}) {
        for (int threshold : {255, 0}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", threshold " << threshold);
            spinFakeCamera(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            // Stale counts, map and buffer from an earlier frame must not survive this one.
            frameStats = {7, 5};
            for (auto& level : occlusionMap.levels) std::fill(level.begin(), level.end(), std::uint8_t{90});
            depthEstimationBuffer.cells.fill(0.25);
            const CullingResult frame = cullOnce();
            EXPECT_EQ(frame.passedHom, 0u);
            EXPECT_EQ(frame.passedDeb, 0u);
            EXPECT_EQ(frame.visible.size(), 1000u);
            for (const auto& level : occlusionMap.levels)
                EXPECT_EQ(std::count(level.begin(), level.end(), 0), static_cast<long>(level.size()));
            for (double cell : depthEstimationBuffer.cells) ASSERT_EQ(cell, 1.0);
        }
    }
    display();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
