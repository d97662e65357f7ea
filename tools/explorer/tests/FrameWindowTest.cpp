// The frame-time window behind the overlay's medians and the tour's table.
#include "ExplorerOverlay.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* fault; // what a wrong window would report
    std::vector<double> pushed;
    std::size_t size;
    double p10, p50, p90;
};

std::vector<double> ramp(int count) {
    std::vector<double> values;
    for (int i = count - 1; i >= 0; --i) values.push_back(i); // descending: the window must sort
    return values;
}

TEST(FrameWindow, KeepsTheLatestFramesAndReadsRanks) {
    const std::vector<Case> cases = {
        {"quantiles taken in arrival order, or off by one rank", ramp(5), 5, 0, 2, 4},
        {"no cap, or the oldest frames kept instead of the newest", ramp(200), 120, 12, 60, 107},
        {"an empty window reads garbage", {}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        FrameWindow window;
        for (double value : c.pushed) window.push(value);
        EXPECT_EQ(window.size(), c.size) << c.fault;
        EXPECT_EQ(window.quantile(0.1), c.p10) << c.fault;
        EXPECT_EQ(window.quantile(0.5), c.p50) << c.fault;
        EXPECT_EQ(window.quantile(0.9), c.p90) << c.fault;
    }
}

} // namespace
