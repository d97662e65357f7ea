#include "app/Cameras.h"

#include "geometry/Transforms.h"

#include <cmath>

OrbitCamera mainCamera;
OrbitCamera fakeCamera;
double orbitRadius = 900.0;
bool lockToFakeCamera = false;
std::uint8_t opacityThreshold = 255;

namespace {

constexpr double angleStep = 5.0;
constexpr std::uint8_t thresholdStep = 5;

// 0 and 360 are the same direction: stepping past either end lands on the other end itself.
void spinForward(OrbitCamera& camera) {
    camera.angle += angleStep;
    if (camera.angle >= 360.0) camera.angle = 0.0;
}

void spinBackward(OrbitCamera& camera) {
    camera.angle -= angleStep;
    if (camera.angle <= 0.0) camera.angle = 360.0;
}

} // namespace

void resetCameras() {
    mainCamera.angle = 0.0;
    orbitRadius = 900.0;
    mainCamera.target = {0.0, -400.0, 0.0};
    mainCamera.eye = {std::sin(0.0) * orbitRadius + mainCamera.target.x, 500.0,
                      std::cos(0.0) * orbitRadius + mainCamera.target.z};
    fakeCamera.angle = 0.0;
    fakeCamera.target = {0.0, -400.0, 0.0};
    fakeCamera.eye = mainCamera.eye;
}

void updateEye(OrbitCamera& camera) {
    const double a = Geometry::degreesToRadians(camera.angle);
    camera.eye.x = std::sin(a) * orbitRadius + camera.target.x;
    camera.eye.z = std::cos(a) * orbitRadius + camera.target.z;
}

void handleKey(unsigned char key) {
    switch (key) {
    case '\'': spinForward(fakeCamera); break;
    case ';': spinBackward(fakeCamera); break;
    case '.': spinForward(mainCamera); break;
    case ',': spinBackward(mainCamera); break;
    case '=': opacityThreshold = static_cast<std::uint8_t>(opacityThreshold + thresholdStep); break;
    case '-': opacityThreshold = static_cast<std::uint8_t>(opacityThreshold - thresholdStep); break;
    case '5': resetCameras(); break;
    case 'c': lockToFakeCamera = !lockToFakeCamera; break;
    default: break;
    }
    updateEye(mainCamera);
    updateEye(fakeCamera);
}
