#include "ExactTruth.h"

#include "methods/ClipTransform.h"
#include "methods/GlDepthPass.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

void ensureTarget(TruthTarget& target, int side) {
    if (target.framebuffer != 0 && target.side == side) return;
    GLint draw = 0, read = 0, renderbuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &renderbuffer);
    // Depths that tie at one precision may not at another: the ID frame keeps the window's.
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    GLint windowDepthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &windowDepthBits);
    const GLenum idDepthFormat = windowDepthBits >= 32   ? GL_DEPTH_COMPONENT32
                                 : windowDepthBits == 16 ? GL_DEPTH_COMPONENT16
                                                         : GL_DEPTH_COMPONENT24;
    if (target.framebuffer == 0) {
        glGenFramebuffers(1, &target.framebuffer);
        glGenRenderbuffers(1, &target.colour);
        glGenRenderbuffers(1, &target.depth);
        glGenRenderbuffers(1, &target.idDepth);
    }
    glBindRenderbuffer(GL_RENDERBUFFER, target.idDepth);
    glRenderbufferStorage(GL_RENDERBUFFER, idDepthFormat, side, side);
    glBindRenderbuffer(GL_RENDERBUFFER, target.colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, side, side);
    glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, side, side);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, target.colour);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
    assert(glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read));
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(renderbuffer));
    target.side = side;
}

void countIds(const std::vector<std::uint8_t>& rgba, std::size_t objects, IdCoverage& coverage) {
    coverage.pixels.assign(objects, 0);
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const std::uint32_t code = idOfPixel(rgba[i], rgba[i + 1], rgba[i + 2]);
        if (code == 0) continue;
        if (code <= objects)
            ++coverage.pixels[code - 1];
        else
            ++coverage.unknownPixels;
    }
}

// Whether the object's back faces may be left out of every pass: its mesh is closed and turned
// outwards, the eye is outside its box and no clipping cuts it, so wherever a back face covers a
// sample a front face of it covers the sample too, nearer but for rounding. And no other object's
// box comes within 16 steps of the 24-bit depth buffer of its box (at its farthest corner, along
// the most slanted ray), so that no other surface can lie between the two.
bool backFacesIdle(const GpuScene& gpu, const TruthBoxes& boxes, const CullView& view,
                   const Geometry::Matrix& clip, std::uint32_t object) {
    if (!gpu.closed[object]) return false;
    double farthest = 0.0;
    if (!boxWellInView(clip, (*boxes.boxes)[object], farthest)) return false;
    const Frustum& f = view.frustum;
    const double n = f.nearPlane, steps = 16.0, depthSteps = 16777216.0;
    const double spread = std::max(std::fabs(f.left), std::fabs(f.right)) / n,
                 rise = std::max(std::fabs(f.bottom), std::fabs(f.top)) / n;
    const double cosine = 1.0 / std::sqrt(1.0 + spread * spread + rise * rise);
    // Window depth changes by n (1 / z0 - 1 / z1) at least between eye depths z0 < z1.
    const double room = n * depthSteps - steps * farthest;
    if (!(room > 0.0)) return false;
    const double margin = steps * farthest * farthest / room / cosine;
    return boxIsolated(*boxes.hierarchy, *boxes.boxes, object, margin);
}

} // namespace

void releaseTruthTarget(TruthTarget& target) {
    if (target.framebuffer != 0) {
        glDeleteFramebuffers(1, &target.framebuffer);
        glDeleteRenderbuffers(1, &target.colour);
        glDeleteRenderbuffers(1, &target.depth);
        glDeleteRenderbuffers(1, &target.idDepth);
    }
    target = TruthTarget{};
}

ExactTruth takeExactTruth(GpuScene& gpu, TruthTarget& target, const CullView& view, int side,
                          const std::vector<std::uint32_t>* inView, const TruthBoxes* boxes,
                          bool timeStages) {
    // Objects off the view are drawn along rather than splitting a draw: they add no sample and no
    // pixel. Objects in it are not: on a scene of big objects their fragments cost far more.
    constexpr std::uint32_t bridge = 16;
    target.along.assign(gpu.objectCount, inView != nullptr);
    if (inView)
        for (std::uint32_t i : *inView) target.along[i] = false;
    const bool settle = boxes && boxes->hierarchy && boxes->boxes && boxes->boxes->size() == gpu.objectCount;
    const Geometry::Matrix clip = viewProjection(view);
    target.cull.assign(gpu.objectCount, false);
    const auto markCulled = [&](const std::vector<std::uint32_t>& list) {
        if (settle)
            for (std::uint32_t i : list) target.cull[i] = backFacesIdle(gpu, *boxes, view, clip, i);
    };
    const auto drawTested = [&](GpuPass pass, const std::vector<std::uint32_t>* list) {
        if (list)
            drawList(gpu, pass, *list, bridge, &target.along, &target.cull);
        else
            drawAll(gpu, pass, false);
    };
    assert(side > 0);
    ensureTarget(target, side);
    ExactTruth truth;
    GLint draw = 0, read = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
    pushCullView(view);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, side, side);
    for (GLenum cap : {GL_LIGHTING, GL_BLEND, GL_DITHER, GL_FOG, GL_TEXTURE_2D, GL_SCISSOR_TEST,
                       GL_STENCIL_TEST, GL_ALPHA_TEST, GL_POLYGON_OFFSET_FILL, GL_CULL_FACE, GL_MULTISAMPLE})
        glDisable(cap);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDepthRange(0.0, 1.0);
    glEnable(GL_DEPTH_TEST);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);

    GlStageClock clock(timeStages);
    clock.start();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    markCulled(gpu.occluders);
    drawList(gpu, GpuPass::depth, gpu.occluders, 0, nullptr, &target.cull);
    clock.stop(truth.stages, "occluders");

    if (settle) {
        clock.start();
        const std::size_t pixels = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
        target.occluderDepth.resize(pixels);
        glReadPixels(0, 0, side, side, GL_DEPTH_COMPONENT, GL_FLOAT, target.occluderDepth.data());
        // Moved back by the flag pass's pull of four steps of the 24-bit buffer, and as many again
        // for the rounding of interpolated depths: a box is settled only when its nearest corner
        // lies farther still.
        constexpr float margin = 16.0f / 16777216.0f;
        for (float& d : target.occluderDepth) d = std::min(1.0f, d + margin);
        buildMaxPyramid(target.occluderDepth.data(), side, target.pyramid);
        target.boxHidden.assign(gpu.objectCount, false);
        // Reading up to 16 x 16 texels a box settles nearly every box the full depth would.
        constexpr int span = 16;
        cullThroughHierarchy(*boxes->hierarchy, *boxes->boxes, pyramidRectTest(target.pyramid, span), clip,
                             target.boxHidden);
        target.drawn.clear();
        if (inView) {
            for (std::uint32_t i : *inView)
                if (!target.boxHidden[i]) target.drawn.push_back(i);
        } else {
            for (std::uint32_t i = 0; i < gpu.objectCount; ++i)
                if (!target.boxHidden[i]) target.drawn.push_back(i);
        }
        inView = &target.drawn;
        markCulled(target.drawn);
        clock.stop(truth.stages, "box tests");
    }

    // The flag pass over `list`: every object with a sample that passes the occluders' depth.
    const auto drawFlags = [&](const std::vector<std::uint32_t>* list) {
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        clearFlags(gpu);
        glDepthMask(GL_FALSE);
        // Equal depth passes, within four steps of the 24-bit buffer: depths of different triangles in
        // one plane round apart, and an occluder must never hide itself nor a twin.
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(0.0f, -4.0f);
        drawTested(GpuPass::flags, list);
        glDisable(GL_POLYGON_OFFSET_FILL);
        truth.passed = readFlags(gpu);
    };
    // The full scene in ID colours, drawn in object order so that equal depths resolve as in a
    // one-by-one draw.
    const auto drawIds = [&](const std::vector<std::uint32_t>* list) {
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.idDepth);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glDepthMask(GL_TRUE);
        glDepthFunc(GL_LESS);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawTested(GpuPass::ids, list);
    };
    const auto readIds = [&] {
        target.frame.resize(static_cast<std::size_t>(side) * static_cast<std::size_t>(side) * 4);
        glReadBuffer(GL_COLOR_ATTACHMENT0);
        glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, target.frame.data());
        countIds(target.frame, gpu.objectCount, truth.coverage);
    };

    std::vector<std::uint32_t>& unsettled = target.unsettled;
    unsettled.clear();
    if (settle) {
        // The box tests leave mostly objects that pass, so the ID frame comes first: an object with
        // a pixel in it lies nearest of all there, occluders included, so a sample of it passes
        // their depth (within its four steps). Only the objects it does not show need flags.
        clock.start();
        drawIds(inView);
        clock.stop(truth.stages, "ids");
        clock.start();
        readIds();
        clock.stop(truth.stages, "read back");
        clock.start();
        for (std::uint32_t i : *inView)
            if (truth.coverage.pixels[i] == 0) unsettled.push_back(i);
        drawFlags(&unsettled);
        for (std::uint32_t i : *inView)
            if (truth.coverage.pixels[i] > 0) truth.passed[i] = true;
        clock.stop(truth.stages, "flags");
    } else {
        clock.start();
        drawFlags(inView);
        // An object whose every sample lies behind the occluders' depth can show no pixel of the
        // full scene either: there an occluder is nearer at each of its pixels. The ID frame draws
        // only the others, which at street level in a city are a small share.
        for (std::uint32_t i = 0; i < gpu.objectCount; ++i)
            if (truth.passed[i]) unsettled.push_back(i);
        clock.stop(truth.stages, "flags");
        clock.start();
        drawIds(&unsettled);
        clock.stop(truth.stages, "ids");
        clock.start();
        readIds();
        clock.stop(truth.stages, "read back");
    }
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);

    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read));
    popCullView();
    checkGlErrors("takeExactTruth");
    return truth;
}
