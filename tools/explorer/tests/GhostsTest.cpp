// Which culled occludees the explorer draws anyway, and the overlay's tallies.
#include "Ghosts.h"

#include <gtest/gtest.h>

namespace {

// Scene indices unlike positions: a ghost list holding positions draws the wrong cubes.
const std::vector<std::uint32_t> occludees = {7, 12, 30, 41, 55};

struct Case {
    const char* fault; // what a wrong judgement would do
    std::vector<bool> culled, visible, hidden;
    std::vector<std::uint32_t> filled, wireframe;
    std::uint32_t culledCount, falseCulls, missedCulls;
};

TEST(Ghosts, JudgesEachOccludeeAgainstTheTruth) {
    // clang-format off
    const std::vector<Case> cases = {
        {"visible and hidden swapped: correct culls go magenta",
         {true, true, false, false, false}, {true, false, true, false, false}, {false, true, false, true, false},
         {7}, {12}, 2, 1, 1},
        {"missed culls taken from the full-scene truth instead of the occluders alone",
         {false, false, false, false, false}, {true, false, false, true, false}, {false, true, false, false, false},
         {}, {}, 0, 0, 1},
        {"without a truth, culled cubes shown as correct or false",
         {true, true, false, false, false}, {}, {},
         {}, {}, 2, 0, 0},
    };
    // clang-format on
    Judgement judgement;
    for (const Case& c : cases)
        for (int frame = 0; frame < 2; ++frame) { // a second frame must not add to the first
            judgeOccludees(occludees, c.culled, c.visible, c.hidden, judgement);
            EXPECT_EQ(judgement.filled, c.filled) << c.fault;
            EXPECT_EQ(judgement.wireframe, c.wireframe) << c.fault;
            EXPECT_EQ(judgement.culled, c.culledCount) << c.fault;
            EXPECT_EQ(judgement.falseCulls, c.falseCulls) << c.fault;
            EXPECT_EQ(judgement.missedCulls, c.missedCulls) << c.fault;
        }
}

} // namespace
