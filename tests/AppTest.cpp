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
    const struct {
        unsigned char key;
        OrbitCamera& camera;
        OrbitCamera& other;
    } spins[] = {{'.', mainCamera, fakeCamera},
                 {',', mainCamera, fakeCamera},
                 {'\'', fakeCamera, mainCamera},
                 {';', fakeCamera, mainCamera}};
    for (const auto& spin : spins) {
        SCOPED_TRACE(spin.key);
        resetCameras();
        const bool forward = spin.key == '.' || spin.key == '\'';
        const struct {
            double from, to;
        } steps[] = {{0, forward ? 5.0 : 360.0},
                     {5, forward ? 10.0 : 360.0},
                     {355, forward ? 0.0 : 350.0},
                     {360, forward ? 0.0 : 355.0},
                     {180, forward ? 185.0 : 175.0}};
        for (const auto& step : steps) {
            spin.camera.angle = step.from;
            press(spin.key);
            EXPECT_EQ(spin.camera.angle, step.to) << "from " << step.from;
            EXPECT_EQ(spin.other.angle, 0.0);
        }
    }
}

TEST_F(KeysTest, EyesFollowTheAnglesOnTheOrbit) {
    press(',');
    EXPECT_EQ(mainCamera.angle, 360.0);
    expectVectorNear(mainCamera.eye, {0, 500, 900});
    press(',');
    EXPECT_EQ(mainCamera.angle, 355.0);
    EXPECT_LT(mainCamera.eye.x, 0.0);

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
    press('=');
    EXPECT_EQ(opacityThreshold, 4);
    press('-');
    EXPECT_EQ(opacityThreshold, 255);
    press('-', 51);
    EXPECT_EQ(opacityThreshold, 0);
    press('-');
    EXPECT_EQ(opacityThreshold, 251);
    press('=');
    EXPECT_EQ(opacityThreshold, 0);
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
        expectVectorNear(mainCamera.eye, mainBefore.eye, 0);
        expectVectorNear(fakeCamera.eye, fakeBefore.eye, 0);
        EXPECT_EQ(opacityThreshold, 245);
        EXPECT_FALSE(lockToFakeCamera);
    }
}

TEST(Projection, FrustumFollowsTheWindowShape) {
    const struct {
        int width, height;
        Frustum expected;
    } cases[] = {
        {640, 640, {-0.3, 0.3, 0.0, 0.6, 1.0, 2000.0}},    {1280, 640, {-0.6, 0.6, 0.0, 0.6, 1.0, 2000.0}},
        {640, 1280, {-0.3, 0.3, 0.0, 1.2, 1.0, 2000.0}},   {1, 1, {-0.3, 0.3, 0.0, 0.6, 1.0, 2000.0}},
        {1000, 400, {-0.75, 0.75, 0.0, 0.6, 1.0, 2000.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const std::optional<Frustum> f = frustumFor(c.width, c.height);
        ASSERT_TRUE(f.has_value());
        EXPECT_DOUBLE_EQ(f->left, c.expected.left);
        EXPECT_DOUBLE_EQ(f->right, c.expected.right);
        EXPECT_EQ(f->bottom, 0.0);
        EXPECT_DOUBLE_EQ(f->top, c.expected.top);
        EXPECT_EQ(f->nearPlane, 1.0);
        EXPECT_EQ(f->farPlane, 2000.0);
    }
    EXPECT_FALSE(frustumFor(0, 640).has_value());
    EXPECT_FALSE(frustumFor(640, 0).has_value());
    EXPECT_FALSE(frustumFor(0, 0).has_value());
}

TEST(Hud, LinesReadExactly) {
    HudValues values;
    values.frameSeconds = 0.1f;
    values.objectCount = 1000;
    values.occluderCount = 360;
    values.passedHom = 17;
    values.passedDeb = 4294967295u;
    values.opacityThreshold = 255;
    values.lockToFakeCamera = false;
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

    const struct {
        float seconds;
        const char* line;
    } rates[] = {{0.1f, "FPS: 10"}, {static_cast<float>(1 / 60.02409), "FPS: 60.0241"}, {0.5f, "FPS: 2"}};
    for (const auto& rate : rates) {
        values.frameSeconds = rate.seconds;
        EXPECT_EQ(hudLines(values)[0], rate.line);
    }

    const struct {
        std::uint8_t threshold;
        const char* text;
    } opacities[] = {{255, "1"}, {250, "0.980392"}, {4, "0.0156863"}, {0, "0"}, {8, "0.0313726"}};
    for (const auto& o : opacities) {
        values.opacityThreshold = o.threshold;
        EXPECT_EQ(hudLines(values)[5],
                  std::string("Opacity: ") + o.text + "          + Increase Opacity     - Decrease Opacity");
    }
}

TEST(FrameTimer, IntervalsAreCappedAndNeverZero) {
    EXPECT_EQ(frameSecondsFor(2'000'000'000, 1'000'000'000), maxFrameSeconds);
    EXPECT_EQ(frameSecondsFor(100'000'000, 1'000'000'000), 0.1f);
    EXPECT_EQ(frameSecondsFor(100'000'001, 1'000'000'000), maxFrameSeconds);
    EXPECT_EQ(frameSecondsFor(16'660'000, 1'000'000'000), 0.01666f);
    EXPECT_EQ(frameSecondsFor(std::int64_t{1} << 62, 1'000'000), maxFrameSeconds);

    // Two frames within one tick (or a counter going backwards) count as one tick.
    for (std::int64_t ticks : {std::int64_t{0}, std::int64_t{-5}, INT64_MIN}) {
        const float seconds = frameSecondsFor(ticks, 1'000'000'000);
        EXPECT_EQ(seconds, 1e-9f);
        HudValues values;
        values.frameSeconds = seconds;
        EXPECT_EQ(hudLines(values)[0], "FPS: 1e+09");
    }

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
