// The lab's bookkeeping: shares, medians, the false/missed classification, the per-threshold
// best and worst angles, and what the CSV and the Markdown summary say about them.
#include "LabMetrics.h"
#include "LabSummary.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// A row whose culled frame costs culledFrameMs, spread evenly over the four culled-frame stages.
SweepRow row(int angle, int threshold, double culledFrameMs, double drawAllMs = 10) {
    SweepRow r;
    r.angle = angle;
    r.threshold = threshold;
    r.occludees = 640;
    r.cost.mapBuild = r.cost.bufferBuild = r.cost.tests = r.cost.drawSurvivors = 0.00025 * culledFrameMs;
    r.cost.drawAll = 0.001 * drawAllMs;
    return r;
}

} // namespace

TEST(LabArithmetic, SharesMediansAndRatios) {
    EXPECT_DOUBLE_EQ(share(3, 4), 0.75);
    EXPECT_EQ(share(5, 0), 0.0); // nothing visible: no share of it can be wrong
    const struct {
        std::vector<double> values;
        double median;
    } medians[] = {{{}, 0}, {{7}, 7}, {{9, 1, 5}, 5}, {{4, 1, 3, 2}, 2.5}, {{2, 2, 1, 100}, 2}};
    for (const auto& m : medians) EXPECT_EQ(median(m.values), m.median) << m.values.size();

    SweepRow r;
    r.cost = {0.001, 0.0005, 0.0005, 0.0, 0.003, 0.010, 0.0};
    EXPECT_DOUBLE_EQ(cullingPassSeconds(r), 0.002);
    EXPECT_DOUBLE_EQ(frameRatio(r), 0.5);
    EXPECT_DOUBLE_EQ(cullingShareOfFrame(r), 0.4);

    // Occludees: culled+visible (false cull), culled+hidden, drawn+visible, drawn+hidden (missed) x2.
    r.passedDeb = 2;
    classifyOccludees(r, {true, true, false, false, false}, {true, false, true, false, false});
    EXPECT_EQ(r.occludees, 5u);
    EXPECT_EQ(r.drawn, 3u);
    EXPECT_EQ(r.visible, 2u);
    EXPECT_EQ(r.falseCulls, 1u);
    EXPECT_EQ(r.missedCulls, 2u);
    EXPECT_DOUBLE_EQ(falseCullShare(r), 0.5);
    EXPECT_DOUBLE_EQ(missedCullShare(r), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(culledShare(r), 0.4);
}

TEST(LabArithmetic, PerThresholdSummaryAndWallAngles) {
    std::vector<SweepRow> rows = {row(180, 255, 8), row(185, 255, 4), row(270, 255, 9), row(275, 255, 9.5),
                                  row(200, 0, 1)};
    rows[0].visible = 100; // no false culls
    rows[1].visible = 50;
    rows[1].falseCulls = 5; // 10 %
    rows[1].passedDeb = 320;
    rows[2].visible = 10;
    rows[2].falseCulls = 1; // 10 % as well: the first angle keeps the title
    rows[2].passedDeb = 64;

    const ThresholdSummary s = summarize(rows, 255);
    EXPECT_EQ(s.angles, 4u);
    EXPECT_NEAR(s.meanFalseCullShare, 0.2 / 4, 1e-12);
    EXPECT_EQ(s.worstFalseCull.angle, 185);
    EXPECT_DOUBLE_EQ(s.worstFalseCull.value, 0.1);
    EXPECT_NEAR(s.meanCulledShare, (0.5 + 0.1) / 4, 1e-12);
    EXPECT_EQ(s.bestRatio.angle, 185);
    EXPECT_DOUBLE_EQ(s.bestRatio.value, 0.4);
    EXPECT_EQ(s.worstRatio.angle, 275);
    EXPECT_DOUBLE_EQ(s.medianRatio, 0.85);
    EXPECT_DOUBLE_EQ(s.medianCost.mapBuild, 0.002125); // the other threshold's 1 ms frame is not mixed in
    EXPECT_EQ(summarize(rows, 100).angles, 0u);
    EXPECT_EQ(thresholdsOf(rows), (std::vector<int>{255, 0}));

    // The wall range is inclusive at both ends and per threshold.
    const AngleValue walls = worstRatioBetween(rows, 255, 180, 270);
    EXPECT_EQ(walls.angle, 270);
    EXPECT_DOUBLE_EQ(walls.value, 0.9);
    EXPECT_EQ(worstRatioBetween(rows, 255, 180, 185).angle, 180);
    EXPECT_EQ(worstRatioBetween(rows, 100, 180, 270).angle, -1);

    const std::vector<SweepRow> sorted = thresholdMajor({rows[4], rows[1], rows[0]});
    EXPECT_EQ(sorted[0].angle, 180);
    EXPECT_EQ(sorted[2].threshold, 0);
}

TEST(LabOutput, MarkdownNamesEveryThresholdAndTheMissedTarget) {
    std::vector<SweepRow> rows = {row(180, 255, 7), row(180, 0, 5)};
    rows[0].passedDeb = 10;
    rows[0].visible = 20;
    rows[0].falseCulls = 2;
    LabRunInfo info;
    info.problems = {"something disagreed"};
    std::ostringstream out;
    writeSummary(out, rows, info);
    const std::string text = out.str();
    for (const char* expected :
         {"| 255 | 10.0% |", "| 0 | 0.0% |", "| 180 | 20 | 10 | 2 | 10.0% |", "- something disagreed",
          "worst 0.70 at 180 degrees; target at most 0.60: missed by 0.10. That frame still draws 990 of "
          "the 1000 objects"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST(LabOutput, CsvLinesRoundTripAndMalformedOnesAreRejected) {
    // Angle, threshold, occludees, passed HOM, passed DEB, drawn, visible, false and missed culls, costs.
    const StageCosts cost{0.0015, 0.0015, 0.0015, 0.0004, 0.0015, 0.012, 0.0061};
    const SweepRow r{225, 150, 640, 400, 350, 290, 200, 3, 93, cost};
    const std::string line = csvLine(r);
    const auto columns = [](const std::string& text) { return std::count(text.begin(), text.end(), ','); };
    EXPECT_EQ(columns(line), columns(csvHeader()));
    const std::optional<SweepRow> back = parseCsvLine(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(csvLine(*back), line); // every column read back, times in milliseconds with four decimals
    EXPECT_NEAR(back->cost.testsHoisted, 0.0004, 1e-7);

    const std::string tail = line.substr(line.find(','));
    for (const std::string& bad : {csvHeader(), std::string(), line + ",1", line.substr(0, line.rfind(',')),
                                   "-5" + tail, "0x" + tail, "12abc" + tail})
        EXPECT_FALSE(parseCsvLine(bad)) << bad;
}
