#pragma once
// The frame a culling pass serves, drawn through the viewer's own final pass, and the timing of GL
// work. Every GL function here expects the lab's window current, the model-view matrix mode and
// the projection that reshape() set.

#include <GL/gl.h>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// Wall-clock seconds of `work`, with glFinish on both sides.
template <typename Work> double timed(Work&& work) {
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    work();
    glFinish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tested objects not culled (flags in occludeeIndices order), in list order, then `untested`
// (the objects no method decides on): for the grid, whose occluders are the untested objects, what
// cullOccludees leaves in visibleIndices for the same decisions.
std::vector<std::uint32_t> drawListOf(const std::vector<bool>& culled,
                                      const std::vector<std::uint32_t>& untested);

// The viewer's frame preamble (main camera view, clears, lighting, depth test), then its final
// pass (drawVisibleObjects) over `list` from the fake camera.
void drawFrame(const std::vector<std::uint32_t>& list);

// The same preamble, then `draw` over `list` in place of the viewer's final pass.
void drawFrameWith(const std::vector<std::uint32_t>& list,
                   const std::function<void(const std::vector<std::uint32_t>&)>& draw);
