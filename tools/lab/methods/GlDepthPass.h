#pragma once
// Off-screen depth rendering shared by the GL methods: a framebuffer object with only a depth
// attachment, and a scope that saves the GL state a pass changes and gives it back on exit, so a
// method can run in the middle of someone else's frame.

#include "methods/CullMethod.h"

#include <chrono>
#include <string>
#include <vector>

struct DepthTarget {
    unsigned framebuffer = 0;
    unsigned depth = 0; // a 24-bit depth renderbuffer
    int side = 0;
};

// Creates the target, or resizes it to side x side; does nothing when it already has that side.
void ensureDepthTarget(DepthTarget& target, int side);
void releaseDepthTarget(DepthTarget& target);

// Saves every attribute, the pixel store and both matrices, then loads the view's frustum and
// camera (leaving the model-view mode); popCullView restores them all, the matrix mode included.
void pushCullView(const CullView& view);
void popCullView();

// While alive: the target bound for drawing and reading, its viewport, the frustum as projection,
// the camera as model-view, depth test GL_LESS with depth writes, no colour writes, no face
// culling, no lighting, blending, scissor, stencil or fog. The destructor restores the framebuffer
// bindings, every attribute, the pixel store, both matrices and the matrix mode.
class DepthPassScope {
  public:
    DepthPassScope(const DepthTarget& target, const CullView& view);
    ~DepthPassScope();
    DepthPassScope(const DepthPassScope&) = delete;
    DepthPassScope& operator=(const DepthPassScope&) = delete;

  private:
    int drawFramebuffer_ = 0;
    int readFramebuffer_ = 0;
};

// Clears the bound depth buffer to far and draws every occluder into it.
void drawOccluderDepth(const CullScene& scene);

// The objects' own triangles; for the scene's boxes this is the box.
void drawObject(const CullScene& scene, std::uint32_t index);

// Debug builds: asserts that GL reported no error since the last check, naming `where`.
void checkGlErrors(const char* where);

// Wall-clock timing of one stage, with glFinish on both sides so that GL work lands in its stage.
// Not synchronising, it records nothing and waits for nothing: the GL then overlaps the stages.
class GlStageClock {
  public:
    explicit GlStageClock(bool synchronise = true) : synchronise_(synchronise) {}
    void start();
    void stop(std::vector<StageCost>& stages, const char* name);

  private:
    bool synchronise_;
    std::chrono::steady_clock::time_point begin_;
};

// A grey picture of window depths: brighter is nearer, black is empty (depth 1). The grey spans
// the depths present, as the scene's all crowd near 1.
void depthPicture(const float* depth, int side, std::string caption, BufferPicture& picture);
