#pragma once
// Heads-up overlay: six white Helvetica-18 lines over a 640 x 640 orthographic space (origin
// bottom-left), baselines 620 down to 520. The texts are built without GL so they can be checked.

#include <array>
#include <cstdint>
#include <string>

constexpr unsigned hudTop = 620;
constexpr unsigned hudLineStep = 20;
constexpr unsigned hudLineCount = 6;

struct HudValues {
    float frameSeconds = 0.1f;
    std::uint32_t objectCount = 0;
    std::uint32_t occluderCount = 0;
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;
    std::uint8_t opacityThreshold = 255;
    bool lockToFakeCamera = false;
};

// The six lines, top to bottom.
std::array<std::string, hudLineCount> hudLines(const HudValues& values);

// The current values of the running viewer.
HudValues currentHudValues();

// GL: draws the overlay over the finished frame; leaves lighting and depth test off and the
// projection matrix mode selected.
void drawHud();

// GL: one line with its baseline at y = hudTop - lineOffset, from x = 0.
void drawHudLine(unsigned lineOffset, std::string text);
