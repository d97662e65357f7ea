#include "LabMetrics.h"

#include <algorithm>
#include <cstdio>

double share(double part, double whole) { return whole == 0.0 ? 0.0 : part / whole; }

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

Spread spreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    const auto begin = values.begin();
    Spread s;
    s.median = median(values);
    if (values.size() == 1) {
        s.q1 = s.q3 = s.median;
        return s;
    }
    s.q1 = median({begin, begin + static_cast<std::ptrdiff_t>(half)});
    s.q3 = median({begin + static_cast<std::ptrdiff_t>(values.size() - half), values.end()});
    return s;
}

Judgement judge(const std::vector<bool>& culled, const std::vector<std::uint32_t>& idPixels,
                const std::vector<bool>& hideable, const std::vector<std::uint32_t>& coarsePixels) {
    Judgement j;
    j.occludees = static_cast<std::uint32_t>(culled.size());
    for (std::size_t i = 0; i < culled.size(); ++i) {
        const std::uint32_t pixels = i < idPixels.size() ? idPixels[i] : 0;
        const bool seen = pixels > 0;
        // Unknown means not hideable: a method is never credited with a cull it cannot be sure of.
        const bool canHide = i < hideable.size() && hideable[i];
        j.culled += culled[i];
        j.visible += seen;
        j.hideable += canHide;
        j.hideableCulled += culled[i] && canHide;
        j.falseCulls += culled[i] && seen;
        j.falseCullPixels += culled[i] && seen ? pixels : 0;
        j.coarseFalseCulls += culled[i] && seen && i < coarsePixels.size() && coarsePixels[i] > 0;
        j.missedCulls += !culled[i] && canHide;
        j.extraCulls += culled[i] && !canHide;
    }
    return j;
}

double falseCullShare(const MethodRow& row) { return share(row.counts.falseCulls, row.counts.visible); }
double hideableCulledShare(const MethodRow& row) {
    return share(row.counts.hideableCulled, row.counts.hideable);
}

const MethodRow* findRow(const std::vector<MethodRow>& rows, const std::string& method,
                         const std::string& config, int angle) {
    for (const MethodRow& row : rows)
        if (row.angle == angle && row.method == method && row.config == config) return &row;
    return nullptr;
}

ConfigSummary summarize(const std::vector<MethodRow>& rows, const std::string& method,
                        const std::string& config, int from, int to) {
    ConfigSummary s;
    s.method = method;
    s.config = config;
    std::vector<double> passes, floorRatios;
    double falseSum = 0.0, hideableSum = 0.0;
    std::size_t hiding = 0; // angles at which the occluders hide something
    for (const MethodRow& row : rows) {
        if (row.method != method || row.config != config) continue;
        ++s.angles;
        const double falseShare = falseCullShare(row);
        falseSum += falseShare;
        hideableSum += hideableCulledShare(row);
        hiding += row.counts.hideable > 0;
        s.totalFalseCulls += row.counts.falseCulls;
        passes.push_back(row.pass.median);
        if (s.worstFalseCull.angle < 0 || falseShare > s.worstFalseCull.value) s.worstFalseCull = {row.angle, falseShare};
        if (row.angle < from || row.angle > to) continue;
        const double ratio = share(row.frame.median, row.drawAll);
        const double floorRatio = share(row.frame.median, row.oracleOccluders);
        if (s.bestRatio.angle < 0 || ratio < s.bestRatio.value) s.bestRatio = {row.angle, ratio};
        if (s.worstRatio.angle < 0 || ratio > s.worstRatio.value) s.worstRatio = {row.angle, ratio};
        if (s.worstFloorRatio.angle < 0 || floorRatio > s.worstFloorRatio.value)
            s.worstFloorRatio = {row.angle, floorRatio};
        floorRatios.push_back(floorRatio);
    }
    if (s.angles == 0) return s;
    const auto count = static_cast<double>(s.angles);
    s.meanFalseCullShare = falseSum / count;
    s.meanHideableCulled = hiding == 0 ? 0.0 : hideableSum / static_cast<double>(hiding);
    for (double p : passes) s.meanPass += p / count;
    s.medianPass = median(passes);
    if (!floorRatios.empty()) s.medianFloorRatio = median(floorRatios);
    return s;
}

int viewNumber(const MethodRow& row) { return row.orbit ? row.angle / 5 : row.angle; }

std::string csvHeader() {
    std::string header =
        "method,config,angle,view,occludees,culled,visible,hideable,hideableCulled,falseCulls,"
        "falseCullPixels,coarseFalseCulls,missedCulls,extraCulls,passedHom,passedDeb,stageNames";
    for (std::size_t i = 1; i <= maxStages; ++i)
        header += ",stage" + std::to_string(i) + "Ms,stage" + std::to_string(i) + "IqrMs";
    return header + ",passMs,passIqrMs,drawMs,drawIqrMs,frameMs,frameIqrMs,drawAllMs,oracleMs,"
                    "oracleOccludersMs,ratioDrawAll,ratioOracle,ratioOracleOccluders,coverageAgreement";
}

std::string csvLine(const MethodRow& row) {
    const auto number = [](double value, const char* pattern = "%.4f") {
        char text[32];
        std::snprintf(text, sizeof text, pattern, value);
        return std::string(text);
    };
    const auto ms = [&](double seconds) { return number(seconds * 1e3); };
    const Judgement& c = row.counts;
    std::string line = row.method + "," + row.config + "," + (row.orbit ? std::to_string(row.angle) : "") +
                       "," + std::to_string(viewNumber(row)) + "," + std::to_string(c.occludees) + "," +
                       std::to_string(c.culled) + "," + std::to_string(c.visible) + "," +
                       std::to_string(c.hideable) + "," + std::to_string(c.hideableCulled) + "," +
                       std::to_string(c.falseCulls) + "," + std::to_string(c.falseCullPixels) + "," +
                       std::to_string(c.coarseFalseCulls) + "," + std::to_string(c.missedCulls) + "," +
                       std::to_string(c.extraCulls) + ",";
    line +=
        row.homCounters ? std::to_string(row.passedHom) + "," + std::to_string(row.passedDeb) + "," : ",,";
    for (std::size_t i = 0; i < row.stageNames.size(); ++i) line += (i ? ";" : "") + row.stageNames[i];
    for (std::size_t i = 0; i < maxStages; ++i)
        line += i < row.stages.size() ? "," + ms(row.stages[i].median) + "," + ms(row.stages[i].iqr()) : ",,";
    for (const Spread* s : {&row.pass, &row.draw, &row.frame})
        line += "," + ms(s->median) + "," + ms(s->iqr());
    line += "," + ms(row.drawAll) + "," + ms(row.oracle) + "," + ms(row.oracleOccluders);
    for (double floor : {row.drawAll, row.oracle, row.oracleOccluders})
        line += "," + number(share(row.frame.median, floor));
    line += "," + (row.coverageAgreement < 0.0 ? std::string() : number(row.coverageAgreement));
    return line;
}
