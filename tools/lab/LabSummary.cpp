#include "LabSummary.h"

#include "LabPlots.h"

#include "scene/Scene.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace {

SweepAxis axis; // of the sweep being written
std::size_t sceneObjectCount = 0;

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string ms(double seconds) { return format("%.3f", seconds * 1e3); }
std::string us(double seconds) { return format("%.0f", seconds * 1e6); }
std::string percent(double fraction) { return format("%.1f%%", fraction * 100.0); }
std::string ratio(double value) { return format("%.2f", value); }
std::string at(const AngleValue& v, std::string (*show)(double)) {
    return v.angle < 0 ? "-" : show(v.value) + " (" + std::to_string(v.angle) + ")";
}
std::string worstFalse(const ConfigSummary& s) { return s.totalFalseCulls == 0 ? "none" : at(s.worstFalseCull, percent); }

const CullingMethod* methodNamed(const std::vector<CullingMethod>& methods, const std::string& name) {
    for (const CullingMethod& m : methods)
        if (m.name == name) return &m;
    return nullptr;
}

// Spread over the angles of the per-angle medians of one configuration's pass.
Spread passSpread(const std::vector<MethodRow>& rows, const std::string& method, const std::string& config) {
    std::vector<double> values;
    for (const MethodRow& row : rows)
        if (row.method == method && row.config == config) values.push_back(row.pass.median);
    return spreadOf(values);
}

void writeMethodTables(std::ostream& out, const std::vector<MethodRow>& rows, const std::vector<CullingMethod>& methods) {
    for (const CullingMethod& method : methods) {
        const MethodRow* sample = nullptr;
        for (const MethodRow& row : rows)
            if (row.method == method.name) {
                sample = &row;
                break;
            }
        out << "### " << method.name << "\n\n";
        if (sample && !sample->stageNames.empty()) {
            out << "Pass stages, in order:";
            for (std::size_t s = 0; s < sample->stageNames.size(); ++s)
                out << (s ? ", " : " ") << s + 1 << " " << sample->stageNames[s];
            out << ".\n\n";
        }
        out << "| config | mean false-cull share | worst false-cull share (angle) | false culls, all angles "
               "| "
               "hideable culled | median pass ms (IQR over angles) | best frame / draw-all "
            << axis.from << "-" << axis.to
            << " (angle) | worst (angle) | worst frame / oracle-occluders (angle) |\n"
            << "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n";
        for (const std::string& config : method.configs) {
            const ConfigSummary s = summarize(rows, method.name, config, axis.from, axis.to);
            if (s.angles == 0) continue;
            const Spread pass = passSpread(rows, method.name, config);
            out << "| " << config << " | " << percent(s.meanFalseCullShare) << " | " << worstFalse(s) << " | "
                << s.totalFalseCulls << " | " << percent(s.meanHideableCulled) << " | " << ms(pass.median)
                << " (" << ms(pass.iqr()) << ") | " << at(s.bestRatio, ratio) << " | "
                << at(s.worstRatio, ratio) << " | " << at(s.worstFloorRatio, ratio) << " |\n";
        }
        out << "\n";
    }
}

void writeHeadline(std::ostream& out, const std::vector<MethodRow>& rows,
                   const std::vector<CullingMethod>& methods) {
    out << "| method (default configuration) | mean false-cull share | worst (angle) | hideable culled | "
           "median pass ms | "
           "frame / draw-all at "
        << axis.from << "-" << axis.to
        << ", best - worst | worst frame / "
           "oracle-occluders (angle) |\n|---|---:|---:|---:|---:|---:|---:|\n";
    for (const CullingMethod& method : methods) {
        const std::string& config = method.configs[method.defaultConfig];
        const ConfigSummary s = summarize(rows, method.name, config, axis.from, axis.to);
        if (s.angles == 0) continue;
        out << "| " << method.name << " " << config << " | " << percent(s.meanFalseCullShare) << " | "
            << worstFalse(s) << " | " << percent(s.meanHideableCulled) << " | " << ms(s.medianPass) << " | "
            << ratio(s.bestRatio.value) << " - " << ratio(s.worstRatio.value) << " | "
            << at(s.worstFloorRatio, ratio) << " |\n";
    }
    out << "\n";
}

void writeBaselines(std::ostream& out, const std::vector<MethodRow>& rows) {
    out << "| baseline | occludees culled at";
    for (std::size_t i = 0; i < axis.costKeys.size(); ++i) out << (i ? " / " : " ") << axis.costKeys[i];
    for (std::size_t i = 0; i < axis.costKeys.size(); ++i)
        out << " | " << (i ? "" : "frame ms at ") << axis.costKeys[i];
    out << " |\n|---|---:|";
    for (std::size_t i = 0; i < axis.costKeys.size(); ++i) out << "---:|";
    out << "\n";
    for (const char* name : {drawAllName, oracleName, oracleOccludersName}) {
        std::string culled, frames;
        for (int angle : axis.costKeys) {
            const MethodRow* row = findRow(rows, name, "-", angle);
            culled +=
                (culled.empty() ? "" : " / ") + (row ? std::to_string(row->counts.culled) : std::string("-"));
            frames += " | " + (row ? ms(row->frame.median) + " (IQR " + ms(row->frame.iqr()) + ")"
                                   : std::string("-"));
        }
        out << "| " << name << " | " << culled << frames << " |\n";
    }
    out << "\n";
}

// Angles at which a configuration's culled set is exactly the hideable set, of those measured.
std::pair<std::size_t, std::size_t> hideableSetMatches(const std::vector<MethodRow>& rows, const std::string& method,
                                                       const std::string& config) {
    std::size_t equal = 0, all = 0;
    for (const MethodRow& row : rows)
        if (row.method == method && row.config == config) {
            ++all;
            equal += row.counts.missedCulls == 0 && row.counts.extraCulls == 0;
        }
    return {equal, all};
}

// cpu-depth's targets, configuration by configuration: the pass (and render + tests without the
// gather stage, which only turns the lab's scene into float arrays), the hideable occludees culled
// over all angles together, false culls, and two threads against one.
void writeCpuDepthTargets(std::ostream& out, const std::vector<MethodRow>& rows) {
    const struct {
        const char* config;
        double passUs; // at most; 0: none
        double culled; // hideable culled, at least; 0: none
        bool exact;
    } targets[] = {{"64", 105, 0, false},          {"128", 110, 0.87, false},
                   {"256", 120, 0.91, true},       {"640", 160, 0.93, true},
                   {"256-triangles", 0, 0, false}, {"640-triangles", 0, 0.96, true},
                   {"256-2-threads", 0, 0, true},  {"640-2-threads", 0, 0, true},
                   {"256-outlines", 120, 0.91, true}};
    double onePass640 = 0.0;
    for (const auto& t : targets) {
        std::vector<double> passes, renderAndTests;
        std::uint64_t hideable = 0, hideableCulled = 0, falseCulls = 0;
        for (const MethodRow& row : rows) {
            if (row.method != "cpu-depth" || row.config != t.config) continue;
            passes.push_back(row.pass.median);
            if (row.stages.size() == 3) renderAndTests.push_back(row.stages[1].median + row.stages[2].median);
            hideable += row.counts.hideable;
            hideableCulled += row.counts.hideableCulled;
            falseCulls += row.counts.falseCulls;
        }
        if (passes.empty()) continue;
        const Spread pass = spreadOf(passes), core = spreadOf(renderAndTests);
        if (std::string(t.config) == "640") onePass640 = core.median;
        out << "- cpu-depth " << t.config << ": pass median " << us(pass.median) << " µs (IQR over angles "
            << us(pass.iqr()) << "), render + tests " << us(core.median) << " µs (IQR " << us(core.iqr())
            << ")";
        if (t.passUs > 0)
            out << ", target render + tests at most " << format("%.0f", t.passUs) << " µs: "
                << (core.median * 1e6 <= t.passUs ? "met"
                                                  : "missed by " + us(core.median - t.passUs * 1e-6) + " µs");
        if (std::string(t.config) == "640-2-threads" && onePass640 > 0.0)
            out << "; " << ratio(core.median / onePass640) << " of one thread (target at most 0.60)";
        const double culled =
            hideable == 0 ? 0.0 : static_cast<double>(hideableCulled) / static_cast<double>(hideable);
        out << "; " << percent(culled) << " of " << hideable << " hideable occludee-angles culled";
        if (t.culled > 0)
            out << " (target " << percent(t.culled) << ": " << (culled >= t.culled ? "met" : "missed") << ")";
        out << "; " << falseCulls << " false culls" << (t.exact ? " (target 0)" : "");
        std::vector<double> agreement;
        for (const MethodRow& row : rows)
            if (row.method == "cpu-depth" && row.config == t.config && row.coverageAgreement >= 0.0)
                agreement.push_back(row.coverageAgreement);
        if (!agreement.empty())
            out << "; coverage equal to the GL map's level 0 in " << percent(median(agreement))
                << " of the texels (median over angles, lowest "
                << percent(*std::min_element(agreement.begin(), agreement.end())) << ")";
        out << ".\n";
    }
}

void writeTargets(std::ostream& out, const std::vector<MethodRow>& rows, const std::vector<CullingMethod>& methods) {
    out << "## Targets\n\n";
    const auto summaryOf = [&](const std::string& method, const std::string& config) {
        return summarize(rows, method, config, axis.from, axis.to);
    };
    if (methodNamed(methods, "occlusion-query")) {
        const ConfigSummary s = summaryOf("occlusion-query", "stop-and-wait");
        const auto match = hideableSetMatches(rows, "occlusion-query", "stop-and-wait");
        out << "- occlusion-query stop-and-wait: " << s.totalFalseCulls << " false culls over " << s.angles
            << " angles (target 0); culled set equal to the occluder-only hidden set at " << match.first << " of "
            << match.second << " angles.\n";
        const ConfigSummary p = summaryOf("occlusion-query", "previous-frame");
        if (p.angles > 0)
            out << "- occlusion-query previous-frame (the camera turning 5 degrees a frame): " << p.totalFalseCulls
                << " occludees popping in over " << p.angles << " angles, worst " << at(p.worstFalseCull, percent)
                << " of the visible ones.\n";
    }
    if (const CullingMethod* m = methodNamed(methods, "hom-conservative")) {
        std::uint32_t coarse = 0, lower = 0;
        for (const MethodRow& row : rows)
            if (row.method == m->name) {
                const bool atDefault = row.config == m->configs[m->defaultConfig];
                coarse += atDefault ? row.counts.coarseFalseCulls : 0;
                lower += atDefault ? 0 : row.counts.falseCulls;
            }
        const ConfigSummary s = summaryOf(m->name, m->configs[m->defaultConfig]);
        out << "- hom-conservative at threshold " << s.config << ": " << s.totalFalseCulls << " false culls over "
            << s.angles << " angles; " << coarse
            << " of them show even in a 64 x 64 ID frame (what a wrong depth part would cull; target 0), the other "
            << s.totalFalseCulls - coarse
            << " are due to the map's 64 x 64 resolution. The lower thresholds, which accept partly covered texels, "
               "add up to "
            << lower << " false culls over their angles.\n";
    }
    if (methodNamed(methods, "cpu-depth")) writeCpuDepthTargets(out, rows);

    // The best configuration with no false cull anywhere: the lowest median ratio to the floor.
    const ConfigSummary* best = nullptr;
    std::vector<ConfigSummary> clean;
    for (const CullingMethod& method : methods)
        for (const std::string& config : method.configs) {
            const ConfigSummary s = summaryOf(method.name, config);
            if (s.angles > 0 && s.totalFalseCulls == 0 && s.worstFloorRatio.angle >= 0) clean.push_back(s);
        }
    for (const ConfigSummary& s : clean)
        if (!best || s.medianFloorRatio < best->medianFloorRatio) best = &s;
    if (!best) {
        out << "- No configuration ran without false culls, so none meets the frame targets.\n\n";
        return;
    }
    const MethodRow* worst = findRow(rows, best->method, best->config, best->worstFloorRatio.angle);
    const MethodRow* at225 = findRow(rows, best->method, best->config, axis.frameKey);
    const auto against = [](double value, double target) {
        return value <= target ? std::string("met") : "missed by " + ratio(value - target);
    };
    out << "- Best configuration with no false cull at any angle: " << best->method << " " << best->config
        << ". Culled frame against the oracle-occluders floor at " << axis.from << "-" << axis.to
        << ": median " << ratio(best->medianFloorRatio) << " (target at most 1.10: "
        << against(best->medianFloorRatio, 1.10) << "), worst " << ratio(best->worstFloorRatio.value) << " at "
        << keyLabel(axis, best->worstFloorRatio.angle)
        << " (target at most 1.25: " << against(best->worstFloorRatio.value, 1.25) << ")";
    if (worst)
        out << "; there the frame is " << ms(worst->frame.median) << " ms = pass " << ms(worst->pass.median)
            << " ms + drawing " << ms(worst->draw.median) << " ms, against the floor's "
            << ms(worst->oracleOccluders) << " ms, with " << worst->counts.missedCulls
            << " hideable occludees drawn that the floor culls";
    out << ".";
    if (at225) {
        const double r = share(at225->frame.median, at225->drawAll);
        out << " At " << keyLabel(axis, axis.frameKey) << ": " << ratio(r) << " of draw-all ("
            << ms(at225->frame.median) << " ms against " << ms(at225->drawAll) << " ms; target at most 0.62: "
            << against(r, 0.62) << "; the floor itself: " << ratio(share(at225->oracleOccluders, at225->drawAll))
            << ").";
    }
    out << "\n\n";
}

} // namespace

namespace {

// Every occurrence of `from` in `text` replaced by `to`.
void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void writeIndexText(std::ostream& out, const std::vector<MethodRow>& rows,
                    const std::vector<CullingMethod>& methods, const std::vector<SweepPicture>& pictures,
                    const LabRunInfo& info);

} // namespace

void writeIndex(std::ostream& out, const std::vector<MethodRow>& rows,
                const std::vector<CullingMethod>& methods, const std::vector<SweepPicture>& pictures,
                const LabRunInfo& info) {
    std::ostringstream text;
    writeIndexText(text, rows, methods, pictures, info);
    std::string page = text.str();
    if (!info.axis.orbit) { // the keys are viewpoints, not angles
        replaceAll(page, "(angle)", "(viewpoint)");
        replaceAll(page, " angles", " viewpoints");
        replaceAll(page, " any angle", " any viewpoint");
        replaceAll(page, "the camera turning 5 degrees a frame", "the camera moving on to the next viewpoint");
    }
    out << page;
}

namespace {

void writeIndexText(std::ostream& out, const std::vector<MethodRow>& rows,
                    const std::vector<CullingMethod>& methods, const std::vector<SweepPicture>& pictures,
                    const LabRunInfo& info) {
    axis = info.axis;
    sceneObjectCount = sceneObjects.size();
    std::size_t angles = 0;
    for (const MethodRow& row : rows) angles += row.method == drawAllName;
    out << "# Culling lab: " << methods.size() << " methods compared\n\n"
        << "Run " << info.started << " on " << info.renderer << (info.load.empty() ? "" : "; " + info.load)
        << ". " << angles << (axis.orbit ? " fake-camera angles, " : " viewpoints, ") << rows.size()
        << " rows (results.csv), medians of " << info.repeats
        << " repetitions with glFinish around GL work; sweep " << format("%.0f", info.sweepSeconds)
        << " s.\n\n"
        << (axis.scene.empty() ? ""
                               : "- scene: " + axis.scene +
                                     ". Every method that bounds an object takes its world-space box; the "
                                     "viewer's own pass reads it as the object's first eight vertices, which are "
                                     "the box's corners." +
                                     (axis.frustumFirst
                                          ? " Objects whose box lies wholly outside the view are left out "
                                            "first, by every method and by draw-all, as an engine's frustum "
                                            "culling does: the figures tell what occlusion culling adds."
                                          : "") +
                                     "\n")
        << "- visible: an occludee showing at least one pixel when all " << sceneObjectCount
        << " objects are drawn, depth-tested, in ID "
           "colours at 640 x 640 from the fake camera. hideable: hidden by the occluders alone (their depth "
           "at 640 x "
           "640): all that a culler knowing only the occluders can remove.\n"
        << "- false cull: culled but visible; false-cull share = false culls / visible occludees. Missed "
           "cull: "
           "hideable but drawn.\n"
        << "- culled frame = the culling pass + drawing the survivors and every occluder, lit from the fake "
           "camera, "
           "with the frame's clears. Baselines cost no pass: draw-all culls nothing, oracle culls every "
           "occludee "
           "that does not show, oracle-occluders every hideable one. Frame ratios are medians of culled "
           "frames over "
           "the baseline's.\n\n";
    out << "## Headline\n\n";
    writeHeadline(out, rows, methods);
    writeTargets(out, rows, methods);
    if (info.plots)
        out << "## Choosing a method\n\n![Pareto plot](" << paretoPlotName
            << ")\n\n*Mean culling-pass cost (log scale) against the mean false-cull share (left) and the "
               "share of "
               "hideable occludees culled (right), one point per method and configuration.*\n\n";
    out << "## Per method\n\n";
    writeMethodTables(out, rows, methods);
    out << "## Baselines\n\n";
    writeBaselines(out, rows);
    if (info.plots)
        out << (axis.orbit ? "## By angle\n\n" : "## By viewpoint\n\n")
            << "![Culled and false culls by angle](" << cullingPlotName
            << ")\n\n*Per method, one line per configuration: occludees culled (top; grey: what the oracle "
               "and the "
               "oracle-occluders floor cull) and false culls (bottom, on an axis of their own).*\n\n"
            << "![Frame cost at " << keyLabel(axis, axis.costKeys.front()) << " and others](" << costPlotName
            << ")\n\n*Culled frame per method and configuration, stacked: the pass's stages (named in the tables "
               "above) and drawing; beside them the baselines and, dashed, 1.10 x the oracle-occluders floor.*\n\n";
    out << "## Pictures\n\n"
        << "Left: the fake camera's view, occludees painted by outcome (blue drawn and visible, green culled "
           "correctly, magenta falsely culled, orange missed cull, grey drawn but hidden by other occludees "
           "only), the "
           "occluders a see-through dim red over them. Right: the method's buffers, each captioned with its "
           "level "
           "and resolution; grey key under them: 0 black (empty, or farthest) to 255 white (covered, or "
           "nearest).\n\n";
    for (const SweepPicture& p : pictures) {
        out << "![" << p.method << " at " << keyLabel(axis, p.angle) << "](" << p.file << ")\n\n*" << p.method
            << " " << p.config << " at " << keyLabel(axis, p.angle);
        const MethodRow* row = findRow(rows, p.method, p.config, p.angle);
        if (row)
            out << ": " << row->counts.culled << " culled, " << row->counts.falseCulls << " falsely ("
                << row->counts.falseCullPixels << " pixels), " << row->counts.missedCulls << " missed";
        out << ". Buffers:";
        for (std::size_t i = 0; i < p.captions.size(); ++i) out << (i ? "; " : " ") << p.captions[i];
        if (p.captions.empty()) out << " none that the method shows";
        out << ".*\n\n";
    }
    if (!info.problems.empty()) {
        out << "## Problems\n\n";
        for (const std::string& problem : info.problems) out << "- " << problem << "\n";
    }
}

} // namespace
