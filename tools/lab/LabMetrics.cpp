#include "LabMetrics.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <sstream>

double share(double part, double whole) { return whole == 0.0 ? 0.0 : part / whole; }

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1) return upper;
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2.0;
}

std::uint32_t hiddenOccludees(const SweepRow& row) { return row.occludees - row.visible; }
double culledShare(const SweepRow& row) { return share(row.passedDeb, row.occludees); }
double falseCullShare(const SweepRow& row) { return share(row.falseCulls, row.visible); }
double missedCullShare(const SweepRow& row) { return share(row.missedCulls, hiddenOccludees(row)); }

double cullingPassSeconds(const SweepRow& row) {
    return row.cost.mapBuild + row.cost.bufferBuild + row.cost.tests;
}
double culledFrameSeconds(const SweepRow& row) { return cullingPassSeconds(row) + row.cost.drawSurvivors; }
double frameRatio(const SweepRow& row) { return share(culledFrameSeconds(row), row.cost.drawAll); }
double cullingShareOfFrame(const SweepRow& row) {
    return share(cullingPassSeconds(row), culledFrameSeconds(row));
}

void classifyOccludees(SweepRow& row, const std::vector<bool>& culled, const std::vector<bool>& visible) {
    row.occludees = static_cast<std::uint32_t>(culled.size());
    row.drawn = row.visible = row.falseCulls = row.missedCulls = 0;
    for (std::size_t i = 0; i < culled.size(); ++i) {
        const bool seen = i < visible.size() && visible[i];
        row.drawn += culled[i] ? 0 : 1;
        row.visible += seen ? 1 : 0;
        row.falseCulls += culled[i] && seen ? 1 : 0;
        row.missedCulls += !culled[i] && !seen ? 1 : 0;
    }
}

namespace {

template <typename Field> double medianOf(const std::vector<const SweepRow*>& rows, Field field) {
    std::vector<double> values;
    values.reserve(rows.size());
    for (const SweepRow* row : rows) values.push_back(field(*row));
    return median(std::move(values));
}

} // namespace

ThresholdSummary summarize(const std::vector<SweepRow>& rows, int threshold) {
    ThresholdSummary summary;
    summary.threshold = threshold;
    std::vector<const SweepRow*> selected;
    for (const SweepRow& row : rows)
        if (row.threshold == threshold) selected.push_back(&row);
    summary.angles = selected.size();
    if (selected.empty()) return summary;

    double falseSum = 0.0, culledSum = 0.0;
    summary.worstFalseCull = {selected.front()->angle, falseCullShare(*selected.front())};
    summary.bestRatio = summary.worstRatio = {selected.front()->angle, frameRatio(*selected.front())};
    for (const SweepRow* row : selected) {
        const double falseShare = falseCullShare(*row);
        const double ratio = frameRatio(*row);
        falseSum += falseShare;
        culledSum += culledShare(*row);
        // Ties keep the first angle swept.
        if (falseShare > summary.worstFalseCull.value) summary.worstFalseCull = {row->angle, falseShare};
        if (ratio < summary.bestRatio.value) summary.bestRatio = {row->angle, ratio};
        if (ratio > summary.worstRatio.value) summary.worstRatio = {row->angle, ratio};
    }
    const auto count = static_cast<double>(selected.size());
    summary.meanFalseCullShare = falseSum / count;
    summary.meanCulledShare = culledSum / count;

    StageCosts& m = summary.medianCost;
    m.mapBuild = medianOf(selected, [](const SweepRow& r) { return r.cost.mapBuild; });
    m.bufferBuild = medianOf(selected, [](const SweepRow& r) { return r.cost.bufferBuild; });
    m.tests = medianOf(selected, [](const SweepRow& r) { return r.cost.tests; });
    m.testsHoisted = medianOf(selected, [](const SweepRow& r) { return r.cost.testsHoisted; });
    m.drawSurvivors = medianOf(selected, [](const SweepRow& r) { return r.cost.drawSurvivors; });
    m.drawAll = medianOf(selected, [](const SweepRow& r) { return r.cost.drawAll; });
    m.pipelineFrame = medianOf(selected, [](const SweepRow& r) { return r.cost.pipelineFrame; });
    summary.medianRatio = medianOf(selected, frameRatio);
    return summary;
}

std::vector<int> thresholdsOf(const std::vector<SweepRow>& rows) {
    std::vector<int> thresholds;
    for (const SweepRow& row : rows)
        if (std::find(thresholds.begin(), thresholds.end(), row.threshold) == thresholds.end())
            thresholds.push_back(row.threshold);
    return thresholds;
}

std::vector<SweepRow> thresholdMajor(std::vector<SweepRow> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const SweepRow& a, const SweepRow& b) {
        return a.threshold != b.threshold ? a.threshold > b.threshold : a.angle < b.angle;
    });
    return rows;
}

std::string csvHeader() {
    return "angle,threshold,occludees,passedHom,passedDeb,drawn,visible,hidden,falseCulls,missedCulls,"
           "culledShare,falseCullShare,missedCullShare,mapMs,bufferMs,testsMs,testsHoistedMs,"
           "drawSurvivorsMs,drawAllMs,pipelineFrameMs,cullingPassMs,culledFrameMs,frameRatio,"
           "cullingShareOfFrame";
}

std::string csvLine(const SweepRow& row) {
    const StageCosts& c = row.cost;
    char line[512];
    std::snprintf(line, sizeof line,
                  "%d,%d,%u,%u,%u,%u,%u,%u,%u,%u,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,"
                  "%.4f,%.4f",
                  row.angle, row.threshold, row.occludees, row.passedHom, row.passedDeb, row.drawn,
                  row.visible, hiddenOccludees(row), row.falseCulls, row.missedCulls, culledShare(row),
                  falseCullShare(row), missedCullShare(row), c.mapBuild * 1e3, c.bufferBuild * 1e3,
                  c.tests * 1e3, c.testsHoisted * 1e3, c.drawSurvivors * 1e3, c.drawAll * 1e3,
                  c.pipelineFrame * 1e3, cullingPassSeconds(row) * 1e3, culledFrameSeconds(row) * 1e3,
                  frameRatio(row), cullingShareOfFrame(row));
    return line;
}

std::optional<SweepRow> parseCsvLine(const std::string& line) {
    std::vector<double> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        try {
            std::size_t used = 0;
            fields.push_back(std::stod(field, &used));
            if (used != field.size()) return std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (fields.size() != 24) return std::nullopt;
    for (std::size_t i = 0; i < 10; ++i)
        if (!(fields[i] >= 0.0 && fields[i] <= 4294967295.0)) return std::nullopt; // counts and keys
    const auto count = [&](std::size_t i) { return static_cast<std::uint32_t>(fields[i]); };
    SweepRow row;
    row.angle = static_cast<int>(fields[0]);
    row.threshold = static_cast<int>(fields[1]);
    row.occludees = count(2);
    row.passedHom = count(3);
    row.passedDeb = count(4);
    row.drawn = count(5);
    row.visible = count(6);
    row.falseCulls = count(8);
    row.missedCulls = count(9);
    StageCosts& c = row.cost;
    c.mapBuild = fields[13] / 1e3;
    c.bufferBuild = fields[14] / 1e3;
    c.tests = fields[15] / 1e3;
    c.testsHoisted = fields[16] / 1e3;
    c.drawSurvivors = fields[17] / 1e3;
    c.drawAll = fields[18] / 1e3;
    c.pipelineFrame = fields[19] / 1e3;
    return row;
}
