#include "LabSummary.h"

#include <cstdio>
#include <ostream>

namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string ms(double seconds) { return format("%.3f", seconds * 1e3); }
std::string percent(double fraction) { return format("%.1f%%", fraction * 100.0); }
std::string ratio(double value) { return format("%.2f", value); }

// Objects in the culled frame's draw list: every object but the culled occludees.
std::string drawnObjects(const std::vector<SweepRow>& rows, int threshold, int angle, std::uint32_t objects) {
    for (const SweepRow& row : rows)
        if (row.threshold == threshold && row.angle == angle) return std::to_string(objects - row.passedDeb);
    return "?";
}

void writeThresholdTable(std::ostream& out, const std::vector<SweepRow>& rows) {
    out << "| threshold | mean false-cull share | worst false-cull share (angle) | mean culled share | "
           "map ms | buffer ms | tests ms | draw survivors ms | draw all ms | median ratio | "
           "best angle (ratio) | worst angle (ratio) | worst ratio "
        << wallsFacingFrom << "-" << wallsFacingTo
        << " |\n|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (int threshold : thresholdsOf(rows)) {
        const ThresholdSummary s = summarize(rows, threshold);
        const AngleValue walls = worstRatioBetween(rows, threshold, wallsFacingFrom, wallsFacingTo);
        out << "| " << threshold << " | " << percent(s.meanFalseCullShare) << " | "
            << percent(s.worstFalseCull.value) << " (" << s.worstFalseCull.angle << ") | "
            << percent(s.meanCulledShare) << " | " << ms(s.medianCost.mapBuild) << " | "
            << ms(s.medianCost.bufferBuild) << " | " << ms(s.medianCost.tests) << " | "
            << ms(s.medianCost.drawSurvivors) << " | " << ms(s.medianCost.drawAll) << " | "
            << ratio(s.medianRatio) << " | " << s.bestRatio.angle << " (" << ratio(s.bestRatio.value)
            << ") | " << s.worstRatio.angle << " (" << ratio(s.worstRatio.value) << ") | "
            << (walls.angle < 0 ? std::string("-")
                                : ratio(walls.value) + " (" + std::to_string(walls.angle) + ")")
            << " |\n";
    }
}

void writeTargets(std::ostream& out, const std::vector<SweepRow>& rows, std::uint32_t objects) {
    const int first = rows.front().threshold;
    const AngleValue walls = worstRatioBetween(rows, first, wallsFacingFrom, wallsFacingTo);
    out << "## Targets\n\n";
    if (walls.angle >= 0) {
        out << "- Culled frame against draw-all frame where the walls face the fake camera (angles "
            << wallsFacingFrom << "-" << wallsFacingTo << ", threshold " << first << "): worst "
            << ratio(walls.value) << " at " << walls.angle << " degrees; target at most "
            << ratio(frameRatioTarget) << ": "
            << (walls.value <= frameRatioTarget ? "met"
                                                : "missed by " + ratio(walls.value - frameRatioTarget))
            << ". That frame still draws " << drawnObjects(rows, first, walls.angle, objects) << " of the "
            << objects
            << " objects: a frame whose cost followed the number of objects drawn could not "
               "go below that share.\n";
    }
    int worstThreshold = 0;
    const AngleValue pass = worstCullingShare(rows, worstThreshold);
    std::vector<double> shares;
    for (const SweepRow& row : rows) shares.push_back(cullingShareOfFrame(row));
    out << "- Culling pass (map + buffer + tests) as a share of the culled frame: median "
        << percent(median(shares)) << ", worst " << percent(pass.value) << " (angle " << pass.angle
        << ", threshold " << worstThreshold << "); target at most " << percent(cullingShareTarget) << ": "
        << (pass.value <= cullingShareTarget ? "met" : "missed") << ".\n";
    const ThresholdSummary s = summarize(rows, first);
    out << "- Where the culling pass goes (threshold " << first << ", medians): map "
        << ms(s.medianCost.mapBuild) << " ms, buffer " << ms(s.medianCost.bufferBuild) << " ms, tests "
        << ms(s.medianCost.tests)
        << " ms. The same test decisions with the fake camera's transforms read back once per frame "
           "instead of once per occludee take "
        << ms(s.medianCost.testsHoisted) << " ms.\n";
    out << "- The viewer's own cullAndDrawFrame, timed whole with the same clears and lighting: median "
        << ms(s.medianCost.pipelineFrame) << " ms against "
        << ms(s.medianCost.mapBuild + s.medianCost.bufferBuild + s.medianCost.tests +
              s.medianCost.drawSurvivors)
        << " ms for the stages added up.\n\n";
}

void writeFalseCulls(std::ostream& out, const std::vector<SweepRow>& rows) {
    const int first = rows.front().threshold;
    out << "## False culls at threshold " << first << ", per angle\n\n"
        << "The overlap test reads one texel under the rectangle's maximum corner, and the depth buffer "
           "keeps each occluder's nearest corner depth over its whole rectangle, so the method can cull an "
           "occludee that still shows. Angles where something was culled:\n\n"
        << "| angle | visible | culled | false culls | false-cull share |\n|---:|---:|---:|---:|---:|\n";
    std::size_t quiet = 0, clean = 0;
    for (const SweepRow& row : rows) {
        if (row.threshold != first) continue;
        if (row.passedDeb == 0) {
            ++quiet;
            continue;
        }
        clean += row.falseCulls == 0 ? 1 : 0;
        out << "| " << row.angle << " | " << row.visible << " | " << row.passedDeb << " | " << row.falseCulls
            << " | " << percent(falseCullShare(row)) << " |\n";
    }
    out << "\nNothing was culled (so nothing falsely) at " << quiet << " angles; " << clean
        << " of the angles that culled had no false cull.\n\n";
}

} // namespace

AngleValue worstRatioBetween(const std::vector<SweepRow>& rows, int threshold, int from, int to) {
    AngleValue worst{-1, 0.0};
    for (const SweepRow& row : rows)
        if (row.threshold == threshold && row.angle >= from && row.angle <= to &&
            (worst.angle < 0 || frameRatio(row) > worst.value))
            worst = {row.angle, frameRatio(row)};
    return worst;
}

AngleValue worstCullingShare(const std::vector<SweepRow>& rows, int& threshold) {
    AngleValue worst{-1, 0.0};
    for (const SweepRow& row : rows)
        if (worst.angle < 0 || cullingShareOfFrame(row) > worst.value) {
            worst = {row.angle, cullingShareOfFrame(row)};
            threshold = row.threshold;
        }
    return worst;
}

void writeSummary(std::ostream& out, const std::vector<SweepRow>& rows, const LabRunInfo& info) {
    out << "# Culling lab\n\n"
        << "Run " << info.started << " on " << info.renderer << ": " << thresholdsOf(rows).size()
        << " thresholds, " << rows.size() << " configurations, medians of " << info.repeats
        << " repetitions, sweep " << format("%.0f", info.sweepSeconds) << " s"
        << (info.load.empty() ? "" : "; " + info.load) << ".\n\n"
        << "- culled: occludees the depth test removed (passedDeb); culled share = culled / occludees.\n"
        << "- visible: occludees showing at least one pixel when every object is drawn with the depth "
           "test in its own ID colour, 640 x 640, from the fake camera.\n"
        << "- false cull: culled but visible (an occludee that pops out of the picture); false-cull share = "
           "false culls / visible occludees. Missed cull: hidden but drawn.\n"
        << "- costs: wall-clock medians with glFinish on both sides of each stage. Culled frame = map + "
           "buffer + tests + drawing the survivors and occluders; draw-all frame = drawing every object; "
           "both include the frame's clears and lighting set-up. Ratio = culled frame / draw-all frame.\n\n";
    if (rows.empty()) {
        out << "No configurations were measured.\n";
        return;
    }
    out << "## Per threshold\n\n";
    writeThresholdTable(out, rows);
    out << "\n";
    writeTargets(out, rows, info.objects);
    writeFalseCulls(out, rows);
    if (!info.problems.empty()) {
        out << "## Problems\n\n";
        for (const std::string& problem : info.problems) out << "- " << problem << "\n";
    }
}
