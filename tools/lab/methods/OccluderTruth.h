#pragma once
// Visibility against the occluders alone: what a culler that knows only the occluders could at
// best remove. The occluders' depth is rendered at side x side from the culling camera through the
// view's frustum; each occludee's own faces are then drawn with the depth test (equal depth, within
// four steps of the 24-bit buffer, passing: an occluder that is tested too never hides itself), no
// face culling and no depth writes, and the samples that pass are counted.

#include "methods/CullMethod.h"

#include <cstdint>
#include <vector>

// GL: per occludee (in CullScene::occludees order) the samples of its faces that pass the
// occluders' depth; front and back faces both count, so an unhidden box gives about twice its
// pixels. 0 = hidden by the occluders alone. Renders off-screen; restores every GL attribute,
// both matrices and the framebuffer binding.
std::vector<std::uint32_t> occluderOnlyPixels(const CullScene& scene, const CullView& view, int side);

// Hidden flags of those counts: true where no sample passed.
std::vector<bool> hiddenByOccluders(const std::vector<std::uint32_t>& pixels);
