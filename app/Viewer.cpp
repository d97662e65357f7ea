#include "app/Viewer.h"

#include "app/Cameras.h"
#include "app/FrameTimer.h"
#include "app/Hud.h"
#include "app/Projection.h"
#include "culling/CullingPipeline.h"
#include "culling/OcclusionMap.h"
#include "geometry/Transforms.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

std::ofstream outputFile;

namespace {

constexpr int windowSide = 640;
constexpr const char* windowTitle = "- Brisel Project -";

const GLfloat lightAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
const GLfloat lightDiffuse[] = {0.7f, 0.7f, 0.7f, 1.0f};
const GLfloat lightSpecular[] = {0.9f, 0.9f, 0.9f, 0.8f};
const GLfloat lightPosition[] = {80.0f, 120.0f, 100.0f, 0.0f}; // directional
const GLfloat materialSpecular[] = {0.9f, 0.9f, 0.9f, 0.8f};
const GLfloat materialAmbientDiffuse[] = {0.8f, 0.0f, 0.0f, 0.2f};
constexpr GLint materialShininess = 128;

// GLUT wants an argument list; the viewer passes none of its own.
int toolkitArgc = 1;
char toolkitName[] = "brisel";
char* toolkitArgv[] = {toolkitName, nullptr};

} // namespace

void writeExitRecord(std::ostream& out, double seconds) {
    out << "Time spent traversing the tree: " << seconds << " seconds." << std::endl;
}

void setupLighting() {
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_COLOR_MATERIAL);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, materialAmbientDiffuse);
    glMateriali(GL_FRONT, GL_SHININESS, materialShininess);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition); // last: placed by the main camera's view
}

void display() {
    updateFrameTimer();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    try {
        const Geometry::Matrix view =
            Geometry::transpose(Geometry::lookAt(mainCamera.eye, mainCamera.target, {0.0, 1.0, 0.0}));
        glMultMatrixd(view.m.data());
    } catch (const Geometry::ZeroDivide&) {
        return; // abandon the frame: nothing cleared, drawn or swapped
    }
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    cullAndDrawFrame();
    drawHud();
    glutSwapBuffers();
}

void reshape(int width, int height) {
    // Recorded even for a zero-sized window: pixels outside the window (all of them, then) are
    // undefined in the map's read-back and must never count as covered.
    setMapWindowSize(width, height);
    const std::optional<Frustum> frustum = frustumFor(width, height);
    if (!frustum) return;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(frustum->left, frustum->right, frustum->bottom, frustum->top, frustum->nearPlane,
              frustum->farPlane);
}

void keyboard(unsigned char key, int /*x*/, int /*y*/) {
    std::printf("key: %d\n", key);
    std::fflush(stdout);
    if (key == escapeKey) {
        writeExitRecord(outputFile, traversalSeconds());
        releaseOcclusionMap();
        std::exit(0);
    }
    handleKey(key);
}

void initApp() {
    startFrameTimer();
    resetCameras();
    buildScene();
    allocateOcclusionMap();
    outputFile.open("output.txt", std::ios::out | std::ios::trunc);
    glutInit(&toolkitArgc, toolkitArgv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowSide, windowSide);
    glutCreateWindow(windowTitle);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutIdleFunc(glutPostRedisplay);
    glutMainLoop();
}
