// The GL methods (occluder-only truth, gpu-hiz, occlusion queries) on hand-made box scenes with
// known answers, rendered for real. Needs an X server (label gl).
#include "GroundTruth.h"
#include "HandScene.h"
#include "LabWindow.h"
#include "app/Viewer.h"
#include "methods/GpuHiz.h"
#include "methods/OccluderTruth.h"
#include "methods/OcclusionQuery.h"

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
    void TearDown() override {
        releaseGpuHizState(hiz);
        releaseQueryState(queries);
    }
    GpuHizState hiz;
    QueryState queries;
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

// Two occluders 50 ahead, apart by a gap 2.4 pixels wide at 640 x 640 (window x 319.0..321.4,
// open over the centres of pixels 319 and 320) that misses every pixel centre at 160 x 160.
HandScene withGap() {
    HandScene hand;
    const double left = -1.0 * 50 * 0.6 / 640, right = 1.4 * 50 * 0.6 / 640;
    hand.addBox({left - 5, 10, -50}, {5, 5, 0.05}, true);
    hand.addBox({right + 5, 10, -50}, {5, 5, 0.05}, true);
    return hand;
}

struct KnownCase {
    const char* name;
    HandScene hand;                              // the last occludee is the one judged
    bool hiz640 = false, hiz160 = false, query = false; // culled?
};

std::vector<KnownCase> knownCases() {
    std::vector<KnownCase> cases;
    auto add = [&](const char* name, HandScene hand, const Geometry::Vector& centre, const Geometry::Vector& half,
                   bool hiz640, bool hiz160, bool query) {
        hand.addBox(centre, half, false);
        cases.push_back({name, std::move(hand), hiz640, hiz160, query});
    };
    add("behind the occluder", withOccluder(), {0, 30, -150}, {3, 3, 3}, true, true, true);
    add("beside it", withOccluder(), {40, 30, -150}, {3, 3, 3}, false, false, false);
    // Its near half stands in front of a wall filling the view, its far half behind.
    HandScene wall;
    wall.addBox({0, 15, -50}, {20, 15, 0.05}, true);
    add("straddling a wall's depth", wall, {0, 10, -50}, {1, 1, 10}, false, false, false);
    // Seen from inside: only the back faces of its walls show.
    add("around the camera", withOccluder(), {0, 0, 0}, {100, 100, 100}, false, false, false);
    // Only 160 x 160 misses the gap: the false cull a coarse buffer makes.
    add("seen through a thin gap", withGap(), {0, 30, -150}, {3, 3, 3}, false, true, false);
    // Its far corners lie behind the occluder, its near ones behind the eye; it shows above.
    add("crossing the near plane", withOccluder(), {0, 20, -45}, {1, 1, 55}, false, false, false);
    HandScene screened = withOccluder();
    screened.addBox({20, 20, -100}, {5, 5, 1}, false);
    add("behind a nearer occludee", screened, {30, 30, -150}, {3, 3, 3}, false, false, false);
    return cases;
}

// Catches, per method: the wrong side of the depth comparison or the box's farthest depth for its nearest (behind, straddling), a wrong
// read-back format or no pyramid (wrong answers everywhere), a coarse level or a texel test that
// lets a covered texel speak for an open one (gap at 640), crossesNear ignored (near plane, around the camera), face culling left on (around the camera), depth writes left
// on for the queries' occludees (nearer occludee), and the queries disagreeing with the truth.
TEST_F(GlMethods, KnownScenesCullWhatTheOccludersHide) {
    for (const KnownCase& c : knownCases()) {
        SCOPED_TRACE(c.name);
        const CullScene scene = c.hand.scene();
        const CullView view = lookingDownMinusZ();
        EXPECT_EQ(runGpuHiz(scene, view, 640, hiz).culled.back(), c.hiz640);
        EXPECT_EQ(runGpuHiz(scene, view, 160, hiz).culled.back(), c.hiz160);
        const CullOutcome queried = runOcclusionQueries(scene, view, queries);
        EXPECT_EQ(queried.culled.back(), c.query);
        EXPECT_EQ(queried.culled, hiddenByOccluders(occluderOnlyPixels(scene, view, 640)));
    }
}

// Catches previous-frame answering with this pass's queries (no delay) or with stale ones from
// further back, and a first pass that culls without answers.
TEST_F(GlMethods, PreviousFrameQueriesAnswerOneFrameLate) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);  // hidden while the occluder stands
    hand.addBox({40, 30, -150}, {3, 3, 3}, false); // always visible
    const CullScene scene = hand.scene();
    const CullView view = lookingDownMinusZ();
    auto moveOccluder = [&](double dx) {
        for (Geometry::Vector& v : hand.objects[hand.occluders[0]].vertices) v.x += dx;
    };
    EXPECT_EQ(runPreviousFrameQueries(scene, view, queries).culled, (std::vector<bool>{false, false}));
    EXPECT_EQ(runPreviousFrameQueries(scene, view, queries).culled, (std::vector<bool>{true, false}));
    moveOccluder(100.0);
    // Shown without its occluder but culled by the last frame's answer: it pops in a frame late.
    EXPECT_EQ(runPreviousFrameQueries(scene, view, queries).culled, (std::vector<bool>{true, false}));
    EXPECT_EQ(runPreviousFrameQueries(scene, view, queries).culled, (std::vector<bool>{false, false}));
    moveOccluder(-100.0);
    EXPECT_EQ(runOcclusionQueries(scene, view, queries).culled, (std::vector<bool>{true, false}));
}

// Catches pictures that are inverted (near dark), show empty depth as anything but black, or
// caption a level whose side they do not have.
TEST_F(GlMethods, GpuHizPicturesShowTheOccluderBrightOnBlack) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);
    const CullOutcome outcome = runGpuHiz(hand.scene(), lookingDownMinusZ(), 640, hiz, true);
    ASSERT_EQ(outcome.pictures.size(), 2u);
    const BufferPicture& depth = outcome.pictures[0];
    ASSERT_EQ(depth.side, 640);
    EXPECT_EQ(depth.grey[213 * 640 + 320], 255); // the occluder's centre, the nearest depth
    EXPECT_EQ(depth.grey[639 * 640 + 0], 0);     // top-left: nothing drawn
    const BufferPicture& level = outcome.pictures[1];
    const std::string size = std::to_string(level.side) + " x " + std::to_string(level.side);
    EXPECT_NE(level.caption.find(size), std::string::npos) << level.caption;
    EXPECT_EQ(level.grey.size(), static_cast<std::size_t>(level.side * level.side));
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
// store or a matrix changed, GL errors (an unbalanced push or pop shows as one), and a target
// whose set-up spoils the window's later frames (its draw buffer set to GL_NONE did on llvmpipe).
TEST_F(GlMethods, EveryMethodRestoresTheCallersState) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);
    hand.addBox({40, 30, -150}, {3, 3, 3}, false);
    const CullScene scene = hand.scene();
    const CullView view = lookingDownMinusZ();
    const std::vector<std::pair<const char*, std::function<void()>>> methods = {
        {"occluder truth", [&] { occluderOnlyPixels(scene, view, 640); }},
        {"gpu-hiz", [&] { runGpuHiz(scene, view, 160, hiz, true); }},
        {"stop-and-wait queries", [&] { runOcclusionQueries(scene, view, queries); }},
        {"previous-frame queries", [&] { runPreviousFrameQueries(scene, view, queries); }},
    };
    IdScene ids = makeIdScene(hand.objects);
    const std::vector<std::uint32_t> idPixels = renderIdFrame(ids, view.camera, 640).pixels;
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
        EXPECT_EQ(renderIdFrame(ids, view.camera, 640).pixels, idPixels);
    }
}

} // namespace
