// The scene model: scene-name parsing, the grid through the model against the viewer's own scene, and
// the world boxes of placed meshes.
#include "SceneInstall.h"
#include "SceneSources.h"
#include "scene/Scene.h"

#include <gtest/gtest.h>

using namespace Scenes;

namespace {

const std::string cubeMesh = BRISEL_SOURCE_DIR "/data/cube.geo";

TEST(SceneRef, NamesASourceOrAFile) {
    struct Case {
        const char* text;
        bool ok;
        SceneRef::Kind kind;
        const char* nameOrPath;
    };
    const Case cases[] = {
        {"grid", true, SceneRef::Kind::Source, "grid"},
        {"grid:3", false, SceneRef::Kind::Source, ""}, // grid takes no argument
        {"", false, SceneRef::Kind::Source, ""},
        {"room.obj", true, SceneRef::Kind::File, "room.obj"},
        {"gridlike.obj", true, SceneRef::Kind::File, "gridlike.obj"},
        {"dir/with:colon.gltf", true, SceneRef::Kind::File, "dir/with:colon.gltf"},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::optional<SceneRef> ref = parseSceneRef(c.text, error);
        ASSERT_EQ(ref.has_value(), c.ok) << c.text;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << c.text;
            continue;
        }
        EXPECT_EQ(ref->kind, c.kind) << c.text;
        EXPECT_EQ(c.kind == SceneRef::Kind::File ? ref->path : ref->source, c.nameOrPath) << c.text;
    }
}

// Through the model and back into the viewer's lists, the grid is the viewer's scene exactly:
// the same vertices, faces, normals, colours and lists, behind the box corners.
TEST(GridScene, InstallsAsTheViewerBuildsIt) {
    SceneModel model;
    std::string error;
    ASSERT_TRUE(buildGridScene(cubeMesh, model, error)) << error;
    EXPECT_EQ(model.meshes.size(), 1u);
    ASSERT_EQ(model.objects.size(), 1000u);

    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    buildScene(cubeMesh, std::cerr);
    const std::vector<SceneObject> viewer = sceneObjects;
    const std::vector<std::uint32_t> viewerOccluders = occluderIndices, viewerOccludees = occludeeIndices;

    const std::vector<std::uint32_t> untested = installScene(model);
    EXPECT_EQ(occluderIndices, viewerOccluders);
    EXPECT_EQ(occludeeIndices, viewerOccludees);
    EXPECT_EQ(untested, viewerOccluders);
    ASSERT_EQ(sceneObjects.size(), viewer.size());
    for (std::size_t n = 0; n < viewer.size(); ++n) {
        const SceneObject& a = viewer[n];
        const SceneObject& b = sceneObjects[n];
        ASSERT_EQ(b.vertices.size(), a.vertices.size() + 8) << n;
        for (std::size_t v = 0; v < a.vertices.size(); ++v) {
            EXPECT_EQ(b.vertices[v + 8].x, a.vertices[v].x) << n;
            EXPECT_EQ(b.vertices[v + 8].y, a.vertices[v].y) << n;
            EXPECT_EQ(b.vertices[v + 8].z, a.vertices[v].z) << n;
        }
        ASSERT_EQ(b.faces.size(), a.faces.size()) << n;
        for (std::size_t f = 0; f < a.faces.size(); ++f) {
            EXPECT_EQ(b.faces[f].vertexIndices[0], a.faces[f].vertexIndices[0] + 8);
            EXPECT_EQ(b.faces[f].normal.x, a.faces[f].normal.x);
            EXPECT_EQ(b.faces[f].normal.y, a.faces[f].normal.y);
            EXPECT_EQ(b.faces[f].normal.z, a.faces[f].normal.z);
            EXPECT_EQ(b.faces[f].color.x, a.faces[f].color.x);
            EXPECT_EQ(b.faces[f].color.z, a.faces[f].color.z);
        }
    }
}

TEST(GridScene, MissingMeshIsAnError) {
    SceneModel model;
    std::string error;
    EXPECT_FALSE(buildGridScene("/nonexistent/cube.geo", model, error));
    EXPECT_NE(error.find("/nonexistent/cube.geo"), std::string::npos) << error;
    EXPECT_TRUE(model.objects.empty());
    EXPECT_TRUE(sceneObjects.empty());
}

// A rotated and moved mesh: its box holds every placed vertex, and is the placed box itself when
// the transform only moves it.
TEST(SceneModelBoxes, HoldEveryPlacedVertex) {
    SceneModel scene;
    Mesh mesh;
    mesh.positions = {{-1, -2, -3}, {1, 2, 3}, {0.1f, 0.7f, -0.3f}};
    mesh.indices = {0, 1, 2};
    computeBox(mesh);
    scene.meshes.push_back(mesh);
    Transform turned; // 90 degrees about y, then moved
    const float rows[12] = {0, 0, 1, 10.3f, 0, 1, 0, -7, -1, 0, 0, 0.1f};
    std::copy(rows, rows + 12, turned.m);
    addObject(scene, 0, turned, Occludes | Tested, "occluder wall");
    addObject(scene, 0, translation({5, 6, 7}), Tested, "");
    EXPECT_EQ(objectName(scene, scene.objects[0]), "occluder wall");
    EXPECT_EQ(objectName(scene, scene.objects[1]), "");
    for (const SceneModelObject& object : scene.objects)
        for (const Float3& p : mesh.positions) {
            double w[3];
            apply(object.world, p, w);
            EXPECT_LE(object.box.min.x, w[0]);
            EXPECT_GE(object.box.max.x, w[0]);
            EXPECT_LE(object.box.min.z, w[2]);
            EXPECT_GE(object.box.max.z, w[2]);
        }
    EXPECT_EQ(scene.objects[1].box.min.x, 4.0f);
    EXPECT_EQ(scene.objects[1].box.max.z, 10.0f);
    EXPECT_EQ(scene.bounds.max.x, std::max(scene.objects[0].box.max.x, 6.0f));
    EXPECT_EQ(placedTriangles(scene), 2u);
    EXPECT_LE(sizeof(SceneModelObject), 96u); // the per-object memory the model promises
}

} // namespace
