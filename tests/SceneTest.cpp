// The 1000-object grid: index lists, colours, placement of the shipped mesh (and of a rotated one),
// and the shape of that mesh.
#include "scene/Scene.h"
#include "mesh/GeoReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <unistd.h>

using Geometry::Vector;

namespace {

const std::string cubePath = BRISEL_SOURCE_DIR "/data/cube.geo";

void clearScene() {
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
    visibleIndices.clear();
}

void expectVectorNear(const Vector& actual, const Vector& expected, double eps = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}

// The mesh as the reader gives it, before any transform.
SceneObject readMesh(const std::string& path) {
    std::ifstream file(path);
    SceneObject mesh;
    file >> mesh;
    EXPECT_FALSE(file.fail()) << path;
    return mesh;
}

std::string readText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class SceneTest : public testing::Test {
  protected:
    void SetUp() override { clearScene(); }
    void TearDown() override { clearScene(); }

    std::string build(const std::string& path) {
        std::ostringstream errors;
        buildScene(path, errors);
        return errors.str();
    }
};

} // namespace

TEST_F(SceneTest, ListsHoldEveryIndexOnceInGridOrder) {
    EXPECT_EQ(build(cubePath), "");
    ASSERT_EQ(sceneObjects.size(), 1000u);
    ASSERT_EQ(occluderIndices.size(), 360u);
    ASSERT_EQ(occludeeIndices.size(), 640u);
    EXPECT_TRUE(visibleIndices.empty());

    for (std::uint32_t n = 0; n < 200; ++n) EXPECT_EQ(occluderIndices[n], n);
    const std::uint32_t occluderNext[] = {200, 201, 210, 211, 220, 221};
    const std::uint32_t occludeeStart[] = {202, 203, 204, 205, 206, 207, 208, 209, 212, 213};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(occluderIndices[200 + i], occluderNext[i]);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(occludeeIndices[i], occludeeStart[i]);
    EXPECT_EQ(occludeeIndices.back(), 999u);

    std::vector<int> seen(1000, 0);
    for (std::uint32_t n : occluderIndices) ++seen[n];
    for (std::uint32_t n : occludeeIndices) ++seen[n];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 1000);
    EXPECT_TRUE(std::is_sorted(occluderIndices.begin(), occluderIndices.end()));
    EXPECT_TRUE(std::is_sorted(occludeeIndices.begin(), occludeeIndices.end()));

    // Membership follows the grid position n = 100 i + 10 j + k; colour follows membership.
    for (std::uint32_t n : occluderIndices) {
        EXPECT_TRUE(n / 100 < 2 || n % 10 < 2) << n;
        for (const Face& f : sceneObjects[n].faces) expectVectorNear(f.color, {1, 0, 0}, 0);
    }
    for (std::uint32_t n : occludeeIndices)
        for (const Face& f : sceneObjects[n].faces) expectVectorNear(f.color, {0, 0, 1}, 0);
}

TEST_F(SceneTest, UnrotatedMeshLandsOnTheGridAtQuarterSize) {
    build(cubePath);
    const SceneObject mesh = readMesh(cubePath);
    ASSERT_EQ(mesh.vertices.size(), 8u);
    expectVectorNear(mesh.rotation, {0, 0, 0}, 0);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j)
            for (int k = 0; k < 10; ++k) {
                const SceneObject& object = sceneObjects[static_cast<std::size_t>(100 * i + 10 * j + k)];
                expectVectorNear(object.translation, {40.0 * i, 40.0 * j, 40.0 * k}, 0);
                expectVectorNear(object.scale, {1, 1, 1}, 0);
                ASSERT_EQ(object.vertices.size(), mesh.vertices.size());
                for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
                    const Vector& m = mesh.vertices[v];
                    expectVectorNear(
                        object.vertices[v],
                        {0.25 * m.x - 200 + 40 * i, 0.25 * m.y - 200 + 40 * j, 0.25 * m.z - 200 + 40 * k});
                }
            }
}

TEST_F(SceneTest, ShippedMeshIsAnOutwardFacingBoxCorneredByItsFirstEightVertices) {
    build(cubePath);
    for (std::size_t n : {std::size_t{0}, std::size_t{555}, std::size_t{999}}) {
        SCOPED_TRACE(n);
        const SceneObject& box = sceneObjects[n];
        ASSERT_GE(box.vertices.size(), 8u);
        ASSERT_EQ(box.faces.size(), 12u);
        ASSERT_TRUE(hasValidFaceIndices(box));

        Vector low = box.vertices[0], high = box.vertices[0];
        for (const Vector& v : box.vertices) {
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
        // The first eight are the eight distinct corners of the bounding box.
        std::vector<int> corners;
        for (std::size_t v = 0; v < 8; ++v) {
            const Vector& p = box.vertices[v];
            const bool onX = p.x == low.x || p.x == high.x, onY = p.y == low.y || p.y == high.y;
            const bool onZ = p.z == low.z || p.z == high.z;
            ASSERT_TRUE(onX && onY && onZ) << "vertex " << v;
            corners.push_back((p.x == high.x) + 2 * (p.y == high.y) + 4 * (p.z == high.z));
        }
        std::sort(corners.begin(), corners.end());
        EXPECT_EQ(std::unique(corners.begin(), corners.end()) - corners.begin(), 8);

        // Every normal points away from the centre, so back-face culling keeps the outside.
        const Vector centre{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
        for (const Face& f : box.faces) {
            const Vector& a = box.vertices[f.vertexIndices[0]];
            const Vector& b = box.vertices[f.vertexIndices[1]];
            const Vector& c = box.vertices[f.vertexIndices[2]];
            const Vector mid{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
            EXPECT_GT(Geometry::dot(f.normal, mid - centre), 0.0);
        }
    }
}

TEST_F(SceneTest, FileRotationIsAppliedToThePrototypeAndAgainToEachCopy) {
    // "rotation 0 0 90" in file axes is a quarter turn about the viewer's y axis. Twice, and the
    // second turn also carries the prototype's offset: v -> (-v.x/4 - 200, v.y/4 - 200, -v.z/4 + 200).
    std::string text = readText(cubePath);
    const std::size_t at = text.find("rotation 0 0 0");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 14, "rotation 0 0 90");
    const std::string path = testing::TempDir() + "rotated_cube_" + std::to_string(::getpid()) + ".geo";
    std::ofstream(path) << text;

    build(path);
    std::remove(path.c_str());
    const SceneObject mesh = readMesh(cubePath);
    ASSERT_EQ(sceneObjects.size(), 1000u);
    for (std::size_t n : {std::size_t{0}, std::size_t{123}, std::size_t{999}}) {
        const SceneObject& object = sceneObjects[n];
        const double i = static_cast<double>(n / 100), j = static_cast<double>(n / 10 % 10),
                     k = static_cast<double>(n % 10);
        expectVectorNear(object.rotation, {0, 90, 0}, 0);
        ASSERT_EQ(object.vertices.size(), mesh.vertices.size());
        for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
            const Vector& m = mesh.vertices[v];
            expectVectorNear(object.vertices[v], {-0.25 * m.x - 200 + 40 * i, 0.25 * m.y - 200 + 40 * j,
                                                  -0.25 * m.z + 200 + 40 * k});
        }
    }
}
