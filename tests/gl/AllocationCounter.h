#pragma once
// Counts calls of the global operator new in this test binary while counting is on.

#include <cstddef>

void startCountingAllocations();

// Stops counting; returns the number of allocations since startCountingAllocations.
std::size_t stopCountingAllocations();
