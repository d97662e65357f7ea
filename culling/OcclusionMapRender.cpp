// GL side of the occlusion map: camera view loading, the occluder render and its read-back.
#include "app/Cameras.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "geometry/Transforms.h"
#include "mesh/DrawMesh.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <cassert>

void loadCameraView(const OrbitCamera& camera) {
    const Geometry::Matrix view =
        Geometry::transpose(Geometry::lookAt(camera.eye, camera.target, {0.0, 1.0, 0.0}));
    glLoadMatrixd(view.m.data());
}

void buildOcclusionMap() {
    assert(occlusionMap.levelCount == occlusionMapLevels && "occlusion map not allocated");
    loadCameraView(fakeCamera);
    glViewport(0, 0, occlusionMapSide, occlusionMapSide);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    for (std::uint32_t index : occluderIndices) {
        const SceneObject& occluder = sceneObjects[index];
        drawMesh(occluder.faces, occluder.vertices);
    }
    // Rows of 64 bytes satisfy the default pack alignment of 4.
    glReadPixels(0, 0, occlusionMapSide, occlusionMapSide, GL_RED, GL_UNSIGNED_BYTE,
                 occlusionMap.levels[0].data());
    clearOutsideMapWindow(occlusionMap);
    buildPyramid(occlusionMap);
    frameStats.passedHom = 0;
}
