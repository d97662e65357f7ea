// The viewer's plain logic: keys and the orbiting cameras, the projection per window size, the
// overlay texts and frame timing. The exit record is checked end to end.
#include "TestSupport.h"
#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Hud.h"
#include "app/Projection.h"

#include <cmath>
#include <tuple>

namespace {

void press(unsigned char key, int times = 1) {
    for (int i = 0; i < times; ++i) handleKey(key);
}

class Keys : public testing::Test {
  protected:
    void SetUp() override {
        resetCameras();
        opacityThreshold = 255;
        lockToFakeCamera = false;
    }
    void TearDown() override { SetUp(); }
};

} // namespace

// Catches a key bound to the wrong camera or direction, and a wrap other than 355 -> 0, 0 -> 360.
TEST_F(Keys, AnglesStepByFiveAndWrapOntoTheOtherEnd) {
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

// Catches sine and cosine swapped on the orbit, a key that does not recompute both eyes, a
// threshold that saturates instead of wrapping as a byte, a reset that also clears the lock or
// threshold, and shifted or other keys that act.
TEST_F(Keys, EyesThresholdResetAndKeysThatOnlyEcho) {
    press('\'', 18); // a quarter turn: the fake eye moves to +x
    expectVectorNear(fakeCamera.eye, {900, 500, 0});
    mainCamera.angle = 180;
    press('C'); // only echoed, but the eyes are still recomputed
    expectVectorNear(mainCamera.eye, {0, 500, -900});
    const std::tuple<unsigned char, int, int> steps[] = {
        {'=', 1, 4}, {'-', 1, 255}, {'-', 51, 0}, {'-', 1, 251}};
    for (const auto& [key, times, after] : steps) {
        press(key, times);
        EXPECT_EQ(opacityThreshold, after) << key << " x" << times;
    }
    for (unsigned char key : {'c', '5', '.', '+', '<', '>', '0', ' ', '\0', '\xff'}) press(key);
    expectVectorNear(mainCamera.eye, {std::sin(5 * 3.141592653589793 / 180) * 900, 500,
                                      std::cos(5 * 3.141592653589793 / 180) * 900});
    EXPECT_EQ(fakeCamera.angle, 0.0);
    EXPECT_EQ(opacityThreshold, 251);
    EXPECT_TRUE(lockToFakeCamera);
}

// Catches a frustum that keeps its shape for other windows, and a zero size that divides by zero.
TEST(Projection, FrustumFollowsTheWindowShape) {
    // Width, height, half width, top; the bottom is 0, near 1 and far 2000 for all.
    const double cases[][4] = {
        {640, 640, 0.3, 0.6}, {1280, 640, 0.6, 0.6}, {640, 1280, 0.3, 1.2}, {1000, 400, 0.75, 0.6}};
    for (const auto& c : cases) {
        const Frustum f = frustumFor(int(c[0]), int(c[1])).value();
        EXPECT_EQ(std::make_tuple(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane),
                  std::make_tuple(-c[2], c[2], 0.0, c[3], 1.0, 2000.0))
            << c[0] << " x " << c[1];
    }
    EXPECT_FALSE(frustumFor(0, 640) || frustumFor(640, 0));
}

// Catches any change of the overlay's wording or spacing, and the opacity formed in double.
TEST(Hud, LinesReadExactly) {
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
    values.frameSeconds = static_cast<float>(1 / 60.02409);
    values.opacityThreshold = 8; // 8/255 in single precision; a double would print 0.0313725
    const auto lines = hudLines(values);
    EXPECT_EQ(lines[0], "FPS: 60.0241");
    EXPECT_EQ(lines[4], "# of Pass DEB: 4294967295          Is Camera Locked to Fake Cam: true");
    EXPECT_EQ(lines[5], "Opacity: 0.0313726          + Increase Opacity     - Decrease Opacity");
}

// Catches an uncapped interval and a zero or negative one that would show an infinite frame rate.
TEST(FrameTimer, IntervalsAreCappedAndNeverZero) {
    EXPECT_EQ(frameSecondsFor(100'000'000, 1'000'000'000), 0.1f);
    EXPECT_EQ(frameSecondsFor(std::int64_t{1} << 62, 1'000'000), maxFrameSeconds);
    for (std::int64_t ticks : {std::int64_t{0}, std::int64_t{-5}, INT64_MIN})
        EXPECT_EQ(frameSecondsFor(ticks, 1'000'000'000), 1e-9f) << ticks;
    startFrameTimer();
    EXPECT_EQ(frameSeconds, 0.1f);
}
