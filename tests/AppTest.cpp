// The viewer's plain logic: key handling and the orbiting cameras, the projection per window size,
// the overlay texts, frame timing and the exit record.
#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Hud.h"
#include "app/Projection.h"
#include "app/Viewer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

using Geometry::Vector;

namespace {

void expectVectorNear(const Vector& actual, const Vector& expected, double eps = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}

void expectResetCamera(const OrbitCamera& camera) {
    EXPECT_EQ(camera.angle, 0.0);
    expectVectorNear(camera.target, {0, -400, 0}, 0);
    expectVectorNear(camera.eye, {0, 500, 900}, 0);
}

void press(unsigned char key, int times = 1) {
    for (int i = 0; i < times; ++i) handleKey(key);
}

class KeysTest : public testing::Test {
  protected:
    void SetUp() override {
        resetCameras();
        opacityThreshold = 255;
        lockToFakeCamera = false;
    }
    void TearDown() override { SetUp(); }
};

} // namespace

TEST_F(KeysTest, AnglesStepByFiveAndWrapOntoTheOtherEnd) {
    // From 0, 5, 355, 360 and 180: forward keys wrap past 355 to 0, backward ones from 0 to 360.
    const double from[] = {0, 5, 355, 360, 180};
    const double forward[] = {5, 10, 0, 0, 185}, back[] = {360, 360, 350, 355, 175};
    for (const unsigned char key : {'.', ',', '\'', ';'}) {
        SCOPED_TRACE(key);
        resetCameras();
        OrbitCamera& camera = key == '.' || key == ',' ? mainCamera : fakeCamera;
        const OrbitCamera& other = &camera == &mainCamera ? fakeCamera : mainCamera;
        for (int i = 0; i < 5; ++i) {
            camera.angle = from[i];
            press(key);
            EXPECT_EQ(camera.angle, key == '.' || key == '\'' ? forward[i] : back[i]) << "from " << from[i];
            EXPECT_EQ(other.angle, 0.0);
        }
    }
}

TEST_F(KeysTest, EyesFollowTheAnglesOnTheOrbit) {
    press(',');
    expectVectorNear(mainCamera.eye, {0, 500, 900}); // 360 degrees
    resetCameras();
    press('.');
    const double a = 5 * 3.141592653589793 / 180;
    expectVectorNear(mainCamera.eye, {std::sin(a) * 900, 500, std::cos(a) * 900});
    expectResetCamera(fakeCamera);

    press('\'', 18); // a quarter turn: the fake eye moves to +x
    expectVectorNear(fakeCamera.eye, {900, 500, 0});
    expectVectorNear(fakeCamera.target, {0, -400, 0}, 0);

    // Every key recomputes both eyes, even one that changes nothing else.
    mainCamera.angle = 180;
    press('C');
    expectVectorNear(mainCamera.eye, {0, 500, -900});
}

TEST_F(KeysTest, ThresholdWrapsAsAByte) {
    // Key, presses, threshold after them: 255 + 5 is 4, 0 - 5 is 251.
    const std::tuple<unsigned char, int, int> steps[] = {
        {'=', 1, 4}, {'-', 1, 255}, {'-', 51, 0}, {'-', 1, 251}, {'=', 1, 0}};
    for (const auto& [key, times, after] : steps) {
        press(key, times);
        EXPECT_EQ(opacityThreshold, after) << key << " x" << times;
    }
}

TEST_F(KeysTest, ResetLockAndUnlistedKeys) {
    press('.', 7);
    press(';', 3);
    press('c');
    press('-', 2);
    EXPECT_TRUE(lockToFakeCamera);
    press('5');
    expectResetCamera(mainCamera);
    expectResetCamera(fakeCamera);
    EXPECT_EQ(orbitRadius, 900.0);
    EXPECT_TRUE(lockToFakeCamera);
    EXPECT_EQ(opacityThreshold, 245);
    press('c');
    EXPECT_FALSE(lockToFakeCamera);

    press('.', 3);
    const OrbitCamera mainBefore = mainCamera, fakeBefore = fakeCamera;
    for (unsigned char key : {'+', '<', '>', 'C', '0', 'a', ' ', '\0', '\xff'}) {
        SCOPED_TRACE(static_cast<int>(key));
        press(key);
        EXPECT_EQ(mainCamera.angle, mainBefore.angle);
        EXPECT_EQ(fakeCamera.angle, fakeBefore.angle);
        EXPECT_EQ(opacityThreshold, 245);
        EXPECT_FALSE(lockToFakeCamera);
    }
}

TEST(Projection, FrustumFollowsTheWindowShape) {
    // Height 0.6 at the near plane for a square window; the longer side stretches, the bottom stays 0.
    const struct {
        int width, height;
        double halfWidth, top;
    } cases[] = {{640, 640, 0.3, 0.6}, {1280, 640, 0.6, 0.6}, {640, 1280, 0.3, 1.2}, {1000, 400, 0.75, 0.6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const std::optional<Frustum> f = frustumFor(c.width, c.height);
        ASSERT_TRUE(f.has_value());
        EXPECT_DOUBLE_EQ(f->left, -c.halfWidth);
        EXPECT_DOUBLE_EQ(f->right, c.halfWidth);
        EXPECT_DOUBLE_EQ(f->top, c.top);
        EXPECT_EQ(std::tie(f->bottom, f->nearPlane, f->farPlane), std::make_tuple(0.0, 1.0, 2000.0));
    }
    for (const auto& [width, height] : {std::pair{0, 640}, std::pair{640, 0}, std::pair{0, 0}})
        EXPECT_FALSE(frustumFor(width, height).has_value());
}

TEST(Hud, LinesReadExactly) {
    // Frame time, objects, occluders, passed HOM, passed DEB, threshold, lock.
    HudValues values{0.1f, 1000, 360, 17, 4294967295u, 255, false};
    const std::array<std::string, hudLineCount> expected = {
        "FPS: 10",
        "Total # of Objects: 1000       Controls:   < Spin Cam Left       > Spin Cam Right",
        "# of Occluders: 360        ; Spin Fake Cam Left      ' Spin Fake Cam Right",
        "# of Passed HOM: 17          c Lock Cam to Fake Cam",
        "# of Pass DEB: 4294967295          Is Camera Locked to Fake Cam: false",
        "Opacity: 1          + Increase Opacity     - Decrease Opacity",
    };
    EXPECT_EQ(hudLines(values), expected);

    values.lockToFakeCamera = true;
    EXPECT_EQ(hudLines(values)[4], "# of Pass DEB: 4294967295          Is Camera Locked to Fake Cam: true");

    values.frameSeconds = static_cast<float>(1 / 60.02409); // six significant digits
    EXPECT_EQ(hudLines(values)[0], "FPS: 60.0241");

    // 8/255 in single precision; a double would print 0.0313725.
    const std::pair<std::uint8_t, const char*> opacities[] = {
        {255, "1"}, {250, "0.980392"}, {4, "0.0156863"}, {0, "0"}, {8, "0.0313726"}};
    for (const auto& [threshold, text] : opacities) {
        values.opacityThreshold = threshold;
        EXPECT_EQ(hudLines(values)[5],
                  std::string("Opacity: ") + text + "          + Increase Opacity     - Decrease Opacity");
    }
}

TEST(FrameTimer, IntervalsAreCappedAndNeverZero) {
    EXPECT_EQ(frameSecondsFor(100'000'000, 1'000'000'000), 0.1f);
    EXPECT_EQ(frameSecondsFor(100'000'001, 1'000'000'000), maxFrameSeconds);
    EXPECT_EQ(frameSecondsFor(std::int64_t{1} << 62, 1'000'000), maxFrameSeconds);

    // Two frames within one tick (or a counter going backwards) count as one tick.
    for (std::int64_t ticks : {std::int64_t{0}, std::int64_t{-5}, INT64_MIN})
        EXPECT_EQ(frameSecondsFor(ticks, 1'000'000'000), 1e-9f) << ticks;
    EXPECT_EQ(hudLines(HudValues{1e-9f})[0], "FPS: 1e+09");

    startFrameTimer();
    EXPECT_GT(counterFrequency, 0);
    EXPECT_EQ(frameSeconds, 0.1f);
    updateFrameTimer();
    EXPECT_GT(frameSeconds, 0.0f);
    EXPECT_LE(frameSeconds, maxFrameSeconds);
}

namespace {
// Counts flushes so the record's flush can be seen.
struct FlushCountingBuffer : std::stringbuf {
    int flushes = 0;
    int sync() override {
        ++flushes;
        return std::stringbuf::sync();
    }
};
} // namespace

TEST(ExitRecord, IsOneFlushedLine) {
    for (const auto& [seconds, text] :
         {std::pair{1.5, "1.5"}, std::pair{0.0, "0"}, std::pair{12.25, "12.25"}}) {
        FlushCountingBuffer buffer;
        std::ostream out(&buffer);
        writeExitRecord(out, seconds);
        EXPECT_EQ(buffer.str(), std::string("Time spent traversing the tree: ") + text + " seconds.\n");
        EXPECT_GE(buffer.flushes, 1);
    }
}
