#include "LabWindow.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

namespace {

bool opened = false;
int reportedWidth = 0;
int reportedHeight = 0;

void ignoreDisplay() {}

void recordSize(int width, int height) {
    reportedWidth = width;
    reportedHeight = height;
}

std::string glString(GLenum name) {
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "?";
}

} // namespace

bool openLabWindow(int side) {
    if (opened) return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::cerr << "culling-lab: no X display (DISPLAY is unset); run it under xvfb-run or through "
                     "tools/lab/run-lab.sh\n";
        return false;
    }
    int argc = 1;
    char name[] = "culling-lab";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(side, side);
    glutCreateWindow("culling lab");
    glutDisplayFunc(ignoreDisplay);
    glutReshapeFunc(recordSize);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    // The first reshape arrives once the window is mapped; give the server up to two seconds.
    for (int i = 0; i < 200 && reportedWidth == 0; ++i) {
        glutMainLoopEvent();
        if (reportedWidth == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (reportedWidth == 0) recordSize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    opened = true;
    return true;
}

int labWindowWidth() { return reportedWidth; }
int labWindowHeight() { return reportedHeight; }

std::string glDescription() {
    return glString(GL_RENDERER) + ", OpenGL " + glString(GL_VERSION) + " (" + glString(GL_VENDOR) + ")";
}

int colourChannelBits() {
    GLint red = 0, green = 0, blue = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    return std::min(red, std::min(green, blue));
}
