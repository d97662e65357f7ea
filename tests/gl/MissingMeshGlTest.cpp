// A scene built without its mesh file: 1000 objects without vertices still run through a frame.
#include "GlTest.h"

#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/FrameStats.h"
#include "scene/Scene.h"

#include <GL/gl.h>
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
            spinFakeCamera(angle);
            opacityThreshold = static_cast<std::uint8_t>(threshold);
            frameStats = {7, 5};
            const CullingResult frame = cullOnce();
            EXPECT_EQ(frame.passedHom, 0u) << "angle " << angle << ", threshold " << threshold;
            EXPECT_EQ(frame.passedDeb, 0u) << "angle " << angle << ", threshold " << threshold;
            EXPECT_EQ(frame.visible.size(), 1000u);
        }
    }
    display();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
