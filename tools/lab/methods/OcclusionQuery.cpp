#include "methods/OcclusionQuery.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// Makes one query object per occludee; a changed count drops the old ones and any pending answers.
void ensureQueries(QueryState& state, std::size_t count) {
    if (state.queries.size() == count) return;
    if (!state.queries.empty()) glDeleteQueries(static_cast<GLsizei>(state.queries.size()), state.queries.data());
    state.queries.assign(count, 0);
    if (count > 0) glGenQueries(static_cast<GLsizei>(count), state.queries.data());
    state.pending = false;
}

// The occluders' depth, then one query per occludee against it.
void drawAndIssue(const CullScene& scene, const CullView& view, QueryState& state, CullOutcome& outcome) {
    DepthPassScope pass(state.target, view);
    GlStageClock clock;
    clock.start();
    drawOccluderDepth(scene);
    clock.stop(outcome.stages, "occluders");

    clock.start();
    glDepthMask(GL_FALSE); // an occludee must not hide the ones after it
    // Equal depth passes, so an occluder that is tested too never hides itself; depths of different
    // triangles round apart at 24 bits, so within four steps counts as equal.
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, -4.0f);
    const std::vector<std::uint32_t>& occludees = *scene.occludees;
    for (std::size_t i = 0; i < occludees.size(); ++i) {
        glBeginQuery(GL_ANY_SAMPLES_PASSED, state.queries[i]);
        drawObject(scene, occludees[i]);
        glEndQuery(GL_ANY_SAMPLES_PASSED);
    }
    clock.stop(outcome.stages, "queries issued");
}

void readResults(QueryState& state, CullOutcome& outcome) {
    GlStageClock clock;
    clock.start();
    for (std::size_t i = 0; i < state.queries.size(); ++i) {
        GLuint anyPassed = 1;
        glGetQueryObjectuiv(state.queries[i], GL_QUERY_RESULT, &anyPassed);
        outcome.culled[i] = anyPassed == 0;
    }
    clock.stop(outcome.stages, "results read");
}

void startOutcome(const CullScene& scene, QueryState& state, CullOutcome& outcome) {
    ensureDepthTarget(state.target, state.side);
    ensureQueries(state, scene.occludees->size());
    outcome.culled.assign(scene.occludees->size(), false);
    outcome.stages.clear();
    outcome.passedHom = outcome.passedDeb = 0;
    outcome.pictures.clear();
}

} // namespace

void releaseQueryState(QueryState& state) {
    if (!state.queries.empty()) glDeleteQueries(static_cast<GLsizei>(state.queries.size()), state.queries.data());
    state.queries.clear();
    state.pending = false;
    releaseDepthTarget(state.target);
}

void runOcclusionQueries(const CullScene& scene, const CullView& view, QueryState& state, CullOutcome& outcome) {
    startOutcome(scene, state, outcome);
    drawAndIssue(scene, view, state, outcome);
    readResults(state, outcome);
    state.pending = false; // read: a previous-frame pass after this one must not reuse them
    checkGlErrors("runOcclusionQueries");
}

CullOutcome runOcclusionQueries(const CullScene& scene, const CullView& view, QueryState& state) {
    CullOutcome outcome;
    runOcclusionQueries(scene, view, state, outcome);
    return outcome;
}

void runPreviousFrameQueries(const CullScene& scene, const CullView& view, QueryState& state,
                             CullOutcome& outcome) {
    startOutcome(scene, state, outcome);
    if (state.pending) readResults(state, outcome);
    else outcome.stages.push_back({"results read", 0.0});
    drawAndIssue(scene, view, state, outcome);
    state.pending = true;
    checkGlErrors("runPreviousFrameQueries");
}

CullOutcome runPreviousFrameQueries(const CullScene& scene, const CullView& view, QueryState& state) {
    CullOutcome outcome;
    runPreviousFrameQueries(scene, view, state, outcome);
    return outcome;
}
