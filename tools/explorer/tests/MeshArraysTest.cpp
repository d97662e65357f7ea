// Which stretches of the scene's buffer a list of objects draws.
#include "MeshArrays.h"

#include <gtest/gtest.h>

namespace {

TEST(MeshArrays, DrawRangesJoinNeighboursInListOrder) {
    const std::vector<std::int32_t> first = {0, 3, 6, 6, 12, 15}; // object 2 has no faces
    struct Case {
        const char* fault;
        std::vector<std::uint32_t> indices;
        std::vector<std::int32_t> starts, counts;
    };
    const std::vector<Case> cases = {
        {"neighbours not joined, or joined across an empty object", {0, 1, 2, 3}, {0}, {12}},
        {"the list sorted (ties at equal depth would resolve differently)", {4, 3, 0}, {12, 6, 0}, {3, 6, 3}},
        {"a repeat dropped or joined to itself", {1, 1}, {3, 3}, {3, 3}},
        {"an index past the scene read beyond the table", {5, 99, 0}, {0}, {3}},
    };
    std::vector<std::int32_t> starts = {7}, counts = {7}; // stale: must be replaced
    for (const Case& c : cases) {
        drawRanges(first, c.indices, starts, counts);
        EXPECT_EQ(starts, c.starts) << c.fault;
        EXPECT_EQ(counts, c.counts) << c.fault;
    }
}

} // namespace
