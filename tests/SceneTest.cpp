// The 1000-object grid: index lists, colours, placement of the shipped mesh and of a rotated one,
// and the meshes that leave the scene empty.
#include "TestSupport.h"
#include "mesh/GeoReader.h"
#include "scene/Scene.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <unistd.h>

using Geometry::Vector;

namespace {

const std::string cubePath = BRISEL_SOURCE_DIR "/data/cube.geo";

std::string readText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Builds the scene from a mesh text (or from no file) and returns what went to the error stream.
std::string buildFrom(const std::string* text) {
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    const std::string path = testing::TempDir() + "brisel_mesh_" + std::to_string(::getpid()) + ".geo";
    if (text) std::ofstream(path) << *text;
    std::ostringstream errors;
    buildScene(text ? path : "/nonexistent/cube.geo", errors);
    std::remove(path.c_str());
    return errors.str();
}

// The mesh as the reader gives it, before any transform.
SceneObject cubeMesh() {
    std::ifstream file(cubePath);
    SceneObject mesh;
    file >> mesh;
    return mesh;
}

} // namespace

// Catches another occluder rule, list order or colour, and an index in both lists or none.
TEST(Scene, ListsHoldEveryIndexOnceInGridOrderWithTheirColours) {
    const std::string text = readText(cubePath);
    ASSERT_EQ(buildFrom(&text), "");
    ASSERT_EQ(sceneObjects.size(), 1000u);
    ASSERT_EQ(occluderIndices.size(), 360u);
    ASSERT_EQ(occludeeIndices.size(), 640u);
    std::vector<std::uint32_t> all = occluderIndices;
    all.insert(all.end(), occludeeIndices.begin(), occludeeIndices.end());
    std::sort(all.begin(), all.end());
    for (std::uint32_t n = 0; n < 1000; ++n) ASSERT_EQ(all[n], n);
    EXPECT_TRUE(std::is_sorted(occluderIndices.begin(), occluderIndices.end()));
    EXPECT_TRUE(std::is_sorted(occludeeIndices.begin(), occludeeIndices.end()));
    for (std::uint32_t n : occluderIndices) {
        EXPECT_TRUE(n / 100 < 2 || n % 10 < 2) << n;
        EXPECT_EQ(sceneObjects[n].faces.at(0).color.x, 1.0) << n;
    }
    for (std::uint32_t n : occludeeIndices) EXPECT_EQ(sceneObjects[n].faces.at(0).color.z, 1.0) << n;
}

// Catches a scale, offset or spacing other than 0.25, -200 and 40, and a file rotation applied
// once instead of twice (then the prototype's offset would not turn).
TEST(Scene, MeshLandsOnTheGridAtQuarterSizeTurnedTwiceByTheFileRotation) {
    const SceneObject mesh = cubeMesh();
    std::string text = readText(cubePath);
    for (const bool rotated : {false, true}) {
        SCOPED_TRACE(rotated ? "rotation 0 0 90" : "rotation 0 0 0");
        // "rotation 0 0 90" in file axes is a quarter turn about y; twice, with the prototype's
        // offset turned once: v -> (-v.x/4 - 200, v.y/4 - 200, -v.z/4 + 200).
        if (rotated) text.replace(text.find("rotation 0 0 0"), 14, "rotation 0 0 90");
        buildFrom(&text);
        const double flip = rotated ? -1 : 1;
        for (std::size_t n : {0u, 123u, 999u}) {
            const double i = n / 100, j = n / 10 % 10, k = n % 10;
            const SceneObject& object = sceneObjects[n];
            expectVectorNear(object.translation, {40 * i, 40 * j, 40 * k}, 0);
            ASSERT_EQ(object.vertices.size(), mesh.vertices.size());
            for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
                const Vector& m = mesh.vertices[v];
                expectVectorNear(object.vertices[v], {flip * 0.25 * m.x - 200 + 40 * i, 0.25 * m.y - 200 + 40 * j,
                                                      flip * (0.25 * m.z - 200) + 40 * k});
            }
        }
    }
}

// Catches a missing or oversized mesh that stops the program or fills the scene (a mesh above the
// limits, copied 1000 times, would exhaust the memory), and a message other than the one line.
TEST(Scene, MissingOrOversizedMeshIsReportedOnceAndLeavesTheObjectsEmpty) {
    std::string vertices = "m\nx\nbig\n1 1 1\nx\nx\nrotation 0 0 0\n0 0 0\nx\nx\n10001\n", faces;
    for (std::size_t i = 0; i <= maxMeshVertices; ++i) vertices += "v 0 0 0\n";
    faces = "m\nx\nbig\n1 1 1\nx\nx\nrotation 0 0 0\n0 0 0\nx\nx\n3\nv 0 0 0\nv 1 0 0\nv 0 1 0\nfaces 10001\n";
    for (std::size_t i = 0; i <= maxMeshFaces; ++i) faces += "face\ns\n0\n1\n2\n";
    vertices += "faces 0\n";
    const struct {
        const std::string* text;
        std::string message;
    } cases[] = {
        {nullptr, "Failed to open \"cube.geo\"\n\n"},
        {&vertices, "Mesh \"cube.geo\" is too large: 10001 vertices and 0 faces, at most 10000 vertices and "
                    "10000 faces; the scene is left empty\n"},
        {&faces, "Mesh \"cube.geo\" is too large: 3 vertices and 10001 faces, at most 10000 vertices and "
                 "10000 faces; the scene is left empty\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(buildFrom(c.text), c.message);
        ASSERT_EQ(sceneObjects.size(), 1000u);
        EXPECT_EQ(occluderIndices.size(), 360u);
        for (const SceneObject& object : sceneObjects) ASSERT_TRUE(object.vertices.empty() && object.faces.empty());
    }
}
