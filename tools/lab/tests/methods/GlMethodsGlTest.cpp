// The GL methods (occluder-only truth, gpu-hiz, occlusion queries) on hand-made box scenes with
// known answers, rendered for real. Needs an X server (label gl).
#include "HandScene.h"
#include "LabWindow.h"
#include "app/Viewer.h"
#include "methods/OccluderTruth.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

class GlMethods : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openLabWindow(640));
        reshape(640, 640);
        glMatrixMode(GL_MODELVIEW);
    }
};

// An occluder 50 ahead covering y 5..15, x -5..5: from the origin it hides directions with
// y/distance in 0.1..0.3 and |x|/distance below 0.1.
HandScene withOccluder() {
    HandScene hand;
    hand.addBox({0, 10, -50}, {5, 5, 1}, true);
    return hand;
}

// Catches: no depth test for the occludees (hidden ones counted), depth writes left on (a nearer
// occludee hiding a farther one), the occluder depth not cleared or not drawn.
TEST_F(GlMethods, OccluderTruthCountsWhatTheOccludersAloneLeave) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);  // behind the occluder
    hand.addBox({40, 30, -150}, {3, 3, 3}, false); // beside it
    hand.addBox({20, 20, -100}, {5, 5, 1}, false); // drawn first, in front of the next one
    hand.addBox({30, 30, -150}, {3, 3, 3}, false);
    hand.addBox({0, 5, 50}, {3, 3, 3}, false);     // behind the camera
    const std::vector<std::uint32_t> pixels = occluderOnlyPixels(hand.scene(), lookingDownMinusZ(), 640);
    ASSERT_EQ(pixels.size(), 5u);
    EXPECT_EQ(pixels[0], 0u);
    EXPECT_GT(pixels[1], 100u);
    EXPECT_GT(pixels[2], 100u);
    EXPECT_GT(pixels[3], 100u);
    EXPECT_EQ(pixels[4], 0u);
    EXPECT_EQ(hiddenByOccluders(pixels), (std::vector<bool>{true, false, false, false, true}));
}

// The state a caller's frame depends on, set to values no method would choose.
struct GlSnapshot {
    std::array<GLint, 4> viewport{};
    GLint drawFramebuffer = 0, readFramebuffer = 0, matrixMode = 0, depthFunc = 0, packAlignment = 0;
    GLboolean depthMask = GL_FALSE, depthTest = GL_FALSE, cullFace = GL_FALSE, lighting = GL_FALSE;
    std::array<GLboolean, 4> colourMask{};
    std::array<GLdouble, 16> modelView{}, projection{};

    static GlSnapshot take() {
        GlSnapshot s;
        glGetIntegerv(GL_VIEWPORT, s.viewport.data());
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.drawFramebuffer);
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &s.readFramebuffer);
        glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
        glGetIntegerv(GL_DEPTH_FUNC, &s.depthFunc);
        glGetIntegerv(GL_PACK_ALIGNMENT, &s.packAlignment);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depthMask);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.cullFace = glIsEnabled(GL_CULL_FACE);
        s.lighting = glIsEnabled(GL_LIGHTING);
        glGetBooleanv(GL_COLOR_WRITEMASK, s.colourMask.data());
        glGetDoublev(GL_MODELVIEW_MATRIX, s.modelView.data());
        glGetDoublev(GL_PROJECTION_MATRIX, s.projection.data());
        return s;
    }
    bool operator==(const GlSnapshot& o) const {
        return viewport == o.viewport && drawFramebuffer == o.drawFramebuffer && readFramebuffer == o.readFramebuffer &&
               matrixMode == o.matrixMode && depthFunc == o.depthFunc && packAlignment == o.packAlignment &&
               depthMask == o.depthMask && depthTest == o.depthTest && cullFace == o.cullFace &&
               lighting == o.lighting && colourMask == o.colourMask && modelView == o.modelView &&
               projection == o.projection;
    }
};

// Catches a method leaving its framebuffer bound, or the viewport, a mask, a flag, the pixel
// store or a matrix changed, and GL errors (an unbalanced push or pop shows as one).
TEST_F(GlMethods, EveryMethodRestoresTheCallersState) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);
    hand.addBox({40, 30, -150}, {3, 3, 3}, false);
    const CullScene scene = hand.scene();
    const CullView view = lookingDownMinusZ();
    const std::vector<std::pair<const char*, std::function<void()>>> methods = {
        {"occluder truth", [&] { occluderOnlyPixels(scene, view, 640); }},
    };
    for (const auto& [name, run] : methods) {
        SCOPED_TRACE(name);
        glViewport(3, 4, 100, 200);
        glDepthMask(GL_FALSE);
        glDepthFunc(GL_GEQUAL);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
        glPixelStorei(GL_PACK_ALIGNMENT, 8);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glScaled(2.0, 3.0, 4.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glTranslated(5.0, 6.0, 7.0);
        while (glGetError() != GL_NO_ERROR) {
        }
        const GlSnapshot before = GlSnapshot::take();
        run();
        run(); // a second pass reuses what the first made
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_TRUE(GlSnapshot::take() == before);

        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glViewport(0, 0, 640, 640);
        glDepthMask(GL_TRUE);
        glDepthFunc(GL_LESS);
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_LIGHTING);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
    }
}

} // namespace
