#pragma once
// What the explorer makes of a method's decisions: which culled occludees it draws anyway (and how)
// and the tallies of the overlay, judged with the lab's outcome classes against the fake camera's
// truths.

#include "methods/Outcome.h"

#include <cstdint>
#include <vector>

// How a culled occludee is drawn anyway: a false cull filled in the lab's false-cull colour
// (magenta), a correct cull as a wireframe in the lab's correct-cull colour (green).
enum class Ghost { None, Filled, Wireframe };

Ghost ghostFor(Outcome outcome);

struct Judgement {
    std::vector<std::uint32_t> filled;    // scene indices of the false culls
    std::vector<std::uint32_t> wireframe; // scene indices of the correct culls
    std::uint32_t culled = 0;
    std::uint32_t falseCulls = 0;
    std::uint32_t missedCulls = 0;
    bool judged = false; // false without a truth: then only `culled` means anything
};

// `occludees` are scene indices; `culled`, `visible` and `hiddenByOccluders` are flags in the same
// order. An empty `visible` means no truth this frame: nothing is judged and no ghost is drawn.
// Reuses `out`'s storage.
void judgeOccludees(const std::vector<std::uint32_t>& occludees, const std::vector<bool>& culled,
                    const std::vector<bool>& visible, const std::vector<bool>& hiddenByOccluders,
                    Judgement& out);
