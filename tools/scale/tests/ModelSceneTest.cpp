// The city as a scene source of the lab and the explorer, and a scene model in the GPU's form.
#include "ModelScene.h"
#include "City.h"
#include "SceneSetup.h"

#include <gtest/gtest.h>

namespace {

// Catches a city source missing from the sources, objects placed off their generated boxes (a scale
// or offset on the wrong axis), buildings that do not occlude or small objects that do, and the
// city's own walk and near plane lost to the orbit and the fitted planes.
TEST(CityScene, IsTheGeneratedCityWithItsOwnViewpoints) {
    registerCitySource();
    registerCitySource(); // a second registration changes nothing
    Scenes::SceneChoice choice;
    choice.scene = "city:3000";
    Scenes::SceneSetup setup;
    std::string error;
    ASSERT_TRUE(Scenes::setUpScene(choice, setup, error)) << error;
    const City city = generateCity(3000);
    const Scenes::SceneModel& model = setup.model;
    ASSERT_EQ(model.objects.size(), city.scene.objects.size());
    EXPECT_EQ(model.source, "city:3000");
    for (std::size_t i = 0; i < model.objects.size(); ++i) {
        const Scenes::SceneModelObject& object = model.objects[i];
        ASSERT_EQ(object.mesh, city.scene.objects[i].mesh) << i;
        EXPECT_EQ(object.role, i < city.buildings ? Scenes::Occludes | Scenes::Tested : Scenes::Tested) << i;
        const Box& b = city.boxes[i];
        EXPECT_FLOAT_EQ(object.box.min.x, b.min[0]) << i;
        EXPECT_FLOAT_EQ(object.box.max.y, b.max[1]) << i;
        EXPECT_FLOAT_EQ(object.box.max.z, b.max[2]) << i;
    }
    const std::vector<Scenes::Viewpoint> walk = cityWalk(city);
    ASSERT_EQ(setup.cameras.size(), walk.size() + cityRoofViews(city).size());
    EXPECT_FALSE(setup.orbit);
    EXPECT_FALSE(setup.viewerOrbit);
    EXPECT_EQ(setup.cameras[1].eye.x, walk[1].eye.x);
    EXPECT_EQ(setup.cameras[1].eye.y, 1.7);
    EXPECT_EQ(setup.frustum.nearPlane, 0.25);

    choice.scene = "city:0";
    EXPECT_FALSE(Scenes::setUpScene(choice, setup, error));
    EXPECT_NE(error.find("below 1"), std::string::npos) << error;
}

// Catches a placed object losing its shared mesh, a scale or offset read from the wrong element
// of the transform, a turned object drawn unturned, and occluders lost on the way.
TEST(CityScene, InstancedFormSharesMeshesAndTurnsTheRest) {
    Scenes::SceneModel model;
    Scenes::Mesh mesh;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 2, 0}};
    mesh.indices = {0, 1, 2};
    Scenes::computeBox(mesh);
    model.meshes.push_back(mesh);
    Scenes::Transform placed = Scenes::translation({5, 6, 7});
    placed.m[0] = 2, placed.m[5] = 3, placed.m[10] = 4;
    Scenes::Transform turned; // 90 degrees about z: x to y, y to -x
    turned.m[0] = 0, turned.m[1] = -1, turned.m[4] = 1, turned.m[5] = 0, turned.m[3] = 10;
    Scenes::addObject(model, 0, placed, Scenes::Tested, "a");
    Scenes::addObject(model, 0, turned, Scenes::Occludes | Scenes::Tested, "b");
    const InstancedScene scene = instancedFromModel(model);
    ASSERT_TRUE(isWellFormed(scene));
    ASSERT_EQ(scene.objects.size(), 2u);
    EXPECT_EQ(scene.objects[0].mesh, 0u);
    EXPECT_EQ(scene.objects[0].scale, (std::array<float, 3>{2, 3, 4}));
    EXPECT_EQ(scene.objects[0].offset, (std::array<float, 3>{5, 6, 7}));
    ASSERT_EQ(scene.objects[1].mesh, 1u);
    EXPECT_EQ(scene.meshes[1].positions, (std::vector<float>{10, 0, 0, 10, 1, 0, 8, 0, 0}));
    EXPECT_EQ(scene.objects[1].scale, (std::array<float, 3>{1, 1, 1}));
    EXPECT_EQ(scene.occluders, std::vector<std::uint32_t>{1});
    const std::vector<Box> boxes = worldBoxes(model);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].max[1], model.objects[0].box.max.y);
    EXPECT_EQ(boxes[1].min[0], model.objects[1].box.min.x);
}

// A unit cube, counter-clockwise from outside, its corners given once per face as meshes split
// them for normals (so only welding by position finds the shared edges).
SharedMesh splitCube(float x = 0.0f) {
    const std::uint32_t quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                       {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    SharedMesh mesh;
    for (const auto& quad : quads) {
        const auto base = static_cast<std::uint32_t>(mesh.positions.size() / 3);
        for (std::uint32_t corner : quad)
            mesh.positions.insert(mesh.positions.end(),
                                  {x + static_cast<float>(corner & 1), static_cast<float>((corner >> 1) & 1),
                                   static_cast<float>((corner >> 2) & 1)});
        mesh.indices.insert(mesh.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    }
    return mesh;
}

SharedMesh joined(SharedMesh a, const SharedMesh& b) {
    const auto base = static_cast<std::uint32_t>(a.positions.size() / 3);
    a.positions.insert(a.positions.end(), b.positions.begin(), b.positions.end());
    for (std::uint32_t index : b.indices) a.indices.push_back(base + index);
    return a;
}

SharedMesh flipped(SharedMesh mesh) {
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3)
        std::swap(mesh.indices[t + 1], mesh.indices[t + 2]);
    return mesh;
}

// Only a mesh that passes may lose its back faces in the truth, so each case is a way to cull
// faces that show: an open mesh, one turned inside out (wholly or one piece of two, which the total
// volume hides), a flipped triangle, a degenerate one, or split corners that are never welded.
TEST(ClosedMesh, OnlyClosedOutwardMeshesPass) {
    SharedMesh open = splitCube();
    open.indices.resize(open.indices.size() - 3);
    SharedMesh oneFlipped = splitCube();
    std::swap(oneFlipped.indices[1], oneFlipped.indices[2]);
    SharedMesh degenerate = splitCube();
    degenerate.indices.insert(degenerate.indices.end(), {0, 0, 1});
    SharedMesh bigAndInverted = splitCube();
    for (float& p : bigAndInverted.positions) p *= 3.0f;
    bigAndInverted = joined(bigAndInverted, flipped(splitCube(10.0f)));
    const struct {
        const char* fault;
        SharedMesh mesh;
        bool closed;
    } cases[] = {
        {"split corners not welded", splitCube(), true},
        {"two separate cubes", joined(splitCube(), splitCube(5.0f)), true},
        {"an open edge", open, false},
        {"inside out", flipped(splitCube()), false},
        {"one piece inside out", bigAndInverted, false},
        {"one triangle flipped", oneFlipped, false},
        {"a degenerate triangle", degenerate, false},
        {"no triangles", SharedMesh{}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isClosedOutward(c.mesh), c.closed) << c.fault;
}

} // namespace
