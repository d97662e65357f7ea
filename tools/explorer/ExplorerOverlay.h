#pragma once
// The explorer's overlay and its machine-readable twin on standard output, and the frame-time
// window both report.

#include "methods/CullMethod.h"

#include <cstddef>
#include <string>
#include <vector>

// The last intervals of one kind since the configuration last changed.
class FrameWindow {
  public:
    void push(double seconds);
    void clear() { samples_.clear(); }
    std::size_t size() const { return samples_.size(); }
    // The q-quantile (0..1, nearest rank) in seconds; 0 when empty.
    double quantile(double q) const;

  private:
    std::vector<double> samples_;
};

struct Timings {
    FrameWindow frame; // from one frame's start to the next
    FrameWindow pass;  // the method's culling pass
    FrameWindow truth; // the two truth renders
    void clear() {
        frame.clear();
        pass.clear();
        truth.clear();
    }
};

struct OverlayValues {
    std::string method;
    std::string configuration;
    double mainAngle = 0.0;
    double fakeAngle = 0.0;
    int fakeView = -1; // the fake camera's viewpoint on a scene of viewpoints; -1 on the viewer's orbit
    int threshold = 255;
    bool locked = false;
    bool ghosts = true;
    bool truth = true;
    int buffer = -1; // picture shown, -1 none
    std::uint32_t occludees = 0;
    std::uint32_t culled = 0;
    std::uint32_t falseCulls = 0;
    std::uint32_t missedCulls = 0;
    unsigned keys = 0; // keys received so far: lets a reader match a state line to its key
    const Timings* timings = nullptr;
};

// The lines at the top-left, top to bottom, and the two help lines at the bottom.
std::vector<std::string> overlayLines(const OverlayValues& values);
std::vector<std::string> helpLines();

// "state key=value ..." on one line.
std::string stateLine(const OverlayValues& values);

// GL: the overlay over the finished frame, in the viewer's 640 x 640 overlay space.
void drawOverlay(const OverlayValues& values, const BufferPicture* picture);
