#include "methods/Outcome.h"

Outcome classifyOutcome(bool culled, bool visible, bool hiddenByOccluders) {
    if (culled) return visible ? Outcome::FalseCull : Outcome::CulledCorrectly;
    if (hiddenByOccluders) return Outcome::MissedCull;
    return visible ? Outcome::DrawnVisible : Outcome::DrawnHidden;
}

Geometry::Vector outcomeColour(Outcome outcome) {
    switch (outcome) {
    case Outcome::DrawnVisible: return {0.25, 0.45, 1.0};
    case Outcome::CulledCorrectly: return {0.1, 0.8, 0.2};
    case Outcome::FalseCull: return {1.0, 0.0, 1.0};
    case Outcome::MissedCull: return {1.0, 0.65, 0.0};
    case Outcome::DrawnHidden: return {0.45, 0.45, 0.55};
    }
    return {0.0, 0.0, 0.0};
}

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::DrawnVisible: return "drawn, visible";
    case Outcome::CulledCorrectly: return "culled, hidden";
    case Outcome::FalseCull: return "falsely culled";
    case Outcome::MissedCull: return "missed cull";
    case Outcome::DrawnHidden: return "drawn, hidden by occludees only";
    }
    return "?";
}
