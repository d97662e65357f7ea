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
        const TailSpread s = tailSpreadOf(c.values);
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
    EXPECT_EQ(rows, 1 + 3 + 3); // header, the timed series, build time and two of memory
}

SizeResult sizeWith(std::uint32_t n, const std::vector<std::string>& series) {
    SizeResult size;
    size.smallObjects = n;
    size.objects = n + 50;
    for (int v = 0; v < 2; ++v) {
        ViewResult view;
        view.view = v;
        for (const std::string& name : series) view.seconds.push_back({name, 0.002});
        size.views.push_back(view);
    }
    return size;
}

// A method that runs only at the small sizes (occlusion queries) and series that first appear at
// a later size. Catches a missing method written as a zero row (which the log scale refuses), a
// series seen only at a later size left out, a lab method's stages out of its colour, put before
// its pass or taken for those of another whose name begins the same, cpu-depth's stages repeated
// in the methods' plot, and the truth dropped.
TEST(ScaleReport, MethodsMissingAtSomeSizesHaveNoRowsThere) {
    const std::vector<SizeResult> sizes = {
        sizeWith(1000, {"cpu-depth rasterize", "cpu-depth pass", "occlusion-query occluders",
                        "occlusion-query pass", "truth"}),
        sizeWith(100000, {"cpu-depth rasterize", "cpu-depth pass", "hom map", "hom tests", "hom pass",
                          "hom-conservative map", "hom-conservative pass", "truth"})};
    std::ostringstream out;
    writeSummaryCsv(out, sizes);
    const std::string csv = out.str();
    EXPECT_NE(csv.find("1000,1050,occlusion-query pass,"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("100000,100050,occlusion-query"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("1000,1050,hom"), std::string::npos) << csv;
    EXPECT_NE(csv.find("100000,100050,hom tests,2,2,2"), std::string::npos) << csv;

    struct Expected {
        const char* name;
        std::size_t method;
        bool pass;
    };
    const Expected expected[] = {{"cpu-depth pass", 0, true},
                                 {"hom pass", 2, true},
                                 {"hom map", 2, false},
                                 {"hom tests", 2, false},
                                 {"hom-conservative pass", 3, true},
                                 {"hom-conservative map", 3, false},
                                 {"occlusion-query pass", 4, true},
                                 {"occlusion-query occluders", 4, false},
                                 {"truth", 5, true}};
    const std::vector<PlotSeries> plotted = methodPlotSeries(sizes);
    ASSERT_EQ(plotted.size(), std::size(expected));
    for (std::size_t i = 0; i < plotted.size(); ++i) {
        EXPECT_EQ(plotted[i].name, expected[i].name) << i;
        EXPECT_EQ(plotted[i].method, expected[i].method) << i;
        EXPECT_EQ(plotted[i].pass, expected[i].pass) << i;
    }
}

} // namespace
