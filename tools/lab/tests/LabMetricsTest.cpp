// The lab's bookkeeping: shares, medians, the false/missed classification, per-threshold
// summaries and the CSV round trip.
#include "LabMetrics.h"
#include "LabSummary.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

SweepRow row(int angle, int threshold, double culledFrameMs, double drawAllMs) {
    SweepRow r;
    r.angle = angle;
    r.threshold = threshold;
    r.occludees = 640;
    r.cost.mapBuild = 0.001 * culledFrameMs / 4;
    r.cost.bufferBuild = 0.001 * culledFrameMs / 4;
    r.cost.tests = 0.001 * culledFrameMs / 4;
    r.cost.drawSurvivors = 0.001 * culledFrameMs / 4;
    r.cost.drawAll = 0.001 * drawAllMs;
    return r;
}

} // namespace

TEST(LabArithmetic, SharesAndMedians) {
    EXPECT_DOUBLE_EQ(share(3, 4), 0.75);
    EXPECT_EQ(share(5, 0), 0.0); // nothing visible: no share of it can be wrong

    EXPECT_EQ(median({}), 0.0);
    EXPECT_EQ(median({7.0}), 7.0);
    EXPECT_EQ(median({9.0, 1.0, 5.0}), 5.0);
    EXPECT_EQ(median({4.0, 1.0, 3.0, 2.0}), 2.5); // unsorted, even count: mean of the middle two
    EXPECT_EQ(median({2.0, 2.0, 1.0, 100.0}), 2.0);
}

TEST(LabArithmetic, ClassifiesFalseAndMissedCulls) {
    // Occludees: culled+visible (false cull), culled+hidden, drawn+visible, drawn+hidden (missed).
    SweepRow r;
    r.passedDeb = 2;
    classifyOccludees(r, {true, true, false, false, false}, {true, false, true, false, false});
    EXPECT_EQ(r.occludees, 5u);
    EXPECT_EQ(r.drawn, 3u);
    EXPECT_EQ(r.visible, 2u);
    EXPECT_EQ(hiddenOccludees(r), 3u);
    EXPECT_EQ(r.falseCulls, 1u);
    EXPECT_EQ(r.missedCulls, 2u);
    EXPECT_DOUBLE_EQ(falseCullShare(r), 0.5);
    EXPECT_DOUBLE_EQ(missedCullShare(r), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(culledShare(r), 0.4);
}

TEST(LabArithmetic, FrameRatioAndCullingShare) {
    SweepRow r;
    r.cost = {0.001, 0.0005, 0.0005, 0.0, 0.003, 0.010, 0.0};
    EXPECT_DOUBLE_EQ(cullingPassSeconds(r), 0.002);
    EXPECT_DOUBLE_EQ(culledFrameSeconds(r), 0.005);
    EXPECT_DOUBLE_EQ(frameRatio(r), 0.5);
    EXPECT_DOUBLE_EQ(cullingShareOfFrame(r), 0.4);
}

TEST(LabSummaryFigures, PerThresholdMeansWorstAndBestAngles) {
    std::vector<SweepRow> rows = {row(0, 255, 8, 10), row(5, 255, 4, 10), row(10, 255, 9, 10),
                                  row(0, 0, 1, 10)};
    rows[0].visible = 100; // no false culls
    rows[1].visible = 50;
    rows[1].falseCulls = 5; // 10 %
    rows[1].passedDeb = 320;
    rows[2].visible = 10;
    rows[2].falseCulls = 1; // 10 % as well: the first angle keeps the title
    rows[2].passedDeb = 64;

    const ThresholdSummary s = summarize(rows, 255);
    EXPECT_EQ(s.angles, 3u);
    EXPECT_NEAR(s.meanFalseCullShare, 0.2 / 3, 1e-12);
    EXPECT_EQ(s.worstFalseCull.angle, 5);
    EXPECT_DOUBLE_EQ(s.worstFalseCull.value, 0.1);
    EXPECT_NEAR(s.meanCulledShare, (0.5 + 0.1) / 3, 1e-12);
    EXPECT_EQ(s.bestRatio.angle, 5);
    EXPECT_DOUBLE_EQ(s.bestRatio.value, 0.4);
    EXPECT_EQ(s.worstRatio.angle, 10);
    EXPECT_DOUBLE_EQ(s.worstRatio.value, 0.9);
    EXPECT_DOUBLE_EQ(s.medianRatio, 0.8);
    EXPECT_DOUBLE_EQ(s.medianCost.mapBuild, 0.002); // the other threshold's 1 ms frame is not mixed in
    EXPECT_DOUBLE_EQ(s.medianCost.drawAll, 0.010);

    EXPECT_EQ(summarize(rows, 100).angles, 0u);
    EXPECT_EQ(thresholdsOf(rows), (std::vector<int>{255, 0}));
}

TEST(LabSummaryFigures, WallAnglesAreInclusiveAndPerThreshold) {
    const std::vector<SweepRow> rows = {row(175, 255, 9, 10), row(180, 255, 5, 10), row(270, 255, 7, 10),
                                        row(275, 255, 9, 10), row(200, 0, 10, 10)};
    const AngleValue walls = worstRatioBetween(rows, 255, 180, 270);
    EXPECT_EQ(walls.angle, 270);
    EXPECT_DOUBLE_EQ(walls.value, 0.7);
    EXPECT_EQ(worstRatioBetween(rows, 100, 180, 270).angle, -1);
}

TEST(LabSummaryFigures, SortsThresholdMajorDescendingThenByAngle) {
    const std::vector<SweepRow> sorted =
        thresholdMajor({row(5, 0, 1, 1), row(0, 0, 1, 1), row(5, 255, 1, 1), row(0, 255, 1, 1)});
    ASSERT_EQ(sorted.size(), 4u);
    EXPECT_EQ(sorted[0].threshold, 255);
    EXPECT_EQ(sorted[0].angle, 0);
    EXPECT_EQ(sorted[1].angle, 5);
    EXPECT_EQ(sorted[2].threshold, 0);
    EXPECT_EQ(sorted[2].angle, 0);
}

TEST(LabSummaryFigures, MarkdownNamesEveryThresholdAndTheMissedTarget) {
    std::vector<SweepRow> rows = {row(180, 255, 7, 10), row(180, 0, 5, 10)};
    rows[0].passedDeb = 10;
    rows[0].visible = 20;
    rows[0].falseCulls = 2;
    LabRunInfo info;
    info.problems = {"something disagreed"};
    std::ostringstream out;
    writeSummary(out, rows, info);
    const std::string text = out.str();
    EXPECT_NE(text.find("| 255 | 10.0% |"), std::string::npos) << text;
    EXPECT_NE(text.find("| 0 | 0.0% |"), std::string::npos);
    EXPECT_NE(
        text.find("worst 0.70 at 180 degrees; target at most 0.60: missed by 0.10. That frame still draws "
                  "990 of the 1000 objects"),
        std::string::npos);
    EXPECT_NE(text.find("| 180 | 20 | 10 | 2 | 10.0% |"), std::string::npos);
    EXPECT_NE(text.find("- something disagreed"), std::string::npos);
}

TEST(LabCsv, LinesRoundTripAndMatchTheHeader) {
    SweepRow r = row(225, 150, 6, 12);
    r.passedHom = 400;
    r.passedDeb = 350;
    r.drawn = 290;
    r.visible = 200;
    r.falseCulls = 3;
    r.missedCulls = 93;
    r.cost.testsHoisted = 0.0004;
    r.cost.pipelineFrame = 0.0061;
    const std::string line = csvLine(r);
    const auto columns = [](const std::string& text) {
        return std::count(text.begin(), text.end(), ',') + 1;
    };
    EXPECT_EQ(columns(line), columns(csvHeader()));

    const std::optional<SweepRow> back = parseCsvLine(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(csvLine(*back), line); // every column read back, times in milliseconds with four decimals
    EXPECT_EQ(back->missedCulls, 93u);
    EXPECT_NEAR(back->cost.testsHoisted, 0.0004, 1e-7);
    EXPECT_NEAR(frameRatio(*back), 0.5, 1e-4);
}

TEST(LabCsv, RejectsMalformedLines) {
    const std::string good = csvLine(row(0, 255, 1, 2));
    EXPECT_FALSE(parseCsvLine(csvHeader()));
    EXPECT_FALSE(parseCsvLine(""));
    EXPECT_FALSE(parseCsvLine(good + ",1"));                           // one column too many
    EXPECT_FALSE(parseCsvLine(good.substr(0, good.rfind(','))));       // one too few
    EXPECT_FALSE(parseCsvLine("-5" + good.substr(good.find(','))));    // negative angle
    EXPECT_FALSE(parseCsvLine("0x" + good.substr(good.find(','))));    // not a number
    EXPECT_FALSE(parseCsvLine("12abc" + good.substr(good.find(',')))); // trailing text
}
