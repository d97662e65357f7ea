#pragma once
// Per-frame culling counters: zeroed by the map and buffer builds, counted by the two tests.
// After a frame passedDeb <= passedHom <= number of occludees.

#include <cstdint>

struct FrameStats {
    std::uint32_t passedHom = 0; // occludees the occlusion map reported covered
    std::uint32_t passedDeb = 0; // occludees the depth estimation buffer then culled
};

extern FrameStats frameStats;
