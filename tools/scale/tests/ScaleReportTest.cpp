// The sweep's summaries: quantiles and the CSV that gnuplot reads.
#include "ScaleReport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// Catches a median of an even count taken from one side, quantiles taken before sorting, and an
// off-by-one in the interpolation.
TEST(ScaleReport, SpreadInterpolatesBetweenSortedValues) {
    struct Case {
        std::vector<double> values;
        double median, low, high;
    };
    const Case cases[] = {{{}, 0, 0, 0},
                          {{5}, 5, 5, 5},
                          {{4, 1, 3, 2}, 2.5, 1.3, 3.7},
                          {{10, 0, 5, 1, 2, 3, 4, 6, 7, 8, 9}, 5, 1, 9}};
    for (const Case& c : cases) {
        const Spread s = spreadOf(c.values);
        EXPECT_DOUBLE_EQ(s.median, c.median);
        EXPECT_NEAR(s.low, c.low, 1e-12);
        EXPECT_NEAR(s.high, c.high, 1e-12);
    }
}

// Catches a series name or a number that adds a field (a comma) to a row gnuplot splits on commas,
// and a size's series missing from the summary.
TEST(ScaleReport, EverySummaryRowHasSixFields) {
    SizeResult size;
    size.smallObjects = 1000;
    size.objects = 1050;
    for (int v = 0; v < 3; ++v) {
        ViewResult view;
        view.view = v;
        for (const char* series : {"cpu-depth tests (each object)", "cpu-depth tests (hierarchy)", "truth"})
            view.seconds.push_back({series, 0.001 * (v + 1)});
        size.views.push_back(view);
    }
    std::ostringstream out;
    writeSummaryCsv(out, {size});
    std::istringstream in(out.str());
    std::string line;
    int rows = 0;
    bool truthSeen = false;
    while (std::getline(in, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 5) << line;
        truthSeen = truthSeen || line == "1000,1050,truth,2,1.2,2.8";
        ++rows;
    }
    EXPECT_TRUE(truthSeen) << out.str();
    EXPECT_EQ(rows, 1 + 11 + 2); // header, the timed series, build time and memory
}

} // namespace
