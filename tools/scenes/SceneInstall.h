#pragma once
// The scene model as the viewer's own scene lists (scene/Scene.h), which the viewer's culling pass
// and the lab's methods read: one world-space SceneObject per object. The first eight vertices of
// each are the corners of the object's world box, which the faces never use: every method that
// takes "the first eight vertices" as an object's box so gets the box of any mesh. Occluders are
// red and the rest blue, as in the viewer.
//
// Above leanObjectCount objects the copy is lean: an object that does not occlude keeps only its
// eight box corners, without faces or name (about 400 bytes instead of one to two kilobytes each),
// so a million objects fit in memory. Every method that tests boxes or draws the occluders works
// on it unchanged; whatever draws the other objects must draw them from the scene model instead
// (see tools/scale/ModelScene.h).

#include "SceneModel.h"

#include <cstdint>
#include <vector>

namespace Scenes {

constexpr std::size_t leanObjectCount = 50000;

bool installsLean(const SceneModel& scene);

// Replaces sceneObjects, occluderIndices (the occluding objects) and occludeeIndices (the tested
// ones; both ascending, and they may share objects). Returns the objects drawn whatever a method
// decides: those that are not tested, ascending.
std::vector<std::uint32_t> installScene(const SceneModel& scene);

} // namespace Scenes
