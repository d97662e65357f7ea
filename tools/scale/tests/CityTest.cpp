// The generated city: reproducible, well formed, with its name's bad inputs refused.
#include "City.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

bool samePlacements(const City& a, const City& b) {
    return a.scene.objects.size() == b.scene.objects.size() &&
           std::memcmp(a.scene.objects.data(), b.scene.objects.data(),
                       a.scene.objects.size() * sizeof(Placement)) == 0;
}

// Catches a generator seeded from the clock or the address space, and one that ignores the seed.
TEST(City, SameForTheSameCountAndSeedOnly) {
    EXPECT_TRUE(samePlacements(generateCity(5000, 3), generateCity(5000, 3)));
    EXPECT_FALSE(samePlacements(generateCity(5000, 3), generateCity(5000, 4)));
    // Pinned: the first small object of city:1000, seed 1, as every machine must draw it.
    const City city = generateCity(1000);
    const Placement& first = city.scene.objects[city.buildings];
    EXPECT_EQ(first.mesh, boxMesh);
    EXPECT_FLOAT_EQ(first.offset[0], -138.52267f);
}

// Catches objects lost or doubled between the kinds, a mesh out of range, a box that does not
// hold its object's geometry (local * scale + offset over the mesh's corners), and occluders
// other than the buildings.
TEST(City, EveryObjectPlacedWithABoxAroundItsMesh) {
    for (std::uint32_t n : {1u, 1000u, 30000u}) {
        SCOPED_TRACE(n);
        const City city = generateCity(n);
        ASSERT_TRUE(isWellFormed(city.scene));
        EXPECT_EQ(city.scene.objects.size(), city.buildings + n);
        EXPECT_EQ(city.scene.occluders.size(), city.buildings);
        EXPECT_GE(city.buildings, 36u);
        ASSERT_EQ(city.boxes.size(), city.scene.objects.size());
        for (std::size_t i = 0; i < city.scene.objects.size(); ++i) {
            const Placement& p = city.scene.objects[i];
            const SharedMesh& mesh = city.scene.meshes[p.mesh];
            for (std::size_t v = 0; v < mesh.positions.size(); v += 3)
                for (std::size_t a = 0; a < 3; ++a) {
                    const float world = mesh.positions[v + a] * p.scale[a] + p.offset[a];
                    ASSERT_GE(world, city.boxes[i].min[a]);
                    ASSERT_LE(world, city.boxes[i].max[a]);
                    ASSERT_LE(std::abs(world), city.halfExtent + 200.0);
                }
            if (i < city.buildings) {
                EXPECT_EQ(p.mesh, boxMesh);
            }
        }
        // Runs of one mesh: buildings and boxes, cars, trees.
        std::vector<std::uint32_t> all(city.scene.objects.size());
        for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
        EXPECT_LE(meshRuns(city.scene, all).size(), 3u);
    }
}

TEST(City, NameRefusesAnythingButAWholeNumberWithinTheLimit) {
    struct Case {
        const char* ref;
        std::optional<std::uint32_t> count;
    };
    const Case cases[] = {{"city:1", 1},        {"city:1000000", 1000000},
                          {"city:0042", 42},    {"city:", {}},
                          {"city", {}},         {"city:0", {}},
                          {"city:-5", {}},      {"city:+5", {}},
                          {"city:1e3", {}},     {"city:12.5", {}},
                          {"city:1000001", {}}, {"city:99999999999999999999", {}},
                          {"city:10 ", {}},     {"grid", {}}};
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(parseCityRef(c.ref, error), c.count) << c.ref;
        EXPECT_EQ(error.empty(), c.count.has_value()) << c.ref;
    }
}

} // namespace
