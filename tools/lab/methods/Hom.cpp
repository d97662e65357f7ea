#include "methods/Hom.h"

#include "app/Cameras.h"
#include "culling/CullingPipeline.h"
#include "culling/DepthEstimationBuffer.h"
#include "culling/FrameStats.h"
#include "culling/OcclusionMap.h"
#include "methods/GlDepthPass.h"
#include "scene/Scene.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// The depth estimation buffer as grey: nearest recorded depth white, farthest dark grey, linear in
// eye distance (window depth crowds near 1), empty cells black.
BufferPicture depthBufferPicture(const Frustum& f) {
    const auto distance = [&](double depth) {
        return f.nearPlane * f.farPlane / (f.farPlane - depth * (f.farPlane - f.nearPlane));
    };
    double nearest = f.farPlane, farthest = f.nearPlane;
    for (double depth : depthEstimationBuffer.cells)
        if (depth < 1.0) {
            nearest = std::min(nearest, distance(depth));
            farthest = std::max(farthest, distance(depth));
        }
    BufferPicture picture{"depth estimation buffer, 32 x 32", depthBufferSide, {}};
    for (double depth : depthEstimationBuffer.cells) {
        const double t = farthest > nearest ? (distance(depth) - nearest) / (farthest - nearest) : 0.0;
        picture.grey.push_back(depth < 1.0 ? static_cast<std::uint8_t>(std::lround(255.0 - 191.0 * std::clamp(t, 0.0, 1.0)))
                                           : std::uint8_t{0});
    }
    return picture;
}

} // namespace

CullOutcome runHom(const CullScene& scene, const CullView& view, int threshold, bool pictures) {
    assert(scene.objects == &sceneObjects && "the viewer's pass reads the viewer's own scene");
    (void)scene;
    fakeCamera = view.camera;
    opacityThreshold = static_cast<std::uint8_t>(std::clamp(threshold, 0, 255));

    CullOutcome out;
    GlStageClock clock;
    clock.start();
    buildOcclusionMap();
    clock.stop(out.stages, "map");
    clock.start();
    buildDepthEstimationBuffer();
    clock.stop(out.stages, "buffer");
    clock.start();
    cullOccludees();
    clock.stop(out.stages, "tests");

    // visibleIndices holds the surviving occludees in list order, then the occluders, which may be
    // occludees too: only the survivors are matched.
    out.culled.assign(occludeeIndices.size(), true);
    const std::size_t survivors = visibleIndices.size() - occluderIndices.size();
    std::size_t next = 0;
    for (std::size_t i = 0; i < occludeeIndices.size() && next < survivors; ++i)
        if (visibleIndices[next] == occludeeIndices[i]) {
            out.culled[i] = false;
            ++next;
        }
    out.passedHom = frameStats.passedHom;
    out.passedDeb = frameStats.passedDeb;
    if (pictures) {
        for (unsigned level = 0; level < occlusionMap.levelCount; ++level) {
            const int side = static_cast<int>(levelSide(level));
            out.pictures.push_back({"map level " + std::to_string(level) + ", " + std::to_string(side) + " x " +
                                        std::to_string(side),
                                    side, occlusionMap.levels[level]});
        }
        out.pictures.push_back(depthBufferPicture(view.frustum));
    }
    return out;
}
