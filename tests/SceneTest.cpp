// The 1000-object grid: index lists, colours, placement of the shipped mesh and of a rotated one,
// and the meshes that leave the scene empty.
#include "scene/Scene.h"
#include "TestSupport.h"
#include "mesh/GeoReader.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

std::string cubeText() {
    std::stringstream text;
    text << std::ifstream(BRISEL_SOURCE_DIR "/data/cube.geo").rdbuf();
    return text.str();
}

// A mesh of `vertices` points at the origin and `faces` faces over the first.
std::string meshText(std::size_t vertices, std::size_t faces) {
    std::string text = "m\nx\nbig\n1 1 1\nx\nx\nr 0 0 0\n0 0 0\nx\nx\n" + std::to_string(vertices) + "\n";
    for (std::size_t i = 0; i < vertices; ++i) text += "v 0 0 0\n";
    text += "faces " + std::to_string(faces) + "\n";
    for (std::size_t i = 0; i < faces; ++i) text += "face\ns\n0\n0\n0\n";
    return text;
}

// Builds the scene from a mesh text (or from no file) and returns what went to the error stream.
std::string buildFrom(const std::string* text) {
    sceneObjects.clear(), occluderIndices.clear(), occludeeIndices.clear();
    const std::string path = testing::TempDir() + "brisel_mesh_" + std::to_string(::getpid()) + ".geo";
    if (text) std::ofstream(path) << *text;
    std::ostringstream errors;
    buildScene(text ? path : "/nonexistent/cube.geo", errors);
    std::remove(path.c_str());
    return errors.str();
}

} // namespace

// Catches another occluder rule, list order or colour, and an index in both lists or none.
TEST(Scene, ListsHoldEveryIndexOnceInGridOrderWithTheirColours) {
    const std::string text = cubeText();
    ASSERT_EQ(buildFrom(&text), "");
    ASSERT_EQ(sceneObjects.size(), 1000u);
    ASSERT_EQ(occluderIndices.size(), 360u);
    EXPECT_TRUE(std::is_sorted(occluderIndices.begin(), occluderIndices.end()));
    EXPECT_TRUE(std::is_sorted(occludeeIndices.begin(), occludeeIndices.end()));
    std::vector<std::uint32_t> all = occluderIndices;
    all.insert(all.end(), occludeeIndices.begin(), occludeeIndices.end());
    std::sort(all.begin(), all.end());
    for (std::uint32_t n = 0; n < 1000; ++n) ASSERT_EQ(all[n], n);
    for (std::uint32_t n : occluderIndices) {
        EXPECT_TRUE(n / 100 < 2 || n % 10 < 2) << n;
        EXPECT_EQ(sceneObjects[n].faces.at(0).color.x, 1.0) << n;
    }
    for (std::uint32_t n : occludeeIndices) EXPECT_EQ(sceneObjects[n].faces.at(0).color.z, 1.0) << n;
}

// Catches a scale, offset or spacing other than 0.25, -200 and 40, and a file rotation applied
// once instead of twice (the second turn also turns the prototype's offset).
TEST(Scene, MeshLandsOnTheGridAtQuarterSizeTurnedTwiceByTheFileRotation) {
    std::string text = cubeText();
    std::istringstream in(text);
    SceneObject mesh;
    in >> mesh;
    // "rotation 0 0 90" in file axes is a quarter turn about y; twice, a half turn:
    // v -> (-v.x/4 - 200, v.y/4 - 200, -v.z/4 + 200), then the grid offset.
    text.replace(text.find("rotation 0 0 0"), 14, "rotation 0 0 90");
    buildFrom(&text);
    for (std::size_t n : {0u, 123u, 999u}) {
        const double i = n / 100, j = n / 10 % 10, k = n % 10;
        ASSERT_EQ(sceneObjects[n].vertices.size(), mesh.vertices.size());
        for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
            const Geometry::Vector& m = mesh.vertices[v];
            expectVectorNear(
                sceneObjects[n].vertices[v],
                {-0.25 * m.x - 200 + 40 * i, 0.25 * m.y - 200 + 40 * j, -0.25 * m.z + 200 + 40 * k});
        }
    }
}

// Catches a missing or oversized mesh that stops the program or fills the scene (a mesh above the
// limits, copied 1000 times, would exhaust the memory), and a message other than the one line.
TEST(Scene, MissingOrOversizedMeshIsReportedOnceAndLeavesTheObjectsEmpty) {
    const std::string vertices = meshText(maxMeshVertices + 1, 0), faces = meshText(1, maxMeshFaces + 1);
    const std::string limits = " faces, at most 10000 vertices and 10000 faces; the scene is left empty\n";
    const std::pair<const std::string*, std::string> cases[] = {
        {nullptr, "Failed to open \"cube.geo\"\n\n"},
        {&vertices, "Mesh \"cube.geo\" is too large: 10001 vertices and 0" + limits},
        {&faces, "Mesh \"cube.geo\" is too large: 1 vertices and 10001" + limits}};
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(buildFrom(text), message);
        ASSERT_EQ(sceneObjects.size(), 1000u);
        EXPECT_EQ(occluderIndices.size(), 360u);
        for (const SceneObject& object : sceneObjects)
            ASSERT_TRUE(object.vertices.empty() && object.faces.empty());
    }
}
