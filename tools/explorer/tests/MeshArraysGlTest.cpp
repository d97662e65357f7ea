// The scene drawn from its buffer object against the viewer's immediate-mode drawing of it: the
// same pixels, lit and as unlit filled ghosts over it. Needs an X server.
#include "LabWindow.h"
#include "MeshArrays.h"
#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/OcclusionMap.h"
#include "mesh/DrawMesh.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

constexpr int side = 640;

// One frame as the explorer draws it: the lit picture, then the filled ghosts unlit over it.
template <typename Lit, typename Ghosts>
std::vector<unsigned char> frame(const OrbitCamera& camera, Lit lit, Ghosts ghosts) {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(camera);
    glViewport(0, 0, side, side);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    lit();
    glDisable(GL_LIGHTING);
    ghosts();
    std::vector<unsigned char> pixels(static_cast<std::size_t>(side) * side * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::size_t colours(const std::vector<unsigned char>& pixels) {
    std::set<unsigned> seen;
    for (std::size_t p = 0; p + 2 < pixels.size(); p += 3)
        seen.insert(pixels[p] << 16 | pixels[p + 1] << 8 | pixels[p + 2]);
    return seen.size();
}

// Catches a stride or offset that reads the wrong floats, corners out of drawing order (the back
// faces would show), normals or colours dropped or swapped, the list drawn in another order (ties
// at equal depth resolve differently) or objects skipped or run together wrongly.
TEST(MeshArraysGl, DrawsTheViewersPixels) {
    ASSERT_TRUE(openLabWindow(side));
    reshape(side, side);
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    std::ostringstream errors;
    buildScene(BRISEL_SOURCE_DIR "/data/cube.geo", errors);
    ASSERT_EQ(errors.str(), "");
    MeshArrays arrays;
    ASSERT_TRUE(uploadMeshArrays(sceneObjects, arrays));

    // Lit: every other occludee, the occluders, then a few again backwards (gaps, runs and repeats);
    // ghosts: the other occludees.
    std::vector<std::uint32_t> lit, ghosts;
    for (std::size_t i = 0; i < occludeeIndices.size(); ++i)
        (i % 2 ? ghosts : lit).push_back(occludeeIndices[i]);
    lit.insert(lit.end(), occluderIndices.begin(), occluderIndices.end());
    for (std::size_t i = 0; i < 40 && i < occludeeIndices.size(); ++i)
        lit.push_back(occludeeIndices[occludeeIndices.size() - 1 - i]);
    const Geometry::Vector magenta{1.0, 0.0, 1.0};
    std::vector<SceneObject> painted = sceneObjects;
    for (SceneObject& object : painted) object.setColor(magenta);
    const auto drawEach = [](const std::vector<SceneObject>& objects,
                             const std::vector<std::uint32_t>& list) {
        for (std::uint32_t index : list) drawMesh(objects[index].faces, objects[index].vertices);
    };

    for (int angle : {0, 165, 225}) {
        SCOPED_TRACE(angle);
        resetCameras();
        OrbitCamera camera = fakeCamera;
        camera.angle = angle;
        updateEye(camera);
        const auto viewer = frame(
            camera, [&] { drawEach(sceneObjects, lit); }, [&] { drawEach(painted, ghosts); });
        const auto fromBuffer = frame(
            camera, [&] { drawMeshArrays(arrays, lit); }, [&] { drawMeshArrays(arrays, ghosts, &magenta); });
        EXPECT_GT(colours(viewer), 3u); // a picture, not a blank
        std::size_t differing = 0;
        for (std::size_t p = 0; p < viewer.size(); ++p) differing += viewer[p] != fromBuffer[p];
        EXPECT_EQ(differing, 0u);
    }
    releaseMeshArrays(arrays);
}

} // namespace
