// culling-explorer: the viewer's scene, cameras and keys, with a choice of culling methods and
// every mistake of the chosen one drawn: false culls filled magenta, correct culls as green
// wireframes, against a truth taken every frame from the fake camera.

#include "ExactTruth.h"
#include "ExplorerMethods.h"
#include "ExplorerOverlay.h"
#include "Ghosts.h"
#include "GroundTruth.h"
#include "MeshArrays.h"
#include "ModelScene.h"
#include "SceneInstall.h"
#include "SceneSetup.h"
#include "ViewFrustum.h"
#include "app/Cameras.h"
#include "app/Projection.h"
#include "app/Viewer.h"
#include "culling/CullingPipeline.h"
#include "culling/OcclusionMap.h"
#include "geometry/Transforms.h"
#include "mesh/DrawMesh.h"
#include "methods/OccluderTruth.h"
#include "scene/Scene.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int windowSide = 640;
constexpr int truthSide = 640;
constexpr const char* windowTitle = "- culling explorer -";

struct Explorer {
    std::size_t method = 0;
    bool ghosts = true;
    bool truth = true;
    int buffer = -1;
    unsigned keys = 0;
    bool report = false; // print the state line after the next frame

    Frustum frustum = *frustumFor(windowSide, windowSide);
    IdScene idScene;
    // The scene in a GL buffer, for the lit picture and the filled ghosts; without one, drawn as the
    // viewer draws. The outlined ghosts stay immediate mode: on llvmpipe, lines from an array draw
    // pass the depth test at other pixels than those from glBegin.
    int arraysReady = 0; // 0 not tried, 1 ready, -1 unavailable
    MeshArrays arrays;
    std::vector<SceneObject> falseGhosts;      // the scene in the false-cull colour, without the buffer
    std::vector<SceneObject> correctGhosts;    // and in the correct-cull colour
    std::vector<bool> visible, occluderHidden; // truths from the fake camera
    Judgement judgement;
    Timings timings;     // medians over the frames since the last change
    bool framed = false; // lastFrame holds the previous frame's start
    Clock::time_point lastFrame;
    std::size_t lastPictureCount = 0;

    Scenes::SceneSetup scene;
    std::vector<std::uint32_t> untested; // drawn whatever the method decides
    std::vector<OrbitCamera> mainOrbit;  // on a scene of viewpoints: the main camera's, 5 degrees apart
    std::size_t view = 0;                // the fake camera's viewpoint there

    // A scene installed lean (Scenes::installsLean) is drawn, and its truth taken, from GL buffers.
    bool lean = false;
    int gpuReady = 0; // 0 not tried, 1 ready, -1 unavailable
    ModelGpu model;
    std::vector<float> ghostLines;    // scratch: the culled boxes' edges
    std::vector<bool> outsideObjects; // per object: wholly outside the fake camera's view this frame
};

Explorer explorer;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<SceneObject> painted(const std::vector<SceneObject>& objects, Outcome outcome) {
    std::vector<SceneObject> copies = objects;
    for (SceneObject& copy : copies) copy.setColor(outcomeColour(outcome));
    return copies;
}

void drawObjects(const std::vector<SceneObject>& objects, const std::vector<std::uint32_t>& indices) {
    for (std::uint32_t index : indices) drawMesh(objects[index].faces, objects[index].vertices);
}

// The boxes of the listed objects (their first eight vertices, the corners) as lines or as
// filled faces, from one vertex array.
void drawBoxes(const std::vector<std::uint32_t>& indices, const Geometry::Vector& colour, bool filled) {
    static const int edges[24] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 2, 1, 3, 4, 6, 5, 7, 0, 4, 1, 5, 2, 6, 3, 7};
    static const int faces[36] = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                                  2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    std::vector<float>& points = explorer.ghostLines;
    points.clear();
    for (std::uint32_t index : indices) {
        if (index < explorer.outsideObjects.size() && explorer.outsideObjects[index]) continue;
        const std::vector<Geometry::Vector>& corners = sceneObjects[index].vertices;
        if (corners.size() < 8) continue;
        for (int k = 0; k < (filled ? 36 : 24); ++k) {
            const Geometry::Vector& p = corners[static_cast<std::size_t>(filled ? faces[k] : edges[k])];
            points.insert(points.end(),
                          {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
        }
    }
    if (points.empty()) return;
    glColor3d(colour.x, colour.y, colour.z);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, points.data());
    glDrawArrays(filled ? GL_TRIANGLES : GL_LINES, 0, static_cast<GLsizei>(points.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
}

// Uploads the scene once, or makes the false ghosts' copy when the GL cannot hold it.
bool arraysReady() {
    if (explorer.arraysReady == 0) {
        explorer.arraysReady = uploadMeshArrays(sceneObjects, explorer.arrays) ? 1 : -1;
        if (explorer.arraysReady < 0) explorer.falseGhosts = painted(sceneObjects, Outcome::FalseCull);
    }
    return explorer.arraysReady > 0;
}

// The viewer's drawVisibleObjects, from the scene's buffer: the same state, pixels and order.
void drawLitPicture() {
    if (!arraysReady()) {
        drawVisibleObjects();
        return;
    }
    loadCameraView(lockToFakeCamera ? fakeCamera : mainCamera);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glViewport(0, 0, windowSide, windowSide);
    drawMeshArrays(explorer.arrays, visibleIndices);
}

// Over the finished scene, with its camera and depth: unlit, so the colours stay exact.
void drawGhosts(const Judgement& judgement) {
    glDisable(GL_LIGHTING);
    // Only the boxes are kept: false culls filled, correct ones outlined, leaving out what lies
    // outside the view (most of a big scene, and not the method's decision).
    if (explorer.lean) {
        drawBoxes(judgement.filled, outcomeColour(Outcome::FalseCull), true);
        drawBoxes(judgement.wireframe, outcomeColour(Outcome::CulledCorrectly), false);
        return;
    }
    const Geometry::Vector falseColour = outcomeColour(Outcome::FalseCull);
    if (arraysReady())
        drawMeshArrays(explorer.arrays, judgement.filled, &falseColour);
    else
        drawObjects(explorer.falseGhosts, judgement.filled);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    drawObjects(explorer.correctGhosts, judgement.wireframe);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

// Both truths in one pass over the scene's GL buffers; the same pixels and flags as the two renders
// below, which remain for a GL without storage buffers.
bool takeFastTruth() {
    static GpuScene gpu;
    static TruthTarget target;
    static std::vector<Box> boxes;
    static BoxHierarchy hierarchy;
    static int ready = 0; // 0 not tried, 1 ready, -1 unavailable
    if (ready == 0) {
        std::string error;
        ready = buildGpuPrograms(error) ? 1 : -1;
        if (ready < 0) {
            std::cerr << "culling-explorer: slow truth passes: " << error << "\n";
        } else {
            uploadGpuScene(instancedFromObjects(sceneObjects, occluderIndices), gpu);
            boxes = cornerBoxes(sceneObjects);
            hierarchy = buildHierarchy(boxes);
        }
    }
    if (ready < 0) return false;
    const TruthBoxes settled{&hierarchy, &boxes};
    const ExactTruth truth =
        takeExactTruth(gpu, target, {fakeCamera, explorer.frustum}, truthSide, nullptr, &settled, false);
    for (std::uint32_t index : occludeeIndices) {
        explorer.visible.push_back(truth.coverage.pixels[index] > 0);
        explorer.occluderHidden.push_back(!truth.passed[index]);
    }
    return true;
}

// Uploads a lean scene once; false when the GL cannot draw it from buffers.
bool modelReady() {
    if (explorer.gpuReady == 0) {
        std::string error;
        explorer.gpuReady = prepareModelGpu(explorer.scene.model, explorer.model, error) ? 1 : -1;
        if (explorer.gpuReady < 0) {
            std::cerr << "culling-explorer: " << explorer.scene.model.source
                      << " needs storage buffers (OpenGL 4.3): " << error << "\n";
            std::exit(2);
        }
        explorer.scene.model.objects = {}; // only the boxes and GL buffers are used from here on
        explorer.scene.model.nameText = {};
    }
    return explorer.gpuReady > 0;
}

void takeTruth() {
    explorer.visible.clear();
    explorer.occluderHidden.clear();
    if (!explorer.truth) return;
    const Clock::time_point start = Clock::now();
    if (explorer.lean) {
        const ExactTruth truth = modelTruth(explorer.model, {fakeCamera, explorer.frustum}, truthSide, false);
        for (std::uint32_t index : occludeeIndices) {
            explorer.visible.push_back(truth.coverage.pixels[index] > 0);
            explorer.occluderHidden.push_back(!truth.passed[index]);
        }
        glFinish();
        explorer.timings.truth.push(secondsSince(start));
        return;
    }
    if (takeFastTruth()) {
        glFinish();
        explorer.timings.truth.push(secondsSince(start));
        return;
    }
    const IdCoverage coverage = renderIdFrame(explorer.idScene, fakeCamera, truthSide);
    explorer.visible = visibleFlags(coverage, occludeeIndices);
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    explorer.occluderHidden =
        hiddenByOccluders(occluderOnlyPixels(scene, {fakeCamera, explorer.frustum}, truthSide));
    glFinish();
    explorer.timings.truth.push(secondsSince(start));
}

void drawFrame() {
    const Clock::time_point start = Clock::now();
    if (explorer.framed)
        explorer.timings.frame.push(std::chrono::duration<double>(start - explorer.lastFrame).count());
    explorer.framed = true;
    explorer.lastFrame = start;

    if (explorer.lean) modelReady();
    glMatrixMode(GL_MODELVIEW);
    takeTruth();

    const ExplorerMethod& method = explorerMethods()[explorer.method];
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices};
    const CullView view{fakeCamera, explorer.frustum};
    glMatrixMode(GL_MODELVIEW);
    CullOutcome outcome = method.run(scene, view, explorer.buffer >= 0);
    if (!explorer.scene.viewerOrbit) { // as in the lab: frustum culling first, on any scene but the grid
        const std::vector<bool> outside = outsideView(scene, view);
        for (std::size_t i = 0; i < outside.size() && i < outcome.culled.size(); ++i)
            if (outside[i]) outcome.culled[i] = true;
        if (explorer.lean) {
            explorer.outsideObjects.assign(sceneObjects.size(), false);
            for (std::size_t i = 0; i < outside.size(); ++i)
                if (outside[i]) explorer.outsideObjects[occludeeIndices[i]] = true;
        }
    }
    explorer.lastPictureCount = outcome.pictures.size();
    explorer.timings.pass.push(passSeconds(outcome));
    judgeOccludees(occludeeIndices, outcome.culled, explorer.visible, explorer.occluderHidden,
                   explorer.judgement);

    glMatrixMode(GL_MODELVIEW);
    try {
        loadCameraView(mainCamera);
    } catch (const Geometry::ZeroDivide&) {
        return; // as the viewer does: no picture for a camera without a view
    }
    glViewport(0, 0, windowSide, windowSide);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    setupLighting();
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    visibleIndices.clear();
    for (std::size_t i = 0; i < occludeeIndices.size(); ++i)
        if (i >= outcome.culled.size() || !outcome.culled[i]) visibleIndices.push_back(occludeeIndices[i]);
    visibleIndices.insert(visibleIndices.end(), explorer.untested.begin(), explorer.untested.end());
    if (explorer.lean) {
        std::sort(visibleIndices.begin(), visibleIndices.end());
        drawModel(explorer.model, GpuPass::shaded, visibleIndices);
    } else {
        drawLitPicture();
    }
    if (explorer.ghosts) drawGhosts(explorer.judgement);

    OverlayValues values;
    values.method = method.name;
    values.configuration = method.configuration();
    values.mainAngle = mainCamera.angle;
    values.fakeAngle = fakeCamera.angle;
    values.fakeView = explorer.scene.viewerOrbit ? -1 : static_cast<int>(explorer.view);
    values.threshold = opacityThreshold;
    values.locked = lockToFakeCamera;
    values.ghosts = explorer.ghosts;
    values.truth = explorer.truth;
    values.buffer = explorer.buffer;
    values.occludees = static_cast<std::uint32_t>(occludeeIndices.size());
    values.culled = explorer.judgement.culled;
    values.falseCulls = explorer.judgement.falseCulls;
    values.missedCulls = explorer.judgement.missedCulls;
    values.keys = explorer.keys;
    values.timings = &explorer.timings;
    const bool showPicture =
        explorer.buffer >= 0 && static_cast<std::size_t>(explorer.buffer) < outcome.pictures.size();
    drawOverlay(values, showPicture ? &outcome.pictures[static_cast<std::size_t>(explorer.buffer)] : nullptr);
    glutSwapBuffers();

    if (explorer.report) {
        std::printf("%s\n", stateLine(values).c_str());
        std::fflush(stdout);
        explorer.report = false;
    }
}

void reshapeWindow(int width, int height) {
    reshape(width, height);
    if (!explorer.scene.viewerOrbit) { // the scene's own projection, whatever the window's shape
        const Frustum& f = explorer.frustum;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
        glMatrixMode(GL_MODELVIEW);
    } else if (const std::optional<Frustum> frustum = frustumFor(width, height)) {
        explorer.frustum = *frustum;
    }
}

// On a scene of viewpoints the keys move the cameras there: the main camera round the scene's box
// by its angle, the fake camera from viewpoint to viewpoint.
void placeCameras() {
    if (explorer.scene.viewerOrbit) return;
    const int step = static_cast<int>(mainCamera.angle) / 5;
    mainCamera = explorer.mainOrbit[static_cast<std::size_t>(step) % explorer.mainOrbit.size()];
    fakeCamera = explorer.scene.cameras[explorer.view];
}

void stepView(int by) {
    const std::size_t count = explorer.scene.cameras.size();
    if (explorer.scene.viewerOrbit) {
        handleKey(by > 0 ? '\'' : ';');
        return;
    }
    explorer.view = (explorer.view + (by > 0 ? 1 : count - 1)) % count;
}

void pressKey(unsigned char key, int /*x*/, int /*y*/) {
    std::printf("key: %d\n", key);
    std::fflush(stdout);
    ++explorer.keys;
    explorer.report = true;
    bool changed = true;
    switch (key) {
    case escapeKey: releaseOcclusionMap(); std::exit(0);
    case 'm':
        explorer.method = (explorer.method + 1) % explorerMethods().size();
        // A lean install keeps no faces to query with.
        if (explorer.lean && explorerMethods()[explorer.method].name == "occlusion-query")
            explorer.method = (explorer.method + 1) % explorerMethods().size();
        if (explorer.buffer >= 0) explorer.buffer = 0;
        break;
    case 'g': explorer.ghosts = !explorer.ghosts; break;
    case 't': explorer.truth = !explorer.truth; break;
    case 'b':
        // Off, then each of the method's pictures in turn, then off again.
        explorer.buffer = static_cast<std::size_t>(explorer.buffer + 1) <
                                  std::max<std::size_t>(explorer.lastPictureCount, 1)
                              ? explorer.buffer + 1
                              : -1;
        break;
    case 'p': changed = false; break;
    case ']':
    case '\'': stepView(1); break;
    case '[':
    case ';': stepView(-1); break;
    case '5':
        explorer.view = 0;
        handleKey(key);
        break;
    default: handleKey(key); break;
    }
    placeCameras();
    if (changed) { // the frame times describe one configuration at a time
        explorer.timings.clear();
        explorer.framed = false;
    }
}

} // namespace

int main(int argc, char** argv) {
    registerCitySource();
    Scenes::SceneChoice choice;
    choice.settings.gridMesh = BRISEL_EXPLORER_MESH;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (Scenes::takeSceneOption(args, i, choice, error) && error.empty()) continue;
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout
                << "usage: culling-explorer [--scene SCENE] [--views FILE] [--fov DEG] [--near D] [--far D]\n"
                << Scenes::sceneOptionsUsage;
            return 0;
        }
        std::cerr << "culling-explorer: " << (error.empty() ? "unknown option " + args[i] : error) << "\n";
        return 2;
    }
    std::string error;
    if (!Scenes::setUpScene(choice, explorer.scene, error)) {
        std::cerr << "culling-explorer: " << error << "\n";
        return 2;
    }
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::cerr << "culling-explorer: no X display (DISPLAY is unset); run it under xvfb-run, or "
                     "tools/explorer/run-explorer.sh for a tour\n";
        return 2;
    }
    resetCameras();
    explorer.lean = Scenes::installsLean(explorer.scene.model);
    explorer.untested = Scenes::installScene(explorer.scene.model);
    if (!explorer.scene.viewerOrbit) {
        explorer.frustum = explorer.scene.frustum;
        for (const Scenes::Viewpoint& view :
             Scenes::orbitViews(explorer.scene.model.bounds, Scenes::orbitViewCount))
            explorer.mainOrbit.push_back(Scenes::cameraOf(view));
        placeCameras();
    }
    allocateOcclusionMap();
    if (!explorer.lean) {
        explorer.idScene = makeIdScene(sceneObjects);
        explorer.correctGhosts = painted(sceneObjects, Outcome::CulledCorrectly);
    }

    int glutArgc = 1;
    char name[] = "culling-explorer";
    char* glutArgv[] = {name, nullptr};
    glutInit(&glutArgc, glutArgv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowSide, windowSide);
    glutCreateWindow(windowTitle);
    glutDisplayFunc(drawFrame);
    glutReshapeFunc(reshapeWindow);
    glutKeyboardFunc(pressKey);
    glutIdleFunc(glutPostRedisplay);
    glutMainLoop();
    return 0;
}
