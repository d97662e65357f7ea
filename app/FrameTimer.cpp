#include "app/FrameTimer.h"

#include <chrono>

std::int64_t counterFrequency = 0;
std::int64_t lastCounter = 0;
float frameSeconds = 0.1f;

namespace {
using Clock = std::chrono::steady_clock;
} // namespace

std::int64_t readCounter() {
    return static_cast<std::int64_t>(Clock::now().time_since_epoch().count());
}

void startFrameTimer() {
    counterFrequency = static_cast<std::int64_t>(Clock::period::den / Clock::period::num);
    lastCounter = readCounter();
    frameSeconds = 0.1f;
}

float frameSecondsFor(std::int64_t ticks, std::int64_t frequency) {
    const std::int64_t counted = ticks > 0 ? ticks : 1;
    const float seconds = static_cast<float>(static_cast<double>(counted) / static_cast<double>(frequency));
    return seconds > maxFrameSeconds ? maxFrameSeconds : seconds;
}

void updateFrameTimer() {
    const std::int64_t now = readCounter();
    const std::int64_t delta = now - lastCounter;
    lastCounter = now;
    frameSeconds = frameSecondsFor(delta, counterFrequency);
}
