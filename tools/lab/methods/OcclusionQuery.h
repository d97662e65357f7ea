#pragma once
// occlusion-query: the occluders drawn depth-only off-screen, then each occludee's own faces drawn
// with colour and depth writes off inside a GL_ANY_SAMPLES_PASSED query; culled when no sample
// passed. Exact against the occluders at the target's resolution.
//   stop-and-wait: all queries issued, then all read in the same pass.
//   previous-frame: this pass decides with the answers of the previous pass while it issues its
//   own, which the next pass reads; nothing waits, but what just came into view pops in a frame
//   late.

#include "methods/CullMethod.h"
#include "methods/GlDepthPass.h"

#include <vector>

struct QueryState {
    int side = 640;               // the depth target's side
    DepthTarget target;
    std::vector<unsigned> queries; // one per occludee, created on first use
    bool pending = false;          // previous-frame: the last pass's queries await reading
};

// Deletes the state's GL objects (needs the context); the state can then be used again.
void releaseQueryState(QueryState& state);

// Stop-and-wait. Stages "occluders", "queries issued", "results read".
CullOutcome runOcclusionQueries(const CullScene& scene, const CullView& view, QueryState& state);
void runOcclusionQueries(const CullScene& scene, const CullView& view, QueryState& state, CullOutcome& outcome);

// Previous-frame. Stages "results read", "occluders", "queries issued". A first pass, or one
// after the occludee count changed, has no answers and culls nothing.
CullOutcome runPreviousFrameQueries(const CullScene& scene, const CullView& view, QueryState& state);
void runPreviousFrameQueries(const CullScene& scene, const CullView& view, QueryState& state,
                             CullOutcome& outcome);
