// The lab's arithmetic: medians and quartiles, the judgement of culled sets against the two
// truths, the per-configuration summary, the row order the plots draw lines from, and the objects
// a scene's sweep leaves out as outside the view.
#include "LabMetrics.h"
#include "LabSweep.h"
#include "tests/methods/HandScene.h"

#include <gtest/gtest.h>

namespace {

MethodRow row(const std::string& method, const std::string& config, int angle, double frameMs, double drawAllMs = 10,
              double floorMs = 5) {
    MethodRow r;
    r.method = method;
    r.config = config;
    r.angle = angle;
    r.frame.median = frameMs * 1e-3;
    r.pass.median = frameMs * 1e-4;
    r.drawAll = drawAllMs * 1e-3;
    r.oracleOccluders = floorMs * 1e-3;
    return r;
}

} // namespace

// Catches quartiles taken over the wrong halves (the middle value in both, or the whole list).
TEST(LabArithmetic, MediansAndQuartiles) {
    const struct {
        std::vector<double> values;
        double q1, median, q3;
    } cases[] = {{{}, 0, 0, 0},
                 {{7}, 7, 7, 7},
                 {{9, 1, 5}, 1, 5, 9},
                 {{4, 1, 3, 2}, 1.5, 2.5, 3.5},
                 {{5, 1, 9, 3, 7}, 2, 5, 8},
                 {{2, 2, 1, 100}, 1.5, 2, 51}};
    for (const auto& c : cases) {
        const Spread s = spreadOf(c.values);
        EXPECT_EQ(s.q1, c.q1) << c.values.size();
        EXPECT_EQ(s.median, c.median) << c.values.size();
        EXPECT_EQ(s.q3, c.q3) << c.values.size();
        EXPECT_EQ(median(c.values), c.median);
    }
    EXPECT_EQ(share(5, 0), 0.0); // nothing visible: no share of it can be wrong
}

// Catches a false cull counted without being visible, the pixels of every visible occludee counted as lost,
// missed culls counted against the full-scene truth instead of the occluder-only one, and a coarse
// false cull counted where only the fine frame shows the occludee.
TEST(LabArithmetic, JudgesEachOccludeeAgainstBothTruths) {
    const struct {
        bool culled;
        std::uint32_t pixels, coarse; // ID pixels at 640 x 640 and at 64 x 64
        bool hideable;
        Judgement expected;
    } cases[] = {
        // occludees culled visible hideable hideableCulled false falsePixels coarseFalse missed extra
        {true, 0, 0, true, {1, 1, 0, 1, 1, 0, 0, 0, 0, 0}},    // culled correctly
        {true, 37, 0, false, {1, 1, 1, 0, 0, 1, 37, 0, 0, 1}}, // falsely culled: its pixels are lost
        {true, 37, 2, false, {1, 1, 1, 0, 0, 1, 37, 1, 0, 1}}, // ... and it shows at 64 x 64 too
        {true, 0, 0, false, {1, 1, 0, 0, 0, 0, 0, 0, 0, 1}},   // hidden by other occludees only: no false cull
        {false, 0, 0, true, {1, 0, 0, 1, 0, 0, 0, 0, 1, 0}},   // missed
        {false, 0, 0, false, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},  // drawn, hidden by occludees: not missed
        {false, 12, 1, false, {1, 0, 1, 0, 0, 0, 0, 0, 0, 0}}, // drawn and visible
    };
    Judgement sum;
    std::vector<bool> culled, hideable;
    std::vector<std::uint32_t> pixels, coarse;
    for (const auto& c : cases) {
        const Judgement j = judge({c.culled}, {c.pixels}, {c.hideable}, {c.coarse});
        const Judgement& e = c.expected;
        SCOPED_TRACE(testing::Message() << c.culled << " " << c.pixels << " " << c.hideable);
        EXPECT_EQ(j.culled, e.culled);
        EXPECT_EQ(j.visible, e.visible);
        EXPECT_EQ(j.hideable, e.hideable);
        EXPECT_EQ(j.hideableCulled, e.hideableCulled);
        EXPECT_EQ(j.falseCulls, e.falseCulls);
        EXPECT_EQ(j.falseCullPixels, e.falseCullPixels);
        EXPECT_EQ(j.coarseFalseCulls, e.coarseFalseCulls);
        EXPECT_EQ(j.missedCulls, e.missedCulls);
        EXPECT_EQ(j.extraCulls, e.extraCulls);
        culled.push_back(c.culled);
        pixels.push_back(c.pixels);
        coarse.push_back(c.coarse);
        hideable.push_back(c.hideable);
        sum.falseCullPixels += e.falseCullPixels;
    }
    const Judgement all = judge(culled, pixels, hideable, coarse);
    EXPECT_EQ(all.occludees, 7u);
    EXPECT_EQ(all.falseCullPixels, sum.falseCullPixels);
}

// Catches configurations mixed into each other's summary, a wall range that drops its end
// angles, ratios taken against the wrong baseline, and the worst angle moving on a tie.
TEST(LabArithmetic, SummaryPerConfigurationOverTheWallAngles) {
    std::vector<MethodRow> rows = {row("m", "a", 175, 1), row("m", "a", 180, 8), row("m", "a", 225, 4),
                                   row("m", "a", 270, 9, 10, 6), row("m", "a", 275, 9.5), row("m", "b", 200, 0.5)};
    rows[1].counts.visible = 50;
    rows[1].counts.falseCulls = 5; // 10 %
    rows[3].counts.visible = 10;
    rows[3].counts.falseCulls = 1; // 10 % too: the first angle keeps the title
    rows[2].counts.hideable = 4;
    rows[2].counts.hideableCulled = 2;

    const ConfigSummary s = summarize(rows, "m", "a", 180, 270);
    EXPECT_EQ(s.angles, 5u);
    EXPECT_EQ(s.totalFalseCulls, 6u);
    EXPECT_EQ(s.worstFalseCull.angle, 180);
    EXPECT_DOUBLE_EQ(s.meanFalseCullShare, 0.2 / 5);
    EXPECT_DOUBLE_EQ(s.meanHideableCulled, 0.5); // angles with nothing to hide do not count
    EXPECT_EQ(s.bestRatio.angle, 225);
    EXPECT_DOUBLE_EQ(s.bestRatio.value, 0.4);
    EXPECT_EQ(s.worstRatio.angle, 270); // 275 lies outside
    EXPECT_DOUBLE_EQ(s.worstRatio.value, 0.9);
    EXPECT_EQ(s.worstFloorRatio.angle, 180); // 8 / 5 beats 9 / 6
    EXPECT_DOUBLE_EQ(s.worstFloorRatio.value, 1.6);
    EXPECT_NEAR(s.medianPass, 0.0008, 1e-12);
    EXPECT_EQ(summarize(rows, "m", "b", 180, 270).angles, 1u);
    EXPECT_EQ(summarize(rows, "m", "c", 180, 270).angles, 0u);
}

// Catches rows left in sweep order: gnuplot joins only consecutive rows, so an interleaved
// configuration draws no line at all.
TEST(LabArithmetic, RowsGroupedPerConfigurationInAngleOrder) {
    const std::vector<CullingMethod> methods = {{"m", {"x", "y"}, 0, {}, {}, false, {}, {}}};
    std::vector<MethodRow> sweep;
    for (int angle : {0, 5})
        for (const char* config : {"y", "x", "-"}) sweep.push_back(row(config[0] == '-' ? "draw-all" : "m", config, angle, 1));
    const std::vector<MethodRow> rows = methodMajor(sweep, methods);
    const char* expected[][2] = {{"m", "x"}, {"m", "x"}, {"m", "y"}, {"m", "y"}, {"draw-all", "-"}, {"draw-all", "-"}};
    ASSERT_EQ(rows.size(), 6u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].method, expected[i][0]) << i;
        EXPECT_EQ(rows[i].config, expected[i][1]) << i;
        EXPECT_EQ(rows[i].angle, i % 2 ? 5 : 0) << i;
    }
}

// Catches a box left out though part of it shows (one corner inside is enough), and one kept though
// it lies wholly beyond a single plane: behind the eye, past the far plane, off a side.
TEST(OutsideView, OnlyBoxesWhollyBeyondOnePlane) {
    HandScene s;
    const Geometry::Vector small{1, 1, 1};
    const struct {
        Geometry::Vector centre;
        bool outside;
    } boxes[] = {
        {{0, 10, -50}, false},     // in front
        {{0, 10, 50}, true},       // behind the eye
        {{0, 10, -2500}, true},    // past the far plane (2000)
        {{-30, 10, -50}, true},    // left of x = -0.3 z
        {{-15.5, 10, -50}, false}, // across the left plane
        {{0, -5, -50}, true},      // below the view axis, which runs along the bottom edge
        {{0, 0.5, -50}, false},    // across it
        {{40, 40, -50}, true},     // beyond the right and the top planes, inside neither alone
    };
    for (const auto& b : boxes) s.addBox(b.centre, small, false);
    const std::vector<bool> outside = outsideView(s.scene(), lookingDownMinusZ());
    ASSERT_EQ(outside.size(), std::size(boxes));
    for (std::size_t i = 0; i < outside.size(); ++i) EXPECT_EQ(outside[i], boxes[i].outside) << i;
}
