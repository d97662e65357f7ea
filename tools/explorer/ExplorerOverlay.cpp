#include "ExplorerOverlay.h"

#include "app/Hud.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t frameWindowSize = 120;
constexpr float overlaySide = 640.0f;
constexpr int pictureShown = 192; // pixels a buffer picture is blown up (or down) to
constexpr int margin = 6;

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

std::string counts(const OverlayValues& v) {
    std::string line = "culled " + std::to_string(v.culled) + " of " + std::to_string(v.occludees);
    if (!v.truth) return line + "    false and missed culls: truth off (t)";
    return line + "    false culls " + std::to_string(v.falseCulls) + "    missed culls " +
           std::to_string(v.missedCulls);
}

void textAt(float x, float y, void* font, const std::string& text) {
    glRasterPos2f(x, y);
    for (char c : text) glutBitmapCharacter(font, static_cast<unsigned char>(c));
}

void drawPicture(const BufferPicture& picture) {
    if (picture.side <= 0 || picture.grey.size() < static_cast<std::size_t>(picture.side) * picture.side)
        return;
    const float x = overlaySide - pictureShown - margin, y = 2.0f * 16 + margin;
    const float zoom = static_cast<float>(pictureShown) / static_cast<float>(picture.side);
    glRasterPos2f(x, y);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelZoom(zoom, zoom);
    glDrawPixels(picture.side, picture.side, GL_LUMINANCE, GL_UNSIGNED_BYTE, picture.grey.data());
    glPixelZoom(1.0f, 1.0f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBegin(GL_LINE_LOOP); // black texels are "empty": the frame shows where the picture ends
    glVertex2f(x - 1, y - 1);
    glVertex2f(x + pictureShown + 1, y - 1);
    glVertex2f(x + pictureShown + 1, y + pictureShown + 1);
    glVertex2f(x - 1, y + pictureShown + 1);
    glEnd();
    const auto* caption = reinterpret_cast<const unsigned char*>(picture.caption.c_str());
    const float width = static_cast<float>(glutBitmapLength(GLUT_BITMAP_HELVETICA_12, caption));
    textAt(std::min(x, overlaySide - margin - width), y + pictureShown + 6, GLUT_BITMAP_HELVETICA_12,
           picture.caption);
}

} // namespace

void FrameWindow::push(double seconds) {
    if (samples_.size() == frameWindowSize) samples_.erase(samples_.begin());
    samples_.push_back(seconds);
}

double FrameWindow::quantile(double q) const {
    if (samples_.empty()) return 0.0;
    std::vector<double> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::lround(q * static_cast<double>(sorted.size() - 1)));
    return sorted[std::min(rank, sorted.size() - 1)];
}

std::vector<std::string> overlayLines(const OverlayValues& v) {
    const Timings none;
    const Timings& t = v.timings ? *v.timings : none;
    std::string times =
        format("cull pass %.2f ms    frame %.1f ms", t.pass.quantile(0.5) * 1e3, t.frame.quantile(0.5) * 1e3);
    times += v.truth ? format(" (truth pass %.1f ms)", t.truth.quantile(0.5) * 1e3) : " (no truth pass)";
    return {
        v.method + ": " + v.configuration,
        counts(v),
        times,
        (v.fakeView < 0 ? format("main cam %g    fake cam %g", v.mainAngle, v.fakeAngle)
                        : format("main cam %g    fake cam viewpoint %g", v.mainAngle, v.fakeView)) +
            (v.locked ? "    view: fake cam" : "    view: main cam") +
            (v.ghosts ? "    ghosts on" : "    ghosts off"),
    };
}

std::vector<std::string> helpLines() {
    return {"m method   g ghosts (magenta: falsely culled, green: culled correctly)   b buffer   t truth",
            ". , main cam   ' ; [ ] fake cam   = - opacity   5 reset   c lock to fake cam   p print   Esc quit"};
}

std::string stateLine(const OverlayValues& v) {
    const Timings none;
    const Timings& t = v.timings ? *v.timings : none;
    char text[512];
    std::snprintf(text, sizeof text,
                  "state keys=%u method=%s threshold=%d main=%g fake=%g locked=%d ghosts=%d truth=%d "
                  "buffer=%d culled=%u false=%d missed=%d pass_ms=%.3f truth_ms=%.3f frames=%zu "
                  "frame_ms=%.2f frame_p10_ms=%.2f frame_p90_ms=%.2f view=%d",
                  v.keys, v.method.c_str(), v.threshold, v.mainAngle, v.fakeAngle, v.locked, v.ghosts,
                  v.truth, v.buffer, v.culled, v.truth ? static_cast<int>(v.falseCulls) : -1,
                  v.truth ? static_cast<int>(v.missedCulls) : -1, t.pass.quantile(0.5) * 1e3,
                  t.truth.quantile(0.5) * 1e3, t.frame.size(), t.frame.quantile(0.5) * 1e3,
                  t.frame.quantile(0.1) * 1e3, t.frame.quantile(0.9) * 1e3, v.fakeView);
    return text;
}

void drawOverlay(const OverlayValues& values, const BufferPicture* picture) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, overlaySide, 0.0, overlaySide);
    glColor3f(1.0f, 1.0f, 1.0f);
    const std::vector<std::string> lines = overlayLines(values);
    for (unsigned i = 0; i < lines.size(); ++i) drawHudLine(i * hudLineStep, lines[i]);
    const std::vector<std::string> help = helpLines();
    for (std::size_t i = 0; i < help.size(); ++i)
        textAt(2.0f, 4.0f + 16.0f * static_cast<float>(help.size() - 1 - i), GLUT_BITMAP_HELVETICA_12,
               help[i]);
    if (picture)
        drawPicture(*picture);
    else if (values.buffer >= 0)
        textAt(overlaySide - 130.0f, 40.0f, GLUT_BITMAP_HELVETICA_12, "(no buffer to show)");
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
