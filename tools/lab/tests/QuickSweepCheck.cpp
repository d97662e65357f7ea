// Checks what `culling-lab --quick FOLDER` wrote: every file, and counts that agree with each
// other in every row. Usage: lab_sweep_check FOLDER
#include "LabMetrics.h"
#include "LabPlots.h"
#include "LabSweep.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string folder;

bool isPng(const std::string& name) {
    std::ifstream in(folder + "/" + name, std::ios::binary);
    std::string magic(8, '\0');
    in.read(magic.data(), 8);
    return magic == "\x89PNG\r\n\x1a\n";
}

} // namespace

TEST(QuickSweep, EveryPlannedRowHasConsistentCounts) {
    std::ifstream csv(folder + "/results.csv");
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, csvHeader());
    std::size_t rows = 0;
    while (std::getline(csv, line)) {
        SCOPED_TRACE(line);
        const std::optional<SweepRow> r = parseCsvLine(line);
        ASSERT_TRUE(r);
        ++rows;
        EXPECT_EQ(r->occludees, 640u);
        EXPECT_LE(r->passedDeb, r->passedHom);
        EXPECT_LE(r->passedHom, r->occludees);
        EXPECT_EQ(r->drawn, r->occludees - r->passedDeb);
        EXPECT_LE(r->falseCulls, r->passedDeb);
        EXPECT_LE(r->visible, r->occludees); // hidden = occludees - visible must not wrap
        // Drawn occludees are the visible ones not falsely culled plus the hidden ones not culled.
        EXPECT_EQ(r->drawn, r->visible - r->falseCulls + r->missedCulls);
    }
    const SweepPlan plan = quickSweepPlan();
    EXPECT_EQ(rows, plan.angles.size() * plan.thresholds.size());
}

TEST(QuickSweep, WritesSummaryPicturesAndPlots) {
    std::ifstream in(folder + "/summary.md");
    std::ostringstream summary;
    summary << in.rdbuf();
    EXPECT_NE(summary.str().find("## Per threshold"), std::string::npos);
    EXPECT_EQ(summary.str().find("## Problems"), std::string::npos) << summary.str();

    for (int angle : quickSweepPlan().pictureAngles) {
        const std::string a = std::to_string(angle);
        for (int level = 0; level < 4; ++level)
            EXPECT_TRUE(isPng("map-" + a + "-level" + std::to_string(level) + ".png")) << a << "/" << level;
        EXPECT_TRUE(isPng("buffer-" + a + ".png")) << a;
        EXPECT_TRUE(isPng("structures-" + a + ".png")) << a;
    }
    if (std::system("command -v gnuplot >/dev/null 2>&1") == 0) {
        EXPECT_TRUE(isPng(cullingPlotName));
        EXPECT_TRUE(isPng(costPlotName));
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    folder = argc > 1 ? argv[1] : "."; // without the argument the checks fail on missing files
    return RUN_ALL_TESTS();
}
