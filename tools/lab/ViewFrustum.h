#pragma once
// What frustum culling leaves out, before any occlusion culling: plain arithmetic on the boxes the
// methods use (an object's first eight vertices), through the view's camera and frustum.

#include "methods/CullMethod.h"

#include <vector>

// Per tested object (CullScene::occludees order): its box lies wholly beyond one plane of the
// view's frustum.
std::vector<bool> outsideView(const CullScene& scene, const CullView& view);
