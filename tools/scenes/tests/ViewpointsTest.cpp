// Views files, the default orbit, the fitted planes and the scene options.
#include "Viewpoints.h"
#include "SceneSetup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

using namespace Scenes;

namespace {

TEST(ViewsFile, ReadsEveryViewpointAndSkipsCommentsAndBlankLines) {
    std::istringstream in("# eye, then direction\n"
                          "\n"
                          "1 2 3  0 0 -1\n"
                          "   \t\n"
                          "-4.5 6e1 +7   1 -0.5 0.25   # a comment after the numbers\n"
                          "0 0 0 0 0.001 1e-3\r\n");
    std::vector<Viewpoint> views;
    std::string error;
    ASSERT_TRUE(parseViews(in, "v.txt", views, error)) << error;
    ASSERT_EQ(views.size(), 3u);
    EXPECT_EQ(views[1].eye.x, -4.5);
    EXPECT_EQ(views[1].eye.y, 60.0);
    EXPECT_EQ(views[1].direction.z, 0.25);
    EXPECT_EQ(views[2].direction.y, 0.001);
    EXPECT_EQ(views[0].angle, -1);
}

// Each bad line names the file and its line; nothing is kept.
TEST(ViewsFile, RejectsABadLineNamingFileAndLine) {
    const struct {
        const char* text;
        const char* where;
        const char* reason;
    } cases[] = {
        {"1 2 3 0 0\n", "v.txt:1:", "5 numbers"},
        {"0 0 0 0 0 1\n1 2 3 4 5 6 7\n", "v.txt:2:", "7 numbers"},
        {"1 2 x 0 0 1\n", "v.txt:1:", "\"x\" is not a finite number"},
        {"1 2 3 0 0 1e\n", "v.txt:1:", "not a finite number"},
        {"1 2 3 0,0 0 1\n", "v.txt:1:", "not a finite number"},
        {"1 2 3 inf 0 1\n", "v.txt:1:", "not a finite number"},
        {"1 2 3 nan 0 1\n", "v.txt:1:", "not a finite number"},
        {"1 2 3 0 0 1e999\n", "v.txt:1:", "not a finite number"},
        {"# fine\n\n1 2 3 0 0 0\n", "v.txt:3:", "zero view direction"},
        {"1 2 3 -0 0 -0\n", "v.txt:1:", "zero view direction"},
        {"1 2 3 0 -5 0\n", "v.txt:1:", "along y"},
        {"1 2 3 1e-9 1 0\n", "v.txt:1:", "along y"},
        {"2e6 0 0 0 0 1\n", "v.txt:1:", "beyond 1e6"},
        {"", "v.txt:", "no viewpoint"},
        {"# only a comment\n\n", "v.txt:", "no viewpoint"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        std::vector<Viewpoint> views{Viewpoint{}};
        std::string error;
        EXPECT_FALSE(parseViews(in, "v.txt", views, error)) << c.text;
        EXPECT_TRUE(views.empty()) << c.text;
        EXPECT_EQ(error.rfind(c.where, 0), 0u) << c.text << " -> " << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << " -> " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(ViewsFile, StopsAtTheLimitAndReportsAMissingFile) {
    std::string many;
    for (std::size_t i = 0; i <= maxViewpoints; ++i) many += "0 0 0 0 0 1\n";
    std::istringstream in(many);
    std::vector<Viewpoint> views;
    std::string error;
    EXPECT_FALSE(parseViews(in, "v.txt", views, error));
    EXPECT_EQ(error.rfind("v.txt:" + std::to_string(maxViewpoints + 1) + ":", 0), 0u) << error;
    EXPECT_FALSE(readViewsFile("/nonexistent/views.txt", views, error));
    EXPECT_EQ(error, "/nonexistent/views.txt: cannot open it");
}

// Angle 0 on the +z side, 90 toward +x, always 45 degrees down at the box's centre.
TEST(OrbitViews, CircleTheBoxLookingDownAtItsCentre) {
    Box box;
    extend(box, Float3{-2, 0, 4});
    extend(box, Float3{6, 2, 10}); // centre (2, 1, 7), diagonal 10.198
    const std::vector<Viewpoint> views = orbitViews(box, 72);
    ASSERT_EQ(views.size(), 72u);
    const double h = 0.5 * diagonal(box);
    const struct {
        std::size_t index;
        double x, z;
    } expected[] = {{0, 2, 7 + h}, {18, 2 + h, 7}, {36, 2, 7 - h}};
    for (const auto& e : expected) {
        const Viewpoint& v = views[e.index];
        EXPECT_EQ(v.angle, static_cast<int>(e.index) * 5);
        EXPECT_NEAR(v.eye.x, e.x, 1e-9);
        EXPECT_NEAR(v.eye.y, 1 + h, 1e-9);
        EXPECT_NEAR(v.eye.z, e.z, 1e-9);
        // Pointing at the centre.
        EXPECT_NEAR(v.eye.x + v.direction.x, 2, 1e-9);
        EXPECT_NEAR(v.eye.y + v.direction.y, 1, 1e-9);
        EXPECT_NEAR(v.eye.z + v.direction.z, 7, 1e-9);
    }
}

TEST(Planes, FarPassesTheFarthestCornerFromAnyViewpoint) {
    Box box;
    extend(box, Float3{0, 0, 0});
    extend(box, Float3{3, 4, 0});
    const std::vector<Viewpoint> views = {{{0, 0, 0}, {0, 0, -1}, -1}, {{0, 0, 12}, {0, 0, -1}, -1}};
    const Planes fitted = fitPlanes(box, views, std::nullopt, std::nullopt);
    EXPECT_NEAR(fitted.farPlane, 1.01 * 13.0, 1e-9); // (3, 4, 0) from (0, 0, 12)
    EXPECT_NEAR(fitted.nearPlane, fitted.farPlane / 2000.0, 1e-12);
    const Planes given = fitPlanes(box, views, 0.5, std::nullopt);
    EXPECT_EQ(given.nearPlane, 0.5);
    EXPECT_EQ(given.farPlane, fitted.farPlane);

    const Frustum f = frustumOf(90.0, {2.0, 100.0});
    EXPECT_NEAR(f.top, 2.0, 1e-12); // tan 45 = 1
    EXPECT_EQ(f.bottom, -f.top);
    EXPECT_EQ(f.left, -f.top);
    EXPECT_EQ(f.right, f.top);
    EXPECT_NEAR(frustumOf(60.0, {1.0, 10.0}).top, std::tan(3.141592653589793 / 6), 1e-12);
}

TEST(SceneOptions, TakeTheirValuesAndRejectBadOnes) {
    const struct {
        std::vector<std::string> args;
        bool taken;
        bool ok;
    } cases[] = {
        {{"--scene", "room.obj"}, true, true},
        {{"--views", "v.txt"}, true, true},
        {{"--fov", "60"}, true, true},
        {{"--near", "0.25"}, true, true},
        {{"--scene"}, true, false},
        {{"--views", ""}, true, false},
        {{"--fov", "0"}, true, false},
        {{"--fov", "180"}, true, false},
        {{"--fov", "nan"}, true, false},
        {{"--fov", "60x"}, true, false},
        {{"--far", "-3"}, true, false},
        {{"--quick"}, false, true},
    };
    for (const auto& c : cases) {
        SceneChoice choice;
        std::size_t i = 0;
        std::string error;
        EXPECT_EQ(takeSceneOption(c.args, i, choice, error), c.taken) << c.args[0];
        EXPECT_EQ(error.empty(), c.ok) << c.args[0];
        EXPECT_EQ(i, c.taken && c.ok ? 1u : 0u) << c.args[0];
    }
    SceneChoice choice;
    std::size_t i = 0;
    std::string error;
    takeSceneOption({"--fov", "60"}, i, choice, error);
    EXPECT_EQ(choice.fov, 60.0);
}

} // namespace
