#pragma once
// What a method's decision meant for one occludee, judged against two truths from the culling
// camera: visible in the full scene (ID buffer) and hidden by the occluders alone.

#include "geometry/Vector.h"

enum class Outcome {
    DrawnVisible,    // drawn, and it shows
    CulledCorrectly, // culled, and nothing of it shows
    FalseCull,       // culled though it shows: picture lost
    MissedCull,      // drawn though the occluders alone hide it: work not saved
    DrawnHidden,     // drawn, hidden only by other occludees: no occluder-only method can cull it
};

// culled wins over the two truths; a drawn occludee hidden by the occluders is a missed cull even
// when it is hidden by other occludees too.
Outcome classifyOutcome(bool culled, bool visible, bool hiddenByOccluders);

// The colour the pictures give each outcome (red, green, blue in [0, 1]); FalseCull is magenta.
Geometry::Vector outcomeColour(Outcome outcome);

const char* outcomeName(Outcome outcome);
