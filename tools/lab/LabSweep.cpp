#include "LabSweep.h"

#include "GroundTruth.h"
#include "LabImages.h"
#include "LabStages.h"
#include "app/Cameras.h"
#include "app/Projection.h"
#include "culling/CullingPipeline.h"
#include "culling/OcclusionMap.h"
#include "methods/OccluderTruth.h"
#include "scene/Scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <ostream>

namespace {

constexpr int frameSide = 640;

const SweepPlan* activePlan = nullptr; // the plan runSweep works through

OrbitCamera cameraAt(int key) {
    const SweepPlan& plan = *activePlan;
    if (plan.cameras.empty()) {
        OrbitCamera camera = fakeCamera;
        camera.angle = (key % 360 + 360) % 360;
        updateEye(camera);
        return camera;
    }
    const int count = static_cast<int>(plan.cameras.size());
    const int view = plan.axis.orbit ? (key % 360 + 360) % 360 / 5 : key;
    return plan.cameras[static_cast<std::size_t>((view % count + count) % count)];
}

// The frame before: 5 degrees back on an orbit, else the viewpoint before (the last for the first).
int previousKey(const SweepPlan& plan, int key) { return plan.axis.orbit ? key - 5 : key - 1; }

void aimFakeCamera(int angle) {
    fakeCamera = cameraAt(angle);
    mainCamera = fakeCamera; // the frame is drawn from the fake camera, lit as the viewer lights it
    lockToFakeCamera = true;
}

// Every object that is not tested, ascending: drawn whatever a method decides.
std::vector<std::uint32_t> untestedObjects() {
    std::vector<std::uint32_t> untested;
    std::size_t next = 0;
    for (std::uint32_t i = 0; i < sceneObjects.size(); ++i) {
        if (next < occludeeIndices.size() && occludeeIndices[next] == i) {
            ++next;
            continue;
        }
        untested.push_back(i);
    }
    return untested;
}

// `work` with the GL state around it kept, so that no method leaves its settings to the frames or
// methods after it. The saving is outside the pass's own timing.
template <typename Work> auto guarded(Work&& work) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    auto result = work();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    return result;
}

} // namespace

CullOutcome runKeepingState(const CullingMethod& method, const MethodCall& call, std::size_t config) {
    return guarded([&] { return method.run(call, config); });
}

namespace {

// The method's pass, then the objects outside the view marked culled when the plan leaves them out.
CullOutcome runGuarded(const CullingMethod& method, const MethodCall& call, std::size_t config,
                       const std::vector<bool>& outside) {
    CullOutcome outcome = runKeepingState(method, call, config);
    for (std::size_t i = 0; i < outside.size() && i < outcome.culled.size(); ++i)
        if (outside[i]) outcome.culled[i] = true;
    return outcome;
}

struct Run {
    const CullingMethod* method = nullptr;
    std::size_t config = 0;
    CullOutcome first;
    double mapAgreement = -1.0;
    std::size_t drawnSet = 0;
    std::vector<std::vector<double>> stageSamples; // [stage][round]
    std::vector<double> passSamples;
};

// The index of `culled` among the sets drawn this angle, adding it when new.
std::size_t setIndex(std::vector<std::vector<bool>>& sets, const std::vector<bool>& culled) {
    const auto found = std::find(sets.begin(), sets.end(), culled);
    if (found != sets.end()) return static_cast<std::size_t>(found - sets.begin());
    sets.push_back(culled);
    return sets.size() - 1;
}

void keepSample(Run& run, const CullOutcome& outcome) {
    for (std::size_t s = 0; s < outcome.stages.size(); ++s)
        run.stageSamples[s].push_back(outcome.stages[s].seconds);
    run.passSamples.push_back(passSeconds(outcome));
}

// One angle of the sweep: its truths, the methods' runs and the distinct sets they draw.
struct AngleWork {
    int angle = 0;
    MethodCall call;
    // Per occludee that shows, its position and pixels at 640 x 640 and at 64 x 64: most of a big
    // scene shows nowhere, and every angle's truths are kept to the end.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> idShown, coarseShown;
    std::vector<bool> visible, hidden, hideable;
    std::vector<bool> outside; // left out before any method runs (SweepPlan::frustumFirst)
    // Culled flags: draw-all, oracle, oracle-occluders, then the methods'.
    std::vector<std::vector<bool>> sets;
    std::vector<Run> runs;
    std::vector<std::vector<double>> drawSamples; // per set, one per repetition
};

// One repetition of drawing every set, with the fake camera at the angle. The lists are made anew
// each time, outside the timing: kept for every set of every angle, a big scene's would not fit.
void drawEachSet(AngleWork& a, const std::vector<std::uint32_t>& untested, const SweepPlan& plan) {
    for (std::size_t s = 0; s < a.sets.size(); ++s) {
        const std::vector<std::uint32_t> list = drawListOf(a.sets[s], untested);
        a.drawSamples[s].push_back(timed([&] {
            if (plan.bufferFrame)
                drawFrameWith(list, plan.bufferFrame);
            else
                drawFrame(list);
        }));
    }
}

std::string where(const Run& run, const SweepAxis& axis, int angle) {
    return run.method->name + " " + run.method->configs[run.config] + ", " + keyLabel(axis, angle);
}

} // namespace

SweepPlan fullSweepPlan() {
    SweepPlan plan;
    for (int angle = 0; angle < 360; angle += 5) plan.angles.push_back(angle);
    plan.pictureAngles = {165, 180, 225};
    plan.repeats = 9;
    return plan;
}

SweepPlan quickSweepPlan() {
    SweepPlan plan = fullSweepPlan();
    plan.angles = {0, 165, 180, 225, 270};
    plan.repeats = 3;
    return plan;
}

std::string keyLabel(const SweepAxis& axis, int key) {
    return axis.orbit ? std::to_string(key) + " degrees" : "viewpoint " + std::to_string(key);
}

SweepPlan plannedOver(std::vector<OrbitCamera> cameras, bool orbit, const Frustum& frustum, bool quick) {
    SweepPlan plan;
    const int count = static_cast<int>(cameras.size());
    plan.cameras = std::move(cameras);
    plan.frustum = frustum;
    plan.axis.orbit = orbit;
    plan.axis.frustumFirst = true;
    const int step = orbit ? 5 : 1;
    for (int i = 0; i < count; ++i) plan.angles.push_back(i * step);
    plan.pictureAngles = {0};
    for (int third : {count / 3, 2 * count / 3})
        if (third > plan.pictureAngles.back() / step) plan.pictureAngles.push_back(third * step);
    plan.axis.from = 0;
    plan.axis.to = (count - 1) * step;
    plan.axis.costKeys = plan.pictureAngles;
    plan.axis.frameKey = plan.pictureAngles.back();
    if (quick) {
        plan.repeats = 3;
        std::vector<int> keys = plan.pictureAngles;
        for (int extra : {1, count - 1})
            if (extra > 0 && extra < count && std::find(keys.begin(), keys.end(), extra * step) == keys.end())
                keys.push_back(extra * step);
        std::sort(keys.begin(), keys.end());
        plan.angles = keys;
    }
    return plan;
}

std::vector<MethodRow> methodMajor(std::vector<MethodRow> rows, const std::vector<CullingMethod>& methods) {
    std::vector<std::string> order;
    for (const CullingMethod& method : methods)
        for (const std::string& config : method.configs) order.push_back(method.name + " " + config);
    const auto rank = [&](const MethodRow& row) {
        return std::find(order.begin(), order.end(), row.method + " " + row.config) - order.begin();
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const MethodRow& a, const MethodRow& b) {
        const auto ra = rank(a), rb = rank(b);
        if (ra != rb) return ra < rb;
        if (a.method != b.method) return a.method < b.method; // baselines, in a fixed order
        return a.angle < b.angle;
    });
    return rows;
}

SweepResult runSweep(const SweepPlan& plan, const std::vector<CullingMethod>& methods,
                     const std::string& folder, std::ostream& progress) {
    SweepResult sweep;
    activePlan = &plan;
    const std::vector<std::uint32_t> untested = untestedObjects();
    const bool buffers = static_cast<bool>(plan.bufferTruths);
    IdScene idScene = buffers ? IdScene{} : makeIdScene(sceneObjects);
    std::vector<SceneObject> painted = buffers ? std::vector<SceneObject>{} : sceneObjects;
    // The scene stays as it is for the whole sweep.
    const CullScene scene{&sceneObjects, &occluderIndices, &occludeeIndices, newSceneGeneration()};
    const Frustum frustum = plan.frustum;
    const std::size_t occludees = occludeeIndices.size();

    // One frame first, as the viewer's steady state has it: from the second frame on, face
    // culling stays enabled for the occlusion map render too.
    aimFakeCamera(plan.angles.empty() ? 0 : plan.angles.front());
    if (buffers) {
        drawFrameWith(drawListOf({}, untested), plan.bufferFrame);
    } else {
        drawFrame(drawListOf({}, untested));
        cullAndDrawFrame();
    }

    // Truths, decisions and the first repetition, angle after angle.
    std::vector<AngleWork> work;
    for (int angle : plan.angles) {
        const auto start = std::chrono::steady_clock::now();
        aimFakeCamera(angle);
        AngleWork a;
        a.angle = angle;
        a.call = {&scene, {fakeCamera, frustum}, {cameraAt(previousKey(plan, angle)), frustum}, 0, false};

        BufferTruths fromBuffers;
        if (buffers) fromBuffers = plan.bufferTruths(a.call.view);
        const IdCoverage coverage =
            buffers ? fromBuffers.fine : renderIdFrame(idScene, fakeCamera, frameSide);
        if (coverage.unknownPixels > 0)
            sweep.problems.push_back(keyLabel(plan.axis, angle) + ": " +
                                     std::to_string(coverage.unknownPixels) +
                                     " pixels of the ID frame name no object");
        // The same frame at the map's resolution: a false cull that shows even there is not one
        // of resolution.
        const IdCoverage coarse =
            buffers ? fromBuffers.coarse
                    : renderIdFrame(idScene, fakeCamera, static_cast<int>(occlusionMapSide));
        for (std::size_t i = 0; i < occludees; ++i) {
            const std::uint32_t index = occludeeIndices[i];
            if (coverage.pixels[index] > 0)
                a.idShown.emplace_back(static_cast<std::uint32_t>(i), coverage.pixels[index]);
            if (coarse.pixels[index] > 0)
                a.coarseShown.emplace_back(static_cast<std::uint32_t>(i), coarse.pixels[index]);
        }
        if (buffers)
            for (std::uint32_t index : occludeeIndices) a.hideable.push_back(!fromBuffers.passed[index]);
        else
            a.hideable = hiddenByOccluders(occluderOnlyPixels(scene, a.call.view, frameSide));
        a.visible.assign(occludees, false);
        for (const auto& shown : a.idShown) a.visible[shown.first] = true;
        for (std::size_t i = 0; i < occludees; ++i) {
            a.hidden.push_back(!a.visible[i]);
            if (a.visible[i] && a.hideable[i])
                sweep.problems.push_back(keyLabel(plan.axis, angle) + ": object " +
                                         std::to_string(occludeeIndices[i]) +
                                         " shows in the full scene but is hidden by the occluders alone");
        }

        // Draw-all, the two floors, then every distinct set the methods cull.
        a.outside =
            plan.axis.frustumFirst ? outsideView(scene, a.call.view) : std::vector<bool>(occludees, false);
        a.sets = {a.outside, a.hidden, a.hideable};
        for (const CullingMethod& method : methods)
            for (std::size_t config = 0; config < method.configs.size(); ++config) {
                Run run{&method, config, runGuarded(method, a.call, config, a.outside), -1.0, 0, {}, {}};
                if (method.mapAgreement)
                    run.mapAgreement = guarded([&] { return method.mapAgreement(a.call, config); });
                run.drawnSet = setIndex(a.sets, run.first.culled);
                run.stageSamples.resize(run.first.stages.size());
                if (run.first.culled.size() != occludees)
                    sweep.problems.push_back(where(run, plan.axis, angle) +
                                             ": no decision for every occludee");
                keepSample(run, run.first);
                a.runs.push_back(std::move(run));
            }
        a.drawSamples.resize(a.sets.size());
        drawEachSet(a, untested, plan);
        work.push_back(std::move(a));

        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const AngleWork& w = work.back();
        progress << "[" << work.size() << "/" << plan.angles.size() << "] " << keyLabel(plan.axis, angle)
                 << ": " << std::count(w.hidden.begin(), w.hidden.end(), true) << " hidden, "
                 << std::count(w.hideable.begin(), w.hideable.end(), true) << " by the occluders alone, "
                 << std::count(w.outside.begin(), w.outside.end(), true) << " outside the view; "
                 << w.sets.size() << " distinct frames (" << static_cast<int>(seconds * 1e3) << " ms)"
                 << std::endl;
    }

    // The other repetitions sweep every angle again, so that a burst of load elsewhere on the
    // machine spoils one sample of many angles rather than every sample of a few; each round is a
    // full turn of the camera for the methods that remember the last frame.
    for (int round = 1; round < plan.repeats; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (AngleWork& a : work) {
            aimFakeCamera(a.angle);
            a.call.round = round;
            for (Run& run : a.runs) {
                const CullOutcome again = runGuarded(*run.method, a.call, run.config, a.outside);
                if (again.culled != run.first.culled || again.stages.size() != run.stageSamples.size())
                    sweep.problems.push_back(where(run, plan.axis, a.angle) + ": repetition " +
                                             std::to_string(round) + " decided differently");
                else
                    keepSample(run, again);
            }
            drawEachSet(a, untested, plan);
        }
        progress << "repetition " << round + 1 << "/" << plan.repeats << " of every "
                 << (plan.axis.orbit ? "angle" : "viewpoint") << " ("
                 << static_cast<int>(
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count())
                 << " s)" << std::endl;
    }

    for (const AngleWork& a : work) {
        std::vector<std::uint32_t> idPixels(occludees, 0), coarsePixels(occludees, 0);
        for (const auto& shown : a.idShown) idPixels[shown.first] = shown.second;
        for (const auto& shown : a.coarseShown) coarsePixels[shown.first] = shown.second;
        const double drawAll = median(a.drawSamples[0]), oracle = median(a.drawSamples[1]),
                     oracleOccluders = median(a.drawSamples[2]);
        const auto row = [&](const std::string& method, const std::string& config,
                             const std::vector<bool>& culled, std::size_t set) {
            MethodRow r;
            r.method = method;
            r.config = config;
            r.angle = a.angle;
            r.orbit = plan.axis.orbit;
            r.counts = judge(culled, idPixels, a.hideable, coarsePixels);
            r.draw = r.frame = spreadOf(a.drawSamples[set]);
            r.drawAll = drawAll;
            r.oracle = oracle;
            r.oracleOccluders = oracleOccluders;
            return r;
        };
        for (const Run& run : a.runs) {
            MethodRow r =
                row(run.method->name, run.method->configs[run.config], run.first.culled, run.drawnSet);
            r.homCounters = run.method->mapCounters;
            r.passedHom = run.first.passedHom;
            r.passedDeb = run.first.passedDeb;
            for (std::size_t s = 0; s < run.first.stages.size(); ++s) {
                r.stageNames.push_back(run.first.stages[s].name);
                r.stages.push_back(spreadOf(run.stageSamples[s]));
            }
            if (r.stages.size() > maxStages)
                sweep.problems.push_back(where(run, plan.axis, a.angle) +
                                         ": more stages than the CSV has columns");
            r.pass = spreadOf(run.passSamples);
            r.coverageAgreement = run.mapAgreement;
            // A repetition's culled frame is its pass and the same repetition's drawing of the set.
            std::vector<double> frames;
            const std::vector<double>& draws = a.drawSamples[run.drawnSet];
            for (std::size_t i = 0; i < run.passSamples.size() && i < draws.size(); ++i)
                frames.push_back(run.passSamples[i] + draws[i]);
            r.frame = spreadOf(frames);
            const auto listed = [&](const std::vector<std::string>& configs) {
                return std::find(configs.begin(), configs.end(), r.config) != configs.end();
            };
            if (r.counts.falseCulls > 0 && listed(run.method->exact))
                sweep.problems.push_back(where(run, plan.axis, a.angle) + ": " +
                                         std::to_string(r.counts.falseCulls) +
                                         " false culls from a configuration meant to have none");
            if (r.counts.coarseFalseCulls > 0 && listed(run.method->coarseExact))
                sweep.problems.push_back(
                    where(run, plan.axis, a.angle) + ": " + std::to_string(r.counts.coarseFalseCulls) +
                    " false culls that show even at 64 x 64, from a configuration meant to have none");
            sweep.rows.push_back(std::move(r));
        }
        sweep.rows.push_back(row(drawAllName, "-", a.sets[0], 0));
        sweep.rows.push_back(row(oracleName, "-", a.sets[1], 1));
        sweep.rows.push_back(row(oracleOccludersName, "-", a.sets[2], 2));

        if (buffers || std::find(plan.pictureAngles.begin(), plan.pictureAngles.end(), a.angle) ==
                           plan.pictureAngles.end())
            continue;
        aimFakeCamera(a.angle);
        for (const CullingMethod& method : methods) {
            MethodCall withPictures = a.call;
            withPictures.pictures = true;
            withPictures.round = plan.repeats; // a history of its own: the sweep's stay as they are
            const CullOutcome outcome = runGuarded(method, withPictures, method.defaultConfig, a.outside);
            std::vector<Outcome> outcomes;
            for (std::size_t i = 0; i < occludees; ++i)
                outcomes.push_back(classifyOutcome(i < outcome.culled.size() && outcome.culled[i],
                                                   a.visible[i], a.hideable[i]));
            SweepPicture picture{method.name,
                                 method.configs[method.defaultConfig],
                                 a.angle,
                                 "outcomes-" + method.name + "-" + (plan.axis.orbit ? "" : "view") +
                                     std::to_string(a.angle) + ".png",
                                 {}};
            for (const BufferPicture& buffer : outcome.pictures) picture.captions.push_back(buffer.caption);
            if (!writeRgbPng(folder + "/" + picture.file,
                             outcomeSheet(outcomeView(painted, outcomes, frameSide), outcome.pictures)))
                sweep.problems.push_back(keyLabel(plan.axis, a.angle) + ": " + picture.file + " not written");
            sweep.pictures.push_back(std::move(picture));
        }
    }
    activePlan = nullptr;
    return sweep;
}
