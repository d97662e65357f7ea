// Once the visible list has grown to its largest size, a culling pass allocates nothing.
#include "ViewerWindow.h"

// In AllocationCounter.cpp: counts operator new calls from start to stop.
void startCountingAllocations();
std::size_t stopCountingAllocations();

using SteadyFrameGl = GlTest;

TEST_F(SteadyFrameGl, SteadyCullingFramesAllocateNothing) {
    // Warm up at the views measured below: the visible list grows to the size they need and the
    // driver compiles what it needs for them.
    for (double angle : {0.0, 180.0, 225.0}) {
        spinFakeCamera(angle);
        for (int frame = 0; frame < 3; ++frame) runCullingFrame();
    }
    for (double angle : {0.0, 225.0}) {
        spinFakeCamera(angle);
        startCountingAllocations();
        for (int frame = 0; frame < 5; ++frame) runCullingFrame();
        EXPECT_EQ(stopCountingAllocations(), 0u) << "angle " << angle;
    }
}
