#include "ModelScene.h"

#include "City.h"
#include "SceneSources.h"
#include "methods/ClipTransform.h"

#include <algorithm>
#include <cassert>

namespace {

const char* const cityMeshNames[] = {"box", "car", "tree"};

bool scaleAndOffsetOnly(const Scenes::Transform& t) {
    return t.m[1] == 0 && t.m[2] == 0 && t.m[4] == 0 && t.m[6] == 0 && t.m[8] == 0 && t.m[9] == 0;
}

} // namespace

bool buildCityModel(const std::string& argument, Scenes::SceneModel& scene, std::string& error) {
    const std::optional<std::uint32_t> count = parseCityRef("city:" + argument, error);
    if (!count) return false;
    std::string source = std::move(scene.source); // the caller names the scene before building it
    scene = cityModel(generateCity(*count));
    scene.source = std::move(source);
    return true;
}

Scenes::SceneModel cityModel(const City& city) {
    Scenes::SceneModel scene;
    for (std::size_t m = 0; m < city.scene.meshes.size(); ++m) {
        const SharedMesh& shared = city.scene.meshes[m];
        Scenes::Mesh mesh;
        mesh.name = cityMeshNames[m];
        for (std::size_t i = 0; i + 2 < shared.positions.size(); i += 3)
            mesh.positions.push_back({shared.positions[i], shared.positions[i + 1], shared.positions[i + 2]});
        mesh.indices = shared.indices;
        Scenes::computeBox(mesh);
        scene.meshes.push_back(std::move(mesh));
    }
    scene.objects.reserve(city.scene.objects.size());
    scene.nameText.reserve(city.scene.objects.size() * 5);
    for (std::size_t i = 0; i < city.scene.objects.size(); ++i) {
        const Placement& p = city.scene.objects[i];
        Scenes::Transform world;
        for (int a = 0; a < 3; ++a) {
            world.m[5 * a] = p.scale[static_cast<std::size_t>(a)];
            world.m[4 * a + 3] = p.offset[static_cast<std::size_t>(a)];
        }
        const bool building = i < city.buildings;
        Scenes::addObject(scene, p.mesh, world, building ? Scenes::Occludes | Scenes::Tested : Scenes::Tested,
                          building ? "bldg" : cityMeshNames[p.mesh]);
    }
    for (const Scenes::Viewpoint& view : cityWalk(city)) scene.views.push_back({view.eye, view.direction});
    for (const Scenes::Viewpoint& view : cityRoofViews(city))
        scene.views.push_back({view.eye, view.direction});
    scene.nearPlane = 0.25;
    return scene;
}

void registerCitySource() {
    std::vector<Scenes::SceneSource>& sources = Scenes::sceneSources();
    for (const Scenes::SceneSource& source : sources)
        if (source.name == "city") return;
    sources.push_back({"city", true,
                       [](const std::string& argument, const Scenes::LoadSettings&, Scenes::SceneModel& scene,
                          std::string& error) { return buildCityModel(argument, scene, error); }});
}

InstancedScene instancedFromModel(const Scenes::SceneModel& scene) {
    InstancedScene out;
    for (const Scenes::Mesh& mesh : scene.meshes) {
        SharedMesh shared;
        shared.positions.reserve(3 * mesh.positions.size());
        for (const Scenes::Float3& p : mesh.positions)
            shared.positions.insert(shared.positions.end(), {p.x, p.y, p.z});
        shared.indices = mesh.indices;
        out.meshes.push_back(std::move(shared));
    }
    out.objects.reserve(scene.objects.size());
    for (std::size_t i = 0; i < scene.objects.size(); ++i) {
        const Scenes::SceneModelObject& object = scene.objects[i];
        Placement p;
        if (scaleAndOffsetOnly(object.world)) {
            p.mesh = object.mesh;
            for (int a = 0; a < 3; ++a) {
                p.scale[static_cast<std::size_t>(a)] = object.world.m[5 * a];
                p.offset[static_cast<std::size_t>(a)] = object.world.m[4 * a + 3];
            }
        } else { // its own copy, placed in double and rounded once
            const Scenes::Mesh& mesh = scene.meshes[object.mesh];
            SharedMesh own;
            own.indices = mesh.indices;
            for (const Scenes::Float3& q : mesh.positions) {
                double w[3];
                Scenes::apply(object.world, q, w);
                own.positions.insert(own.positions.end(), {static_cast<float>(w[0]), static_cast<float>(w[1]),
                                                           static_cast<float>(w[2])});
            }
            p.mesh = static_cast<std::uint32_t>(out.meshes.size());
            out.meshes.push_back(std::move(own));
        }
        out.objects.push_back(p);
        if (Scenes::occludes(object)) out.occluders.push_back(static_cast<std::uint32_t>(i));
    }
    return out;
}

std::vector<Box> cornerBoxes(const std::vector<SceneObject>& objects) {
    std::vector<Box> boxes(objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const std::vector<Geometry::Vector>& v = objects[i].vertices;
        Box& box = boxes[i];
        if (v.size() < 8) { // no box to trust: one that is never settled as hidden
            for (int a = 0; a < 3; ++a) box.min[a] = -maxCornerBox, box.max[a] = maxCornerBox;
            continue;
        }
        for (int a = 0; a < 3; ++a) box.min[a] = maxCornerBox, box.max[a] = -maxCornerBox;
        for (std::size_t k = 0; k < 8; ++k) {
            const float p[3] = {static_cast<float>(v[k].x), static_cast<float>(v[k].y),
                                static_cast<float>(v[k].z)};
            for (int a = 0; a < 3; ++a)
                box.min[a] = std::min(box.min[a], p[a]), box.max[a] = std::max(box.max[a], p[a]);
        }
    }
    return boxes;
}

std::vector<Box> worldBoxes(const Scenes::SceneModel& scene) {
    std::vector<Box> boxes(scene.objects.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Scenes::Box& b = scene.objects[i].box;
        boxes[i] = {{b.min.x, b.min.y, b.min.z}, {b.max.x, b.max.y, b.max.z}};
    }
    return boxes;
}

bool prepareModelGpu(const Scenes::SceneModel& scene, ModelGpu& model, std::string& error) {
    if (!buildGpuPrograms(error)) return false;
    uploadGpuScene(instancedFromModel(scene), model.gpu);
    model.boxes = worldBoxes(scene);
    model.hierarchy = buildHierarchy(model.boxes);
    return true;
}

void releaseModelGpu(ModelGpu& model) {
    releaseTruthTarget(model.target);
    releaseTruthTarget(model.coarseTarget);
    releaseGpuScene(model.gpu);
    releaseGpuPrograms();
}

ExactTruth modelTruth(ModelGpu& model, const CullView& view, int side, bool timeStages) {
    frustumCandidates(model.hierarchy, model.boxes, viewProjection(view), model.inView);
    TruthTarget& target =
        model.target.side == 0 || model.target.side == side ? model.target : model.coarseTarget;
    const TruthBoxes boxes{&model.hierarchy, &model.boxes};
    return takeExactTruth(model.gpu, target, view, side, &model.inView, &boxes, timeStages);
}

void drawModel(ModelGpu& model, GpuPass pass, const std::vector<std::uint32_t>& list) {
    const std::vector<std::uint32_t>* ascending = &list;
    if (!std::is_sorted(list.begin(), list.end())) {
        model.sorted.assign(list.begin(), list.end());
        std::sort(model.sorted.begin(), model.sorted.end());
        ascending = &model.sorted;
    }
    drawList(model.gpu, pass, *ascending);
}
