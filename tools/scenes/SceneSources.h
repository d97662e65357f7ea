#pragma once
// Where a scene comes from. A scene name is "grid" (the viewer's 1000 cubes), "NAME:ARGUMENT" for a
// generated source registered under NAME, or else the path of a scene file. Every failure comes
// back as one line naming the scene (and the file) in `error`; nothing is thrown.

#include "SceneModel.h"
#include "SceneRef.h"

#include <optional>
#include <string>
#include <vector>

namespace Scenes {

// The generated sources, "grid" first.
std::vector<SceneSource>& sceneSources();

// parseSceneRef over sceneSources().
std::optional<SceneRef> parseSceneRef(const std::string& text, std::string& error);

// Builds the named scene; false with a one-line reason.
bool loadScene(const SceneRef& ref, const LoadSettings& settings, SceneModel& scene, std::string& error);

// The grid of scene/Scene.h, built by the viewer's own code from `meshPath`: one shared mesh, 1000
// translated copies, the wall cubes occluding and untested, the others tested. Leaves the viewer's
// scene lists empty.
bool buildGridScene(const std::string& meshPath, SceneModel& scene, std::string& error);

} // namespace Scenes
