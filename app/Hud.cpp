#include "app/Hud.h"

#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "culling/FrameStats.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <sstream>

std::array<std::string, hudLineCount> hudLines(const HudValues& v) {
    // Floats use a stream's default formatting: six significant digits, 255/255 -> "1".
    const float frameRate = static_cast<float>(1.0 / v.frameSeconds);
    const float opacity = static_cast<float>(v.opacityThreshold / 255.0);
    std::array<std::ostringstream, hudLineCount> line;
    line[0] << "FPS: " << frameRate;
    line[1] << "Total # of Objects: " << v.objectCount
            << "       Controls:   < Spin Cam Left       > Spin Cam Right";
    line[2] << "# of Occluders: " << v.occluderCount << "        ; Spin Fake Cam Left      ' Spin Fake Cam Right";
    line[3] << "# of Passed HOM: " << v.passedHom << "          c Lock Cam to Fake Cam";
    line[4] << "# of Pass DEB: " << v.passedDeb
            << "          Is Camera Locked to Fake Cam: " << (v.lockToFakeCamera ? "true" : "false");
    line[5] << "Opacity: " << opacity << "          + Increase Opacity     - Decrease Opacity";
    std::array<std::string, hudLineCount> texts;
    for (unsigned i = 0; i < hudLineCount; ++i) texts[i] = line[i].str();
    return texts;
}

HudValues currentHudValues() {
    HudValues v;
    v.frameSeconds = frameSeconds;
    v.objectCount = static_cast<std::uint32_t>(sceneObjects.size());
    v.occluderCount = static_cast<std::uint32_t>(occluderIndices.size());
    v.passedHom = frameStats.passedHom;
    v.passedDeb = frameStats.passedDeb;
    v.opacityThreshold = opacityThreshold;
    v.lockToFakeCamera = lockToFakeCamera;
    return v;
}

void drawHudLine(unsigned lineOffset, std::string text) {
    glRasterPos2f(0.0f, static_cast<float>(hudTop - lineOffset));
    for (char c : text) glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, static_cast<unsigned char>(c));
}

void drawHud() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, 640.0, 0.0, 640.0);
    glColor3f(1.0f, 1.0f, 1.0f);
    const auto lines = hudLines(currentHudValues());
    for (unsigned i = 0; i < hudLineCount; ++i) drawHudLine(i * hudLineStep, lines[i]);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
}
