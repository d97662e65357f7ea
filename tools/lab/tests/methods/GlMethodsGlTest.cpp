// The GL methods (occluder-only truth, gpu-hiz, occlusion queries, hom-conservative) on hand-made
// box scenes with known answers, rendered for real, hom-conservative's map against cpu-depth's
// coverage on the real scene, and the GL state every GL method leaves. Needs an X server (label gl).
#include "GroundTruth.h"
#include "HandScene.h"
#include "LabWindow.h"
#include "app/Viewer.h"
#include "methods/CpuDepth.h"
#include "methods/GpuHiz.h"
#include "methods/HomConservative.h"
#include "methods/OccluderTruth.h"
#include "methods/OcclusionQuery.h"
#include "scene/Scene.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

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
    HandScene hand;                                     // the last occludee is the one judged
    bool hiz640 = false, hiz160 = false, query = false; // culled?
};

std::vector<KnownCase> knownCases() {
    std::vector<KnownCase> cases;
    auto add = [&](const char* name, HandScene hand, const Geometry::Vector& centre,
                   const Geometry::Vector& half, bool hiz640, bool hiz160, bool query) {
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

// Catches, per method: the wrong side of the depth comparison or the box's farthest depth for its nearest
// (behind, straddling), a wrong read-back format or no pyramid (wrong answers everywhere), a coarse level or
// a texel test that lets a covered texel speak for an open one (gap at 640), crossesNear ignored (near plane,
// around the camera), face culling left on (around the camera), depth writes left on for the queries'
// occludees (nearer occludee), the queries disagreeing with the truth, and the truth's occludees drawn
// without a depth test or with depth writes, or its occluders not drawn.
TEST_F(GlMethods, KnownScenesCullWhatTheOccludersHide) {
    const std::vector<KnownCase> cases = knownCases();
    for (const KnownCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CullScene scene = c.hand.scene();
        const CullView view = lookingDownMinusZ();
        const CullOutcome hiz640 = runGpuHiz(scene, view, 640, hiz, &c == &cases.front());
        EXPECT_EQ(hiz640.culled.back(), c.hiz640);
        if (&c == &cases.front()) { // pictures: the occluder bright on black, captions the level's side
            ASSERT_EQ(hiz640.pictures.size(), 2u);
            // The occluder's centre at the nearest depth; top-left, nothing drawn.
            EXPECT_EQ(hiz640.pictures[0].grey[213 * 640 + 320], 255);
            EXPECT_EQ(hiz640.pictures[0].grey[639 * 640 + 0], 0);
            const BufferPicture& level = hiz640.pictures[1];
            EXPECT_NE(level.caption.find(std::to_string(level.side) + " x " + std::to_string(level.side)),
                      std::string::npos)
                << level.caption;
            EXPECT_EQ(level.grey.size(), static_cast<std::size_t>(level.side * level.side));
        }
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

// Catches a map rendered from another view or size, the overlap test reading fewer texels than
// the rectangle touches, occluders through the near plane left out of the buffer, occludees
// through it culled, and the nearest occluder depth kept instead of the farthest.
TEST_F(GlMethods, HomConservativeHandScenes) {
    const struct {
        const char* name;
        int threshold;
        bool culled;
    } cases[] = {{"in front", 255, true}, {"beside", 255, false},
                 {"in front", 0, true},   {"beside", 0, false}, // at 0 only the depth buffer decides
                 {"gap", 255, true}, // culled though it shows through the gap: a loss of the 64 x 64 map
                 {"occluder through the near plane", 255, true},
                 {"occludee through the near plane", 255, false},
                 {"deep occluder behind", 255, false}};
    HomConservativeState state;
    for (const auto& c : cases) {
        const HandScene scene = namedScene(c.name);
        const CullOutcome outcome =
            runHomConservative(scene.scene(), lookingDownMinusZ(), c.threshold, state, false);
        ASSERT_EQ(outcome.culled.size(), 1u);
        EXPECT_EQ(outcome.culled[0], c.culled) << c.name << " at threshold " << c.threshold;
        EXPECT_EQ(outcome.passedDeb, c.culled ? 1u : 0u) << c.name;
    }
}

// Catches the processor's rasterizer and the GL map disagreeing on where the occluders are (a
// flipped or shifted picture, pixel corners sampled instead of centres): at 64 x 64 they differ
// only in the odd pixel whose centre lies within a rounding of an edge.
TEST_F(GlMethods, HomConservativeMapLevel0MatchesTheProcessorBufferOnTheRealScene) {
    if (sceneObjects.empty()) buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
    ASSERT_EQ(sceneObjects.size(), 1000u);
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    HomConservativeState hom;
    CpuDepthState cpu;
    for (int angle : {180, 225, 270}) {
        CullView view = lookingDownMinusZ();
        view.camera.target = {0.0, -400.0, 0.0};
        view.camera.eye = {0.0, 500.0, 0.0};
        view.camera.angle = angle;
        updateEye(view.camera);
        runHomConservative(scene, view, 255, hom, false);
        runCpuDepth(scene, view, {64, false, 1}, cpu, true);
        EXPECT_GE(coverageAgreement(cpu.depth, hom.map.levels[0]), 0.999) << "angle " << angle;
    }
}

// The state a caller's frame depends on, as numbers.
std::vector<GLdouble> glSnapshot() {
    const GLenum names[] = {GL_VIEWPORT, GL_DRAW_FRAMEBUFFER_BINDING, GL_READ_FRAMEBUFFER_BINDING,
                            GL_MATRIX_MODE, GL_DEPTH_FUNC, GL_PACK_ALIGNMENT, GL_DEPTH_WRITEMASK,
                            GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_SCISSOR_TEST, GL_COLOR_WRITEMASK,
                            GL_COLOR_CLEAR_VALUE, GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX};
    std::vector<GLdouble> s;
    for (GLenum name : names) {
        GLdouble values[16] = {}; // what a query leaves unwritten stays 0
        glGetDoublev(name, values);
        s.insert(s.end(), values, values + 16);
    }
    return s;
}

// Catches a method leaving its framebuffer bound, or the viewport, a mask, a flag, the clear colour,
// the pixel store or a matrix changed, the window cleared outside hom-conservative's map, GL errors
// (an unbalanced push or pop shows as one), and a target whose set-up spoils the window's later
// frames (its draw buffer set to GL_NONE did on llvmpipe).
TEST_F(GlMethods, EveryMethodRestoresTheCallersState) {
    HandScene hand = withOccluder();
    hand.addBox({0, 30, -150}, {3, 3, 3}, false);
    hand.addBox({40, 30, -150}, {3, 3, 3}, false);
    const CullScene scene = hand.scene();
    const CullView view = lookingDownMinusZ();
    HomConservativeState hom;
    const std::vector<std::pair<const char*, std::function<void()>>> methods = {
        {"occluder truth", [&] { occluderOnlyPixels(scene, view, 640); }},
        {"gpu-hiz", [&] { runGpuHiz(scene, view, 160, hiz, true); }},
        {"stop-and-wait queries", [&] { runOcclusionQueries(scene, view, queries); }},
        {"previous-frame queries", [&] { runPreviousFrameQueries(scene, view, queries); }},
        {"hom-conservative", [&] { runHomConservative(scene, view, 255, hom, true); }},
    };
    IdScene ids = makeIdScene(hand.objects);
    const std::vector<std::uint32_t> idPixels = renderIdFrame(ids, view.camera, 640).pixels;
    for (const auto& [name, run] : methods) {
        SCOPED_TRACE(name);
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glViewport(3, 4, 100, 200);
        glDepthMask(GL_FALSE);
        glDepthFunc(GL_GEQUAL);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glPixelStorei(GL_PACK_ALIGNMENT, 8);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glScaled(2.0, 3.0, 4.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glTranslated(5.0, 6.0, 7.0);
        while (glGetError() != GL_NO_ERROR) {
        }
        const std::vector<GLdouble> before = glSnapshot();
        run();
        run(); // a second pass reuses what the first made
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_EQ(glSnapshot(), before);
        std::uint8_t pixel[3] = {0, 0, 0};
        glReadPixels(100, 100, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
        EXPECT_EQ(pixel[2], 255);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopClientAttrib();
        glPopAttrib();
        EXPECT_EQ(renderIdFrame(ids, view.camera, 640).pixels, idPixels);
    }
}

} // namespace
