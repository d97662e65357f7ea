#include "LabStages.h"

#include "app/Cameras.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/OcclusionMap.h"
#include "scene/Scene.h"

std::vector<std::uint32_t> drawListOf(const std::vector<bool>& culled,
                                      const std::vector<std::uint32_t>& untested) {
    std::vector<std::uint32_t> list;
    list.reserve(sceneObjects.size());
    for (std::size_t i = 0; i < occludeeIndices.size(); ++i)
        if (i >= culled.size() || !culled[i]) list.push_back(occludeeIndices[i]);
    list.insert(list.end(), untested.begin(), untested.end());
    return list;
}

namespace {

// What display() does before cullAndDrawFrame.
void framePreamble() {
    glMatrixMode(GL_MODELVIEW);
    loadCameraView(mainCamera);
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

} // namespace

void drawFrame(const std::vector<std::uint32_t>& list) {
    framePreamble();
    visibleIndices.assign(list.begin(), list.end());
    lockToFakeCamera = true;
    drawVisibleObjects();
}

void drawFrameWith(const std::vector<std::uint32_t>& list,
                   const std::function<void(const std::vector<std::uint32_t>&)>& draw) {
    framePreamble();
    draw(list);
}
