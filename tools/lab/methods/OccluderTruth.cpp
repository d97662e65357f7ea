#include "methods/OccluderTruth.h"

#include "methods/GlDepthPass.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

std::vector<std::uint32_t> occluderOnlyPixels(const CullScene& scene, const CullView& view, int side) {
    const std::vector<std::uint32_t>& occludees = *scene.occludees;
    std::vector<GLuint> queries(occludees.size());
    std::vector<std::uint32_t> pixels(occludees.size(), 0);
    if (!queries.empty()) glGenQueries(static_cast<GLsizei>(queries.size()), queries.data());

    DepthTarget target;
    ensureDepthTarget(target, side);
    {
        DepthPassScope pass(target, view);
        drawOccluderDepth(scene);
        glDepthMask(GL_FALSE); // an occludee must not hide the ones after it
        // Equal depth passes, so an occluder that is tested too never hides itself; depths of different
        // triangles round apart at 24 bits, so within four steps counts as equal.
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(0.0f, -4.0f);
        for (std::size_t i = 0; i < occludees.size(); ++i) {
            glBeginQuery(GL_SAMPLES_PASSED, queries[i]);
            drawObject(scene, occludees[i]);
            glEndQuery(GL_SAMPLES_PASSED);
        }
    }
    for (std::size_t i = 0; i < occludees.size(); ++i) {
        GLuint samples = 0;
        glGetQueryObjectuiv(queries[i], GL_QUERY_RESULT, &samples);
        pixels[i] = samples;
    }
    if (!queries.empty()) glDeleteQueries(static_cast<GLsizei>(queries.size()), queries.data());
    releaseDepthTarget(target);
    checkGlErrors("occluderOnlyPixels");
    return pixels;
}

std::vector<bool> hiddenByOccluders(const std::vector<std::uint32_t>& pixels) {
    std::vector<bool> hidden(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) hidden[i] = pixels[i] == 0;
    return hidden;
}
