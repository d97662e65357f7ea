#include "methods/CullMethod.h"

#include <algorithm>
#include <atomic>

double passSeconds(const CullOutcome& outcome) {
    double sum = 0.0;
    for (const StageCost& stage : outcome.stages) sum += stage.seconds;
    return sum;
}

std::uint32_t culledCount(const CullOutcome& outcome) {
    return static_cast<std::uint32_t>(std::count(outcome.culled.begin(), outcome.culled.end(), true));
}

std::uint64_t newSceneGeneration() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}
