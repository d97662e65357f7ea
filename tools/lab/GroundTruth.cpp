#include "GroundTruth.h"

#include "culling/OcclusionMap.h"
#include "mesh/DrawMesh.h"

#include <GL/gl.h>

IdScene makeIdScene(const std::vector<SceneObject>& objects) {
    IdScene scene;
    scene.objects = objects;
    for (std::size_t i = 0; i < scene.objects.size(); ++i)
        scene.objects[i].setColor(idColour(static_cast<std::uint32_t>(i)));
    return scene;
}

IdCoverage renderIdFrame(IdScene& scene, const OrbitCamera& camera, int side) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadCameraView(camera);
    glViewport(0, 0, side, side);
    // Flat, exact colours: anything that blends or shades would turn IDs into other IDs.
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_DITHER);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE); // visibility is geometric; the winding of the mesh does not matter
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const SceneObject& object : scene.objects) drawMesh(object.faces, object.vertices);

    scene.frame.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side) * 3, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, scene.frame.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPopMatrix();
    glPopAttrib();
    return countIdPixels(scene.frame, scene.objects.size());
}

std::vector<bool> visibleFlags(const IdCoverage& coverage, const std::vector<std::uint32_t>& indices) {
    std::vector<bool> flags;
    flags.reserve(indices.size());
    for (std::uint32_t index : indices)
        flags.push_back(index < coverage.pixels.size() && coverage.pixels[index] > 0);
    return flags;
}
