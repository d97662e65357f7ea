#include "methods/GlDepthPass.h"

#include "culling/OcclusionMap.h"
#include "mesh/DrawMesh.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cassert>
#include <cstdio>

void ensureDepthTarget(DepthTarget& target, int side) {
    assert(side > 0);
    if (target.framebuffer != 0 && target.side == side) return;
    GLint drawBinding = 0, readBinding = 0, renderbufferBinding = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawBinding);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readBinding);
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &renderbufferBinding);
    if (target.framebuffer == 0) {
        glGenFramebuffers(1, &target.framebuffer);
        glGenRenderbuffers(1, &target.depth);
    }
    glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, side, side);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
    // No colour attachment, and the draw and read buffers left at their defaults: with them set
    // to GL_NONE, llvmpipe drew the window's next frames in wrong colours. The passes mask colour
    // writes off, and the depth read-back needs no read buffer.
    assert(glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawBinding));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readBinding));
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(renderbufferBinding));
    target.side = side;
    checkGlErrors("ensureDepthTarget");
}

void releaseDepthTarget(DepthTarget& target) {
    if (target.framebuffer != 0) {
        glDeleteFramebuffers(1, &target.framebuffer);
        glDeleteRenderbuffers(1, &target.depth);
    }
    target = DepthTarget{};
}

void pushCullView(const CullView& view) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const Frustum& f = view.frustum;
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadCameraView(view.camera);
}

void popCullView() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

DepthPassScope::DepthPassScope(const DepthTarget& target, const CullView& view) {
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer_);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer_);
    pushCullView(view);

    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, target.side, target.side);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_SCISSOR_TEST); // it would clip the clear and the draws
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_CULL_FACE); // visibility is geometric; the winding of the mesh does not matter
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glDepthRange(0.0, 1.0);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
}

DepthPassScope::~DepthPassScope() {
    // The bindings first: the attribute restore below must meet the caller's framebuffer.
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer_));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer_));
    popCullView();
    checkGlErrors("DepthPassScope");
}

void drawOccluderDepth(const CullScene& scene) {
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    for (std::uint32_t index : *scene.occluders) drawObject(scene, index);
}

void drawObject(const CullScene& scene, std::uint32_t index) {
    const SceneObject& object = (*scene.objects)[index];
    drawMesh(object.faces, object.vertices);
}

void checkGlErrors([[maybe_unused]] const char* where) {
#ifndef NDEBUG
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) std::fprintf(stderr, "GL error 0x%x in %s\n", error, where);
    assert(error == GL_NO_ERROR);
#endif
}

void GlStageClock::start() {
    if (!synchronise_) return;
    glFinish();
    begin_ = std::chrono::steady_clock::now();
}

void GlStageClock::stop(std::vector<StageCost>& stages, const char* name) {
    if (!synchronise_) return;
    glFinish();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin_).count();
    stages.push_back({name, seconds});
}

void depthPicture(const float* depth, int side, std::string caption, BufferPicture& picture) {
    const std::size_t count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
    float nearest = 1.0f, farthest = 0.0f;
    for (std::size_t i = 0; i < count; ++i)
        if (depth[i] < 1.0f) {
            nearest = std::min(nearest, depth[i]);
            farthest = std::max(farthest, depth[i]);
        }
    const float span = farthest > nearest ? farthest - nearest : 1.0f;
    picture.caption = std::move(caption);
    picture.side = side;
    picture.grey.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        picture.grey[i] = depth[i] < 1.0f
                              ? static_cast<std::uint8_t>(255.0f - 191.0f * (depth[i] - nearest) / span)
                              : std::uint8_t{0};
}
