#pragma once
// The scene model as the viewer's own scene lists (scene/Scene.h), which the viewer's culling pass
// and the lab's methods read: one world-space SceneObject per object. The first eight vertices of
// each are the corners of the object's world box, which the faces never use: every method that
// takes "the first eight vertices" as an object's box so gets the box of any mesh. Occluders are
// red and the rest blue, as in the viewer.

#include "SceneModel.h"

#include <cstdint>
#include <vector>

namespace Scenes {

// Replaces sceneObjects, occluderIndices (the occluding objects) and occludeeIndices (the tested
// ones; both ascending, and they may share objects). Returns the objects drawn whatever a method
// decides: those that are not tested, ascending.
std::vector<std::uint32_t> installScene(const SceneModel& scene);

} // namespace Scenes
