#include "Ghosts.h"

Ghost ghostFor(Outcome outcome) {
    switch (outcome) {
    case Outcome::FalseCull: return Ghost::Filled;
    case Outcome::CulledCorrectly: return Ghost::Wireframe;
    default: return Ghost::None;
    }
}

void judgeOccludees(const std::vector<std::uint32_t>& occludees, const std::vector<bool>& culled,
                    const std::vector<bool>& visible, const std::vector<bool>& hiddenByOccluders,
                    Judgement& out) {
    out.filled.clear();
    out.wireframe.clear();
    out.culled = out.falseCulls = out.missedCulls = 0;
    out.judged = !visible.empty();
    for (std::size_t i = 0; i < occludees.size() && i < culled.size(); ++i) {
        if (culled[i]) ++out.culled;
        if (!out.judged) continue;
        const bool shows = i < visible.size() && visible[i];
        // A missing occluder-only flag counts as not hidden: no missed cull is claimed without it.
        const bool hidden = i < hiddenByOccluders.size() && hiddenByOccluders[i];
        const Outcome outcome = classifyOutcome(culled[i], shows, hidden);
        if (outcome == Outcome::FalseCull) ++out.falseCulls;
        if (outcome == Outcome::MissedCull) ++out.missedCulls;
        switch (ghostFor(outcome)) {
        case Ghost::Filled: out.filled.push_back(occludees[i]); break;
        case Ghost::Wireframe: out.wireframe.push_back(occludees[i]); break;
        case Ghost::None: break;
        }
    }
}
