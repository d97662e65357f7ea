// hom-conservative with a real GL map on hand-made scenes, the map against cpu-depth's coverage on
// the real scene, and the GL state the pass leaves. Needs an X server (label gl).
#include "HandScene.h"
#include "LabWindow.h"
#include "app/Viewer.h"
#include "methods/CpuDepth.h"
#include "methods/HomConservative.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

namespace {

class HomConservativeGl : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openLabWindow(640));
        reshape(640, 640);
        glMatrixMode(GL_MODELVIEW);
    }
};

// Turns an object's vertices about the z axis through `centre`; the winding stays outward.
void turnAboutZ(SceneObject& object, const Geometry::Vector& centre, double degrees) {
    const double a = degrees * 3.141592653589793 / 180.0, c = std::cos(a), s = std::sin(a);
    for (Geometry::Vector& v : object.vertices) {
        const double x = v.x - centre.x, y = v.y - centre.y;
        v.x = centre.x + c * x - s * y;
        v.y = centre.y + s * x + c * y;
    }
}

struct SceneCase {
    const char* name;
    HandScene scene;
    int threshold;
    bool culled;
};

std::vector<SceneCase> sceneCases() {
    std::vector<SceneCase> cases;
    const Geometry::Vector small{2, 2, 2};
    for (int threshold : {255, 0}) {
        SceneCase front{"in front", {}, threshold, true};
        front.scene.addBox({0, 10, -50}, {10, 8, 2}, true);
        front.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(front);
        // At threshold 0 only the depth buffer decides: cells no occluder touched never hide.
        SceneCase beside{"beside", {}, threshold, false};
        beside.scene.addBox({0, 10, -50}, {10, 8, 2}, true);
        beside.scene.addBox({25, 10, -100}, small, false);
        cases.push_back(beside);
    }
    {
        // The gap, 0.4 map pixel wide on a pixel boundary, holds no map pixel centre: culled though
        // the occludee shows through it, a loss of the 64 x 64 resolution.
        SceneCase c{"gap narrower than a map pixel", {}, 255, true};
        const double g = 0.184;
        c.scene.addBox({-10 - g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        c.scene.addBox({10 + g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        c.scene.addBox({0, 10, -150}, {3, 3, 3}, false);
        cases.push_back(c);
    }
    {
        // Its underside reaches behind the eye; recorded everywhere at its farthest corner.
        SceneCase c{"occluder through the near plane", {}, 255, true};
        c.scene.addBox({0, 25.5, -7.5}, {50, 24.5, 12.5}, true);
        c.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        SceneCase c{"occludee through the near plane", {}, 255, false};
        c.scene.addBox({0, 25, -11}, {50, 26, 1}, true);
        c.scene.addBox({0, 2, -97.5}, {1, 1, 102.5}, false);
        cases.push_back(c);
    }
    {
        // The wall behind covers the occludee in the map; a thin diagonal rod in front of it spans
        // every cell under it and hides almost none of it. Its nearest depth would cull.
        SceneCase c{"wall behind, rod in front", {}, 255, false};
        c.scene.addBox({0, 30.5, -150}, {30, 30, 1}, true);
        const std::uint32_t rod = c.scene.addBox({0, 5.15, -50}, {2.0, 0.1, 0.5}, true);
        turnAboutZ(c.scene.objects[rod], {0, 5.15, -50}, 45.0);
        c.scene.addBox({0, 10, -100}, small, false);
        cases.push_back(c);
    }
    {
        // A deep occluder's side face, slanting away behind the occludee, covers it in the map;
        // its nearest corner is in front of the occludee, its farthest behind.
        SceneCase c{"deep occluder behind", {}, 255, false};
        c.scene.addBox({15, 20.5, -130}, {10, 19.5, 70}, true);
        c.scene.addBox({3.33, 10, -100}, {0.5, 0.5, 0.5}, false);
        cases.push_back(c);
    }
    return cases;
}

// Catches a map rendered from another view or size, the overlap test reading fewer texels than
// the rectangle touches, occluders through the near plane left out of the buffer, occludees
// through it culled, and the nearest occluder depth kept instead of the farthest.
TEST_F(HomConservativeGl, HandScenes) {
    HomConservativeState state;
    for (const SceneCase& c : sceneCases()) {
        const CullOutcome outcome =
            runHomConservative(c.scene.scene(), lookingDownMinusZ(), c.threshold, state, false);
        ASSERT_EQ(outcome.culled.size(), 1u);
        EXPECT_EQ(outcome.culled[0], c.culled) << c.name << " at threshold " << c.threshold;
        EXPECT_EQ(outcome.passedDeb, c.culled ? 1u : 0u) << c.name;
    }
}

// Catches the processor's rasterizer and the GL map disagreeing on where the occluders are (a
// flipped or shifted picture, pixel corners sampled instead of centres): at 64 x 64 they differ
// only in the odd pixel whose centre lies within a rounding of an edge.
TEST_F(HomConservativeGl, MapLevel0MatchesTheProcessorBufferOnTheRealScene) {
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
        runCpuDepth(scene, view, 64, cpu, false);
        EXPECT_GE(coverageAgreement(cpu.pyramid.levels[0], hom.map.levels[0]), 0.999) << "angle " << angle;
    }
}

// Catches GL state left changed: matrices, viewport, lighting, depth test, clear colour, and
// pixels cleared outside the map's corner.
TEST_F(HomConservativeGl, LeavesTheGlStateAsItFoundIt) {
    HandScene hand;
    hand.addBox({0, 10, -50}, {10, 8, 2}, true);
    hand.addBox({0, 10, -100}, {2, 2, 2}, false);
    glViewport(0, 0, 640, 640);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(1.0, 2.0, 3.0);
    GLdouble modelview[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);

    HomConservativeState state;
    runHomConservative(hand.scene(), lookingDownMinusZ(), 255, state, true);

    GLdouble modelviewAfter[16], projectionAfter[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelviewAfter);
    glGetDoublev(GL_PROJECTION_MATRIX, projectionAfter);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(modelviewAfter[i], modelview[i]) << i;
        EXPECT_EQ(projectionAfter[i], projection[i]) << i;
    }
    GLint viewport[4], mode = 0;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[2], 1.0f);
    std::uint8_t pixel[3] = {0, 0, 0};
    glReadPixels(100, 100, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[2], 255);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

} // namespace
