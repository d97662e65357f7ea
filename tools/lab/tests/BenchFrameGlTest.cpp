// The micro-benchmarks build their frame on the processor; this checks it against the frame the
// viewer's own GL passes produce for the real scene. Needs an X server (label gl).
#include "BenchFrame.h"
#include "LabWindow.h"
#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

namespace {

class BenchFrameGl : public ::testing::TestWithParam<int> {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openLabWindow(640));
        if (sceneObjects.empty()) buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", std::cerr);
        allocateOcclusionMap();
        reshape(640, 640);
        glMatrixMode(GL_MODELVIEW);
    }

    void SetUp() override {
        resetCameras();
        fakeCamera.angle = GetParam();
        updateEye(fakeCamera);
    }
};

TEST_P(BenchFrameGl, TransformsMatchWhatGlReadsBack) {
    loadCameraView(fakeCamera);
    glViewport(0, 0, 64, 64);
    const ViewTransforms gl = readViewTransforms();
    const ViewTransforms cpu = cpuViewTransforms(fakeCamera, 64);
    for (int i = 0; i < 16; ++i) {
        // GL keeps its matrices in single precision.
        EXPECT_NEAR(cpu.modelview[i], gl.modelview[i], 1e-6 * (1.0 + std::abs(gl.modelview[i]))) << i;
        EXPECT_NEAR(cpu.projection[i], gl.projection[i], 1e-6 * (1.0 + std::abs(gl.projection[i]))) << i;
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(cpu.viewport[i], gl.viewport[i]);
}

TEST_P(BenchFrameGl, SilhouettesMatchTheRenderedLevelZero) {
    glEnable(GL_CULL_FACE); // the viewer's steady state
    buildOcclusionMap();
    const std::vector<std::uint8_t>& rendered = occlusionMap.levels[0];
    const std::vector<std::uint8_t> computed =
        silhouetteLevel0(sceneObjects, occluderIndices, cpuViewTransforms(fakeCamera, 64));
    int covered = 0, differing = 0;
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        covered += rendered[i] == 255 ? 1 : 0;
        differing += rendered[i] != computed[i] ? 1 : 0;
    }
    EXPECT_GT(covered, 500);
    // Only pixel centres lying on a silhouette edge may fall either way.
    EXPECT_LE(differing, 8) << "of " << covered << " covered texels";
}

INSTANTIATE_TEST_SUITE_P(FakeCameraAngles, BenchFrameGl, ::testing::Values(0, 180, 225, 300));

} // namespace
