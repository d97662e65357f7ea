// Checks what `culling-lab --quick FOLDER` wrote: every file, and counts that agree with each
// other across the rows. Usage: lab_sweep_check FOLDER
#include "LabMetrics.h"
#include "LabPlots.h"
#include "LabSweep.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

std::string folder;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isPng(const std::string& path) { return readFile(path).rfind("\x89PNG\r\n\x1a\n", 0) == 0; }

std::vector<SweepRow> readRows() {
    std::ifstream csv(folder + "/results.csv");
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, csvHeader());
    std::vector<SweepRow> rows;
    while (std::getline(csv, line)) {
        const std::optional<SweepRow> row = parseCsvLine(line);
        EXPECT_TRUE(row) << line;
        if (row) rows.push_back(*row);
    }
    return rows;
}

} // namespace

TEST(QuickSweep, CoversEveryPlannedConfigurationOnce) {
    const SweepPlan plan = quickSweepPlan();
    std::set<std::pair<int, int>> planned, seen;
    for (int angle : plan.angles)
        for (int threshold : plan.thresholds) planned.insert({angle, threshold});
    const std::vector<SweepRow> rows = readRows();
    for (const SweepRow& r : rows) seen.insert({r.angle, r.threshold});
    EXPECT_EQ(rows.size(), planned.size());
    EXPECT_EQ(seen, planned);
}

TEST(QuickSweep, CountsAgreeWithinEachRow) {
    for (const SweepRow& r : readRows()) {
        SCOPED_TRACE(csvLine(r));
        EXPECT_EQ(r.occludees, 640u);
        EXPECT_LE(r.passedDeb, r.passedHom);
        EXPECT_LE(r.passedHom, r.occludees);
        EXPECT_EQ(r.drawn, r.occludees - r.passedDeb);
        EXPECT_LE(r.visible, r.occludees);
        EXPECT_LE(r.falseCulls, r.passedDeb);
        EXPECT_LE(r.falseCulls, r.visible);
        EXPECT_LE(r.missedCulls, hiddenOccludees(r));
        // Drawn occludees are the visible ones not falsely culled plus the hidden ones not culled.
        EXPECT_EQ(r.drawn, r.visible - r.falseCulls + r.missedCulls);
        EXPECT_GT(r.cost.mapBuild, 0.0);
        EXPECT_GT(r.cost.tests, 0.0);
        EXPECT_GT(r.cost.drawSurvivors, 0.0);
        EXPECT_GT(r.cost.drawAll, 0.0);
    }
}

TEST(QuickSweep, ThresholdsOnlyChangeWhatIsCoveredNotWhatIsVisible) {
    std::map<int, std::vector<SweepRow>> byAngle;
    for (const SweepRow& r : readRows()) byAngle[r.angle].push_back(r);
    for (auto& [angle, rows] : byAngle) {
        SCOPED_TRACE(angle);
        std::sort(rows.begin(), rows.end(),
                  [](const SweepRow& a, const SweepRow& b) { return a.threshold < b.threshold; });
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].visible, rows[0].visible); // the ground truth depends on the angle only
            // A higher threshold covers a subset, and the depth test does not depend on it.
            EXPECT_LE(rows[i].passedHom, rows[i - 1].passedHom);
            EXPECT_LE(rows[i].passedDeb, rows[i - 1].passedDeb);
        }
    }
}

TEST(QuickSweep, WallsFacingTheCameraGetCulledAndWallsBehindItDoNot) {
    for (const SweepRow& r : readRows()) {
        if (r.threshold != 255) continue;
        if (r.angle == 225) {
            EXPECT_GT(r.passedDeb, 100u) << "both walls face the fake camera";
        } else if (r.angle == 0) {
            EXPECT_EQ(r.passedDeb, 0u) << "the walls are behind the occludees";
        }
    }
}

TEST(QuickSweep, WritesSummaryPicturesAndPlots) {
    const std::string summary = readFile(folder + "/summary.md");
    EXPECT_NE(summary.find("## Per threshold"), std::string::npos);
    EXPECT_NE(summary.find("## Targets"), std::string::npos);
    EXPECT_EQ(summary.find("## Problems"), std::string::npos) << summary;
    for (int threshold : quickSweepPlan().thresholds)
        EXPECT_NE(summary.find("\n| " + std::to_string(threshold) + " | "), std::string::npos) << threshold;

    for (int angle : quickSweepPlan().pictureAngles) {
        const std::string tag = folder + "/";
        const std::string a = std::to_string(angle);
        for (int level = 0; level < 4; ++level)
            EXPECT_TRUE(isPng(tag + "map-" + a + "-level" + std::to_string(level) + ".png"))
                << a << "/" << level;
        EXPECT_TRUE(isPng(tag + "buffer-" + a + ".png")) << a;
        EXPECT_TRUE(isPng(tag + "structures-" + a + ".png")) << a;
    }
    if (std::system("command -v gnuplot >/dev/null 2>&1") == 0) {
        EXPECT_TRUE(isPng(folder + "/" + cullingPlotName));
        EXPECT_TRUE(isPng(folder + "/" + costPlotName));
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: lab_sweep_check FOLDER\n";
        return 2;
    }
    folder = argv[1];
    return RUN_ALL_TESTS();
}
