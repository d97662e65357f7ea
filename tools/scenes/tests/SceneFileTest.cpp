// Scene files through assimp: objects, shared meshes, roles by name and by size, and every bad file
// reported in one line that names it.
#include "SceneFile.h"
#include "SceneSources.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace Scenes;

namespace {

const std::string room = BRISEL_SOURCE_DIR "/tools/scenes/data/room.obj";

// A file in a fresh temporary folder, removed with it.
class TempFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("scene-file-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path folder_;
};

// One axis-aligned box as an OBJ object: 8 corners, 12 triangles.
std::string objBox(const std::string& name, float x0, float y0, float z0, float x1, float y1, float z1,
                   int& base) {
    std::string text = "o " + name + "\n";
    char line[128];
    for (int c = 0; c < 8; ++c) {
        std::snprintf(line, sizeof line, "v %g %g %g\n", c & 1 ? x1 : x0, c & 2 ? y1 : y0, c & 4 ? z1 : z0);
        text += line;
    }
    static const int faces[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
                                     {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
    for (const auto& f : faces) {
        std::snprintf(line, sizeof line, "f %d %d %d\n", base + f[0], base + f[1], base + f[2]);
        text += line;
    }
    base += 8;
    return text;
}

std::vector<std::string> occluderNames(const SceneModel& scene) {
    std::vector<std::string> names;
    for (const SceneModelObject& object : scene.objects) {
        EXPECT_TRUE(tested(object)); // every object of a file is tested
        if (occludes(object)) names.emplace_back(objectName(scene, object));
    }
    return names;
}

TEST(SceneFile, ReadsTheRoomWithItsNamedWall) {
    SceneModel scene;
    std::string error;
    ASSERT_TRUE(loadSceneFile(room, scene, error)) << error;
    ASSERT_EQ(scene.objects.size(), 6u);
    EXPECT_EQ(occluderNames(scene), std::vector<std::string>{"occluder_wall"});
    const SceneModelObject& wall = scene.objects[0];
    EXPECT_EQ(objectName(scene, wall), "occluder_wall");
    EXPECT_EQ(triangleCount(scene.meshes[wall.mesh]), 36u); // three boxes round the doorway, one object
    EXPECT_EQ(wall.box.min.x, -5.0f);
    EXPECT_EQ(wall.box.max.x, 5.0f);
    EXPECT_EQ(wall.box.max.y, 3.0f);
    EXPECT_EQ(scene.bounds.min.z, -5.0f);
}

// Two nodes placing one mesh: one model mesh, two objects, each box where its node puts it.
TEST_F(TempFiles, NodesSharingAMeshShareOneModelMesh) {
    // A triangle (0,0,0), (1,0,0), (0,1,0) as three little-endian floats each, in base64.
    const std::string gltf = R"({"asset": {"version": "2.0"}, "scene": 0, "scenes": [{"nodes": [0, 1]}],
      "nodes": [{"name": "a", "mesh": 0, "translation": [10, 0, 0]},
                {"name": "b", "mesh": 0, "translation": [0, 0, -5], "scale": [2, 2, 2]}],
      "meshes": [{"primitives": [{"attributes": {"POSITION": 0}}]}],
      "accessors": [{"bufferView": 0, "componentType": 5126, "count": 3, "type": "VEC3",
                     "min": [0, 0, 0], "max": [1, 1, 0]}],
      "bufferViews": [{"buffer": 0, "byteLength": 36}],
      "buffers": [{"byteLength": 36,
                   "uri": "data:application/octet-stream;base64,AAAAAAAAAAAAAAAAAACAPwAAAAAAAAAAAAAAAAAAgD8AAAAA"}]})";
    SceneModel scene;
    std::string error;
    ASSERT_TRUE(loadSceneFile(write("two.gltf", gltf), scene, error)) << error;
    ASSERT_EQ(scene.objects.size(), 2u);
    EXPECT_EQ(scene.meshes.size(), 1u);
    EXPECT_EQ(scene.objects[0].mesh, scene.objects[1].mesh);
    const Box& a = scene.objects[0].box;
    const Box& b = scene.objects[1].box;
    EXPECT_EQ(objectName(scene, scene.objects[0]), "a");
    EXPECT_EQ(a.min.x, 10.0f);
    EXPECT_EQ(a.max.x, 11.0f);
    EXPECT_EQ(b.max.x, 2.0f);
    EXPECT_EQ(b.max.y, 2.0f);
    EXPECT_EQ(b.min.z, -5.0f);
}

TEST_F(TempFiles, RolesByNameElseBySize) {
    const struct {
        const char* what;
        std::vector<std::tuple<std::string, float>> boxes; // name and side, placed 3 apart along x
        std::vector<std::string> occluders;
    } cases[] = {
        {"named, any letter case",
         {{"OccluderA", 1}, {"big", 9}, {"occluder-b", 1}},
         {"OccluderA", "occluder-b"}},
        {"a near match is no name", {{"occlude", 1}, {"big", 9}, {"xoccluder", 1}}, {"big"}},
        {"by size: an eighth of the scene", {{"floor", 20}, {"crate", 1}, {"shelf", 4}}, {"floor", "shelf"}},
        {"by size: none big, the largest", {{"a", 1}, {"b", 1.5f}, {"c", 1}, {"far", 1}}, {"b"}},
    };
    for (const auto& c : cases) {
        std::string text;
        int base = 1;
        float x = 0;
        for (const auto& [name, side] : c.boxes) {
            // The last of four boxes stands far off, so that no small one is an eighth of the scene.
            const float at = name == "far" ? 200.0f : x;
            text += objBox(name, at, 0, 0, at + side, side, side, base);
            x += side + 3;
        }
        SceneModel scene;
        std::string error;
        ASSERT_TRUE(loadSceneFile(write("roles.obj", text), scene, error)) << c.what << ": " << error;
        EXPECT_EQ(occluderNames(scene), c.occluders) << c.what;
    }
}

TEST_F(TempFiles, BadFilesGiveOneLineNamingThem) {
    int base = 1;
    const std::string twoBoxes = objBox("a", 0, 0, 0, 1, 1, 1, base) + objBox("b", 2, 0, 0, 3, 1, 1, base);
    const struct {
        const char* name;
        std::string text;
        FileLimits limits;
        const char* reason;
    } cases[] = {
        {"empty.obj", "", {}, "empty"},
        {"binary.glb",
         std::string("glTF\x02\0\0\0\x10\0\0\0garbage!", 20),
         {},
         "not a scene assimp can read"},
        {"unknown.xyz", "what is this?\n", {}, "not a scene assimp can read"},
        {"points.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\np 1 2 3\n", {}, "no triangles"},
        {"lines.obj", "v 0 0 0\nv 1 0 0\nl 1 2\n", {}, "no triangles"},
        {"huge.obj", "o huge\nv 0 0 0\nv 2e6 0 0\nv 0 1 0\nf 1 2 3\n", {}, "beyond 1e6"},
        {"objects.obj", twoBoxes, {1, maxFileTriangles}, "more than 1 objects"},
        {"triangles.obj", twoBoxes, {maxFileObjects, 23}, "more than 23 triangles"},
    };
    for (const auto& c : cases) {
        const std::string path = write(c.name, c.text);
        SceneModel scene;
        scene.source = "stale";
        std::string error;
        EXPECT_FALSE(loadSceneFile(path, scene, error, c.limits)) << c.name;
        EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_TRUE(scene.objects.empty() && scene.meshes.empty() && scene.source.empty()) << c.name;
    }
    SceneModel scene;
    std::string error;
    EXPECT_FALSE(loadSceneFile((folder_ / "missing.obj").string(), scene, error));
    EXPECT_NE(error.find("missing.obj: cannot open it"), std::string::npos) << error;
    EXPECT_TRUE(loadSceneFile(write("fits.obj", twoBoxes), scene, error, {2, 24})) << error;
}

} // namespace
