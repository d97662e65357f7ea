#pragma once
// The two orbiting cameras, the culling settings the keyboard changes, and the key handling itself
// as plain functions (the GLUT callback only forwards to handleKey). Angles are degrees; at angle 0
// an eye lies on the +z side of its target and a growing angle moves it toward +x.

#include "geometry/Vector.h"

#include <cstdint>

struct OrbitCamera {
    double angle = 0.0;      // a multiple of 5 in [0, 360]
    Geometry::Vector target; // changed only by resetCameras
    Geometry::Vector eye;    // x and z follow the angle; y is set by resetCameras
};

extern OrbitCamera mainCamera; // the watching camera
extern OrbitCamera fakeCamera; // the camera every culling pass uses
extern double orbitRadius;
extern bool lockToFakeCamera;           // draw the final picture from fakeCamera
extern std::uint8_t opacityThreshold;   // a map texel >= this counts as covered (wraps as a byte)

constexpr unsigned char escapeKey = 27;

// Both cameras to angle 0, target (0, -400, 0), eye (0, 500, 900); orbitRadius 900. Leaves the
// lock and the threshold alone.
void resetCameras();

// Recomputes the eye's x and z from the camera's angle and orbitRadius.
void updateEye(OrbitCamera& camera);

// Applies one key of the key table (the echo and Escape are the caller's) and then recomputes
// both eyes. Unlisted keys change nothing but are still followed by the eye update.
void handleKey(unsigned char key);
