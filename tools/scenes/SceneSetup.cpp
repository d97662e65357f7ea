#include "SceneSetup.h"

#include "SceneFile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Scenes {

const char* const sceneOptionsUsage =
    "  --scene SCENE   grid (the viewer's 1000 cubes, default) or a scene file assimp reads (.obj, .gltf, "
    ".glb, ...)\n"
    "  --views FILE   viewpoints, one per line: x y z dx dy dz (eye, view direction; up is +y); '#' "
    "comments\n"
    "                 (default: 72 around the scene's box, looking down at 45 degrees)\n"
    "  --fov DEG      vertical field of view (default 90; the grid alone keeps the viewer's projection)\n"
    "  --near D, --far D  clipping planes (default: fitted to the scene and the viewpoints)\n";

namespace {

bool positiveNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value) && value > 0.0;
}

} // namespace

bool takeSceneOption(const std::vector<std::string>& args, std::size_t& i, SceneChoice& choice,
                     std::string& error) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : std::string();
    double number = 0.0;
    if (arg == "--scene" || arg == "--views") {
        if (value.empty()) {
            error = arg + " needs " + (arg == "--scene" ? "grid or a file path" : "a file path");
            return true;
        }
        (arg == "--scene" ? choice.scene : choice.viewsPath) = value;
    } else if (arg == "--fov") {
        if (!positiveNumber(value, number) || number >= 180.0) {
            error = "--fov needs degrees above 0 and below 180";
            return true;
        }
        choice.fov = number;
    } else if (arg == "--near" || arg == "--far") {
        if (!positiveNumber(value, number)) {
            error = arg + " needs a positive distance";
            return true;
        }
        (arg == "--near" ? choice.nearPlane : choice.farPlane) = number;
    } else {
        return false;
    }
    ++i;
    return true;
}

OrbitCamera cameraOf(const Viewpoint& view) {
    OrbitCamera camera;
    camera.angle = view.angle < 0 ? 0.0 : view.angle;
    camera.eye = view.eye;
    camera.target = {view.eye.x + view.direction.x, view.eye.y + view.direction.y,
                     view.eye.z + view.direction.z};
    return camera;
}

bool setUpScene(const SceneChoice& choice, SceneSetup& setup, std::string& error) {
    setup = SceneSetup{};
    const std::optional<SceneRef> ref = parseSceneRef(choice.scene, error);
    if (!ref || !loadScene(*ref, choice.settings, setup.model, error)) return false;
    if (choice.nearPlane && choice.farPlane && !(*choice.nearPlane < *choice.farPlane)) {
        error = "--near must be less than --far";
        return false;
    }
    const SceneModel& model = setup.model;
    std::size_t occluders = 0, testedCount = 0, named = 0;
    for (const SceneModelObject& object : model.objects) {
        occluders += occludes(object);
        testedCount += tested(object);
        named += occludes(object) && namedOccluder(objectName(model, object));
    }
    char text[512];
    std::snprintf(text, sizeof text,
                  "%s: %zu objects (%zu meshes, %llu triangles drawn), %zu occluders%s, %zu tested",
                  model.source.c_str(), model.objects.size(), model.meshes.size(),
                  static_cast<unsigned long long>(placedTriangles(model)), occluders,
                  model.orbitOfGrid ? "" : (named ? " by name" : " by the size rule"), testedCount);
    setup.description = text;

    setup.viewerOrbit =
        model.orbitOfGrid && choice.viewsPath.empty() && !choice.fov && !choice.nearPlane && !choice.farPlane;
    if (setup.viewerOrbit) {
        setup.frustum = *frustumFor(640, 640);
        setup.description += "; the viewer's orbit and projection";
        return true;
    }
    std::vector<Viewpoint> views;
    if (!choice.viewsPath.empty()) {
        if (!readViewsFile(choice.viewsPath, views, error)) return false;
        setup.orbit = false;
    } else if (!model.views.empty()) {
        for (const SourceView& view : model.views) views.push_back({view.eye, view.direction, -1});
        setup.orbit = false;
    } else {
        views = orbitViews(model.bounds, orbitViewCount);
    }
    std::optional<double> nearPlane = choice.nearPlane;
    if (!nearPlane && model.nearPlane > 0.0) nearPlane = model.nearPlane;
    const Planes planes = fitPlanes(model.bounds, views, nearPlane, choice.farPlane);
    if (!(planes.nearPlane < planes.farPlane)) {
        error = "--near must be less than the far plane (" + std::to_string(planes.farPlane) + ")";
        return false;
    }
    const double fov = choice.fov ? *choice.fov : defaultFov;
    setup.frustum = frustumOf(fov, planes);
    for (const Viewpoint& view : views) setup.cameras.push_back(cameraOf(view));
    std::snprintf(text, sizeof text, "; %zu viewpoints%s, field of view %g degrees, near %g, far %g",
                  views.size(),
                  setup.orbit                ? " orbiting its box"
                  : choice.viewsPath.empty() ? " of its own"
                                             : (" from " + choice.viewsPath).c_str(),
                  fov, planes.nearPlane, planes.farPlane);
    setup.description += text;
    return true;
}

} // namespace Scenes
