#pragma once
// A scene model (tools/scenes) drawn from GL buffers, for scenes too big for the viewer's
// per-object copies (Scenes::installsLean): every object once in world space in a GpuScene, a box
// hierarchy over the objects' world boxes to find those that may reach into a view, the one-pass
// truth and the frame drawn a mesh at a time. Also the generated city as a scene source, "city:N".
// World space as in SceneModel.h; GL functions need a current context with storage buffers.

#include "BoxHierarchy.h"
#include "ExactTruth.h"
#include "GpuScene.h"
#include "InstancedScene.h"
#include "SceneModel.h"

#include <cstdint>
#include <string>
#include <vector>

// The city of City.h as a scene model: its buildings occlude and are tested, every small object is
// tested; its viewpoints the walk and then the views from above the roofs, its near plane 0.25 m.
// False with a one-line reason for an argument parseCityRef refuses.
bool buildCityModel(const std::string& argument, Scenes::SceneModel& scene, std::string& error);

// The same from a city already generated: its objects in the city's order.
struct City;
Scenes::SceneModel cityModel(const City& city);

// Adds "city" to the scene sources (once; later calls do nothing).
void registerCitySource();

// The model with its meshes shared: an object placed by a scale and an offset alone keeps its
// mesh; any other transform gets a mesh of its own in world space. Occluders: the occluding objects.
InstancedScene instancedFromModel(const Scenes::SceneModel& scene);

// Every object's world box in the hierarchy's form.
std::vector<Box> worldBoxes(const Scenes::SceneModel& scene);

// The same from objects whose first eight vertices are their box corners (Scenes::installScene;
// the viewer's cubes), rounded to float as GL rounds the vertices. An object with fewer vertices
// gets a box spanning all space.
constexpr float maxCornerBox = 1e30f;
std::vector<Box> cornerBoxes(const std::vector<SceneObject>& objects);

struct ModelGpu {
    GpuScene gpu;
    TruthTarget target, coarseTarget; // one per side, so that neither is made anew each time
    std::vector<Box> boxes;
    BoxHierarchy hierarchy;
    std::vector<std::uint32_t> inView; // scratch of the last truth
    std::vector<std::uint32_t> sorted; // scratch of drawModel
};

// Builds the programs and uploads the scene; false with the reason when the GL lacks what it needs.
bool prepareModelGpu(const Scenes::SceneModel& scene, ModelGpu& model, std::string& error);
void releaseModelGpu(ModelGpu& model);

// Both truths of the view at side x side, drawing only the objects that may reach into it; stages
// timed as takeExactTruth's `timeStages` says.
ExactTruth modelTruth(ModelGpu& model, const CullView& view, int side, bool timeStages = true);

// The listed objects (any order) with `pass`, through the current matrices and depth state.
void drawModel(ModelGpu& model, GpuPass pass, const std::vector<std::uint32_t>& list);
