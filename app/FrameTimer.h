#pragma once
// Frame timing on a monotonic counter of known frequency (std::chrono::steady_clock ticks).

#include <cstdint>

extern std::int64_t counterFrequency; // ticks per second
extern std::int64_t lastCounter;      // counter value at the previous frame
extern float frameSeconds;            // seconds between the last two frames, at most maxFrameSeconds

constexpr float maxFrameSeconds = 0.1f;

std::int64_t readCounter();

// Reads the frequency and the counter and sets frameSeconds to 0.1: the first frame's interval
// is measured from here.
void startFrameTimer();

// frameSeconds from the ticks since the last call, capped at maxFrameSeconds.
void updateFrameTimer();

// frameSeconds for an interval of `ticks` at `frequency` ticks per second, capped at
// maxFrameSeconds. An interval of zero ticks (or less) counts as one tick, so the frame rate
// shown stays finite.
float frameSecondsFor(std::int64_t ticks, std::int64_t frequency);
