#pragma once
// The lab's GL context: a GLUT window of the viewer's size and pixel format (RGB, double-buffered,
// with depth). Every pass renders into its back buffer and reads it back; nothing is shown.

#include <string>

// Opens the window once per process and waits until the window system has mapped it. False, with
// a message on standard error, when there is no display to open it on.
bool openLabWindow(int side);

// The window's size as the window system last reported it.
int labWindowWidth();
int labWindowHeight();

// GL vendor, renderer and version, for the record.
std::string glDescription();

// Bits per colour channel of the window's frame buffer (the ID pass needs 8).
int colourChannelBits();
