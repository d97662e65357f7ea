#pragma once
// The scene options the lab and the explorer share, and everything they set up from them: the
// model, the viewpoints and the frustum.
//   --scene SCENE   grid (default) or a scene file (see SceneSources.h)
//   --views FILE   viewpoints, one "x y z dx dy dz" per line (see Viewpoints.h)
//   --fov DEG      vertical field of view, default 90
//   --near D, --far D   the clipping planes, fitted to the scene and the viewpoints by default
// The grid without any of the last four keeps the viewer's own orbit and projection.

#include "SceneModel.h"
#include "SceneSources.h"
#include "Viewpoints.h"
#include "app/Cameras.h"
#include "app/Projection.h"

#include <optional>
#include <string>
#include <vector>

namespace Scenes {

struct SceneChoice {
    std::string scene = "grid";
    std::string viewsPath;
    std::optional<double> fov, nearPlane, farPlane;
    LoadSettings settings;
};

constexpr double defaultFov = 90.0;
constexpr int orbitViewCount = 72; // 5 degrees apart, as the viewer's fake camera turns

// If args[i] is one of the options above, takes it and its value (advancing i) and returns true;
// a bad value sets `error`. Returns false, leaving `error` empty, for any other argument.
bool takeSceneOption(const std::vector<std::string>& args, std::size_t& i, SceneChoice& choice,
                     std::string& error);

extern const char* const sceneOptionsUsage; // lines for a --help text

struct SceneSetup {
    SceneModel model;
    bool viewerOrbit = true;          // the grid's own cameras and projection; cameras below empty
    bool orbit = true;                // the viewpoints lie on an orbit, 5 degrees apart
    std::vector<OrbitCamera> cameras; // one per viewpoint
    Frustum frustum{};
    std::string description; // one line for reports
};

// Loads the scene and the viewpoints and fits the frustum; false with one line naming the file (and
// line) in `error`.
bool setUpScene(const SceneChoice& choice, SceneSetup& setup, std::string& error);

// The camera of a viewpoint: looking from its eye along its direction (angle: the orbit's, or 0).
OrbitCamera cameraOf(const Viewpoint& view);

} // namespace Scenes
