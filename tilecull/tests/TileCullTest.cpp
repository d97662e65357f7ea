// The culler against independent double-precision arithmetic, its two paths against each other,
// its fill rule, its rectangle and box tests at the viewport's edges and its answers to bad input.
#include "TileCull.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

using Matrix = std::array<float, 16>; // column-major
using tilecull::Coverage;
using tilecull::Culler;
using tilecull::Mesh;
using tilecull::Occluder;
using tilecull::Visibility;

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += static_cast<double>(a[4 * k + r]) * b[4 * c + k];
            out[4 * c + r] = static_cast<float>(sum);
        }
    return out;
}

// glFrustum's matrix.
Matrix frustum(double l, double r, double b, double t, double n, double f) {
    Matrix m{};
    m[0] = static_cast<float>(2 * n / (r - l));
    m[5] = static_cast<float>(2 * n / (t - b));
    m[8] = static_cast<float>((r + l) / (r - l));
    m[9] = static_cast<float>((t + b) / (t - b));
    m[10] = static_cast<float>(-(f + n) / (f - n));
    m[11] = -1.0f;
    m[14] = static_cast<float>(-2 * f * n / (f - n));
    return m;
}

// A view turned by `yaw` and `pitch` (radians) about the origin, then moved back by `distance`.
Matrix view(double yaw, double pitch, double distance) {
    const float cy = static_cast<float>(std::cos(yaw)), sy = static_cast<float>(std::sin(yaw));
    const float cp = static_cast<float>(std::cos(pitch)), sp = static_cast<float>(std::sin(pitch));
    const Matrix turnY = {cy, 0, -sy, 0, 0, 1, 0, 0, sy, 0, cy, 0, 0, 0, 0, 1};
    const Matrix turnX = {1, 0, 0, 0, 0, cp, sp, 0, 0, -sp, cp, 0, 0, 0, 0, 1};
    Matrix back = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, static_cast<float>(-distance), 1};
    return multiply(back, multiply(turnX, turnY));
}

// Maps world x, y in [0, width] x [0, height] straight onto the window, at window depth (1 - z) / 2.
Matrix windowMatrix(int width, int height) {
    Matrix m{};
    m[0] = 2.0f / static_cast<float>(width);
    m[5] = 2.0f / static_cast<float>(height);
    m[10] = -1.0f;
    m[12] = -1.0f;
    m[13] = -1.0f;
    m[15] = 1.0f;
    return m;
}

struct Triangles {
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    void add(const std::array<float, 3>& a, const std::array<float, 3>& b, const std::array<float, 3>& c) {
        const auto first = static_cast<std::uint32_t>(positions.size() / 3);
        for (const auto* p : {&a, &b, &c}) positions.insert(positions.end(), p->begin(), p->end());
        indices.insert(indices.end(), {first, first + 1, first + 2});
    }
    Mesh mesh() const {
        return {positions.data(), static_cast<std::uint32_t>(positions.size() / 3), indices.data(),
                static_cast<std::uint32_t>(indices.size() / 3)};
    }
};

Triangles randomTriangles(std::mt19937& random, int count, float spread) {
    std::uniform_real_distribution<float> xy(-spread, spread), z(-3.0f * spread, 0.5f);
    Triangles t;
    for (int i = 0; i < count; ++i)
        t.add({xy(random), xy(random), z(random)}, {xy(random), xy(random), z(random)},
              {xy(random), xy(random), z(random)});
    return t;
}

// An axis-aligned box: 8 corners, 12 outward counter-clockwise triangles, the halves of each side
// next to each other (in `order`, by default).
struct Box {
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    Box(const std::array<float, 3>& centre, float half, const std::vector<int>& order = {}) {
        for (int i = 0; i < 8; ++i)
            for (int k = 0; k < 3; ++k) positions.push_back(centre[k] + ((i >> k) & 1 ? half : -half));
        static const std::uint32_t faces[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6},
                                                   {0, 1, 5}, {0, 5, 4}, {2, 6, 7}, {2, 7, 3},
                                                   {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
        for (int f = 0; f < 12; ++f) {
            const auto* face = faces[order.empty() ? f : order[static_cast<std::size_t>(f)]];
            indices.insert(indices.end(), face, face + 3);
        }
    }
    Mesh mesh() const { return {positions.data(), 8, indices.data(), 12}; }
};

std::vector<float> depthOf(const Culler& culler) {
    std::vector<float> out(static_cast<std::size_t>(culler.width()) *
                           static_cast<std::size_t>(culler.height()));
    culler.readDepth(out.data());
    return out;
}

// A camera 40 units back from the origin, turned a little, looking at randomTriangles' cloud.
Matrix randomCamera(std::mt19937& random, int width, int height) {
    std::uniform_real_distribution<double> angle(-0.4, 0.4);
    const double aspect = static_cast<double>(width) / height;
    return multiply(frustum(-0.5 * aspect, 0.5 * aspect, -0.5, 0.5, 1.0, 500.0),
                    view(angle(random), angle(random), 5.0));
}

// Catches a vector path that rounds, snaps, masks or reduces differently from the portable one:
// random triangles and views at every side, with either coverage, draw the same bits, and boxes
// and triangles get the same answers.
TEST(TileCull, BothPathsMakeTheSameDecisions) {
    if (Culler::fastestPath() == tilecull::Path::portable) GTEST_SKIP() << "no vector path on this processor";
    std::mt19937 random(7);
    const int sizes[][2] = {{64, 64}, {128, 128}, {256, 256}, {640, 640}, {100, 61}};
    for (const auto& size : sizes)
        for (int round = 0; round < 6; ++round) {
            const Triangles occluders = randomTriangles(random, 60, 12.0f);
            // Some reach behind the eye (5 units out), through the near plane and past the guard band.
            Triangles crossing = randomTriangles(random, 10, 12.0f);
            for (std::size_t i = 2; i < crossing.positions.size(); i += 3) crossing.positions[i] += 5.5f;
            const Matrix m = randomCamera(random, size[0], size[1]);
            Culler portable, vector;
            for (Culler* c : {&portable, &vector}) {
                ASSERT_TRUE(c->resize(size[0], size[1]));
                c->setCoverage(round % 3 == 0   ? Coverage::centres
                               : round % 3 == 1 ? Coverage::wholePixels
                                                : Coverage::outlines);
            }
            portable.setPath(tilecull::Path::portable);
            ASSERT_TRUE(vector.setPath(tilecull::Path::avx2));
            const Box box({0.0f, 0.0f, -20.0f}, 4.0f); // its sides' halves drawn as quads
            for (Culler* c : {&portable, &vector}) {
                c->renderTriangles(occluders.mesh(), m.data());
                c->renderTriangles(crossing.mesh(), m.data());
                c->renderTriangles(box.mesh(), m.data());
            }
            // Vertical edges half a subpixel right of a column of centres, where snapping must
            // break the tie alike: one way the edge runs through the centres, the other misses them.
            if (size[0] == size[1] && size[0] <= 256) {
                const Matrix w = windowMatrix(size[0], size[1]);
                const float x = 3.0f * static_cast<float>(round + 1) + 0.5f + 1.0f / 512.0f;
                Triangles ties; // a left edge going down, a right edge going up
                ties.add({x, 2, 0.3f}, {x + 30, 20, 0.1f}, {x, 40, 0.2f});
                ties.add({x + 5, 50, 0.3f}, {x + 35, 42, 0.1f}, {x + 35, 62, 0.2f});
                for (Culler* c : {&portable, &vector}) c->renderTriangles(ties.mesh(), w.data());
            }
            const std::vector<float> a = depthOf(portable), b = depthOf(vector);
            ASSERT_EQ(0, std::memcmp(a.data(), b.data(), a.size() * sizeof(float)))
                << size[0] << " round " << round;
            int shown = 0;
            // Occludees at and around the depth the box's nearest side stored, where a pixel's depth
            // ties with the occludee's: both paths must count a tie as showing.
            for (int k = 0; k < 64; ++k) {
                Culler flatPortable, flatVector;
                const Matrix w = windowMatrix(size[0], size[1]);
                Triangles wall, occludee;
                wall.add({-5, -5, 0}, {size[0] + 5.0f, -5, 0}, {-5, size[1] + 5.0f, 0});
                const float z = -static_cast<float>(k) * 1.2e-7f;
                occludee.add({1, 1, z}, {30, 1, z}, {1, 20, z});
                for (Culler* c : {&flatPortable, &flatVector}) {
                    c->resize(size[0], size[1]);
                    c->renderTriangles(wall.mesh(), w.data());
                }
                flatPortable.setPath(tilecull::Path::portable);
                flatVector.setPath(tilecull::Path::avx2);
                ASSERT_EQ(flatPortable.testTriangles(occludee.mesh(), w.data()),
                          flatVector.testTriangles(occludee.mesh(), w.data()))
                    << "tie " << k;
            }
            // Boxes of every size and depth, some reaching past the viewport or the near plane.
            std::uniform_real_distribution<float> place(-14.0f, 14.0f), reach(0.0f, 6.0f),
                depth(-40.0f, 6.0f);
            int hiddenBoxes = 0;
            for (int i = 0; i < 200; ++i) {
                const float low[3] = {place(random), place(random), depth(random)};
                const float high[3] = {low[0] + reach(random), low[1] + reach(random),
                                       low[2] + reach(random)};
                const Visibility p = portable.testBox(low, high, m.data());
                ASSERT_EQ(p, vector.testBox(low, high, m.data())) << size[0] << " box " << i;
                hiddenBoxes += p == Visibility::occluded;
            }
            EXPECT_GT(hiddenBoxes, 0);
            for (int i = 0; i < 40; ++i) {
                const Triangles occludee = randomTriangles(random, 2, 12.0f);
                const Visibility p = portable.testTriangles(occludee.mesh(), m.data());
                ASSERT_EQ(p, vector.testTriangles(occludee.mesh(), m.data())) << size[0] << " occludee " << i;
                shown += p == Visibility::visible;
            }
            EXPECT_GT(shown, 0);
            EXPECT_LT(shown, 40);
        }
}

// The window position and depth of a world point, in double precision from the same floats.
std::array<double, 3> windowOf(const Matrix& m, const std::array<float, 3>& p, int width, int height) {
    double c[4];
    for (int r = 0; r < 4; ++r)
        c[r] = static_cast<double>(m[r]) * p[0] + static_cast<double>(m[4 + r]) * p[1] +
               static_cast<double>(m[8 + r]) * p[2] + static_cast<double>(m[12 + r]);
    return {(c[0] / c[3] + 1.0) * 0.5 * width, (c[1] / c[3] + 1.0) * 0.5 * height, c[2] / c[3] * 0.5 + 0.5};
}

// Catches stored depths nearer than the truth (a plane rounded the wrong way, float error not
// allowed for, a wrong gradient) and coverage off by more than the snapping: one random triangle at
// a time against its exact plane at every pixel centre or, covering whole pixels, at every corner.
TEST(TileCull, StoredDepthsAreNeverNearerThanTheTrueDepth) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> xy(-6.0f, 6.0f), z(-60.0f, -2.0f);
    for (const tilecull::Coverage coverage : {tilecull::Coverage::centres, tilecull::Coverage::wholePixels}) {
        const bool whole = coverage == tilecull::Coverage::wholePixels;
        // Where a pixel is judged: its centre, or its corners.
        const std::vector<std::array<double, 2>> points =
            whole ? std::vector<std::array<double, 2>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}
                  : std::vector<std::array<double, 2>>{{0.5, 0.5}};
        int checked = 0;
        for (const int side : {64, 256, 640}) {
            Culler culler;
            ASSERT_TRUE(culler.resize(side, side));
            culler.setCoverage(coverage);
            const Matrix m = multiply(frustum(-0.3, 0.3, -0.3, 0.3, 1.0, 2000.0), view(0.1, -0.05, 0.0));
            for (int round = 0; round < 150; ++round) {
                Triangles t;
                t.add({xy(random), xy(random), z(random)}, {xy(random), xy(random), z(random)},
                      {xy(random), xy(random), z(random)});
                std::array<double, 3> w[3];
                for (int i = 0; i < 3; ++i)
                    w[i] = windowOf(m, {t.positions[3 * i], t.positions[3 * i + 1], t.positions[3 * i + 2]},
                                    side, side);
                const double area =
                    (w[1][0] - w[0][0]) * (w[2][1] - w[0][1]) - (w[2][0] - w[0][0]) * (w[1][1] - w[0][1]);
                if (area < 1.0) continue; // back faces and slivers
                culler.clear();
                culler.renderTriangles(t.mesh(), m.data());
                const std::vector<float> depth = depthOf(culler);
                for (int y = 0; y < side; ++y)
                    for (int x = 0; x < side; ++x) {
                        double inside = 1e9, truth = -1e9;
                        for (const auto& point : points) {
                            const double px = x + point[0], py = y + point[1];
                            double b[3];
                            for (int i = 0; i < 3; ++i) {
                                const auto &p = w[(i + 1) % 3], &q = w[(i + 2) % 3];
                                const double edge = (q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0]);
                                b[i] = edge / area;
                                inside = std::min(inside, edge / std::hypot(q[0] - p[0], q[1] - p[1]));
                            }
                            truth = std::max(truth, b[0] * w[0][2] + b[1] * w[1][2] + b[2] * w[2][2]);
                        }
                        const float stored = depth[static_cast<std::size_t>(y * side + x)];
                        // Whole pixels promise no more than soundness: a clipped triangle, drawn as
                        // a fan, leaves the pixels along the fan's inner edges out.
                        if (inside > 0.2 && !whole) {
                            ASSERT_LT(stored, 1.0f) << "uncovered inside at " << x << ", " << y;
                        }
                        // Whole pixels: no part may lie outside at all.
                        if (inside < (whole ? 0.0 : -0.2)) {
                            ASSERT_EQ(stored, 1.0f) << "covered outside at " << x << ", " << y;
                        }
                        if (stored == 1.0f) continue;
                        ASSERT_GE(static_cast<double>(stored), truth) << side << ": " << x << ", " << y;
                        ++checked;
                    }
            }
        }
        EXPECT_GT(checked, whole ? 50000 : 100000);
    }
}

// Catches whole-pixel or outline coverage that still hides what shows through a gap narrower than
// a pixel, centre coverage that loses the gap's pixel, and outline coverage that opens the seam
// between two faces of one mesh: two walls leave the gap x in [10.6, 10.8] open inside pixel 10,
// whose centre the left wall covers; the left wall is folded along its diagonal, so that its two
// triangles are not drawn as one quad.
TEST(TileCull, WholePixelCoverageKeepsGapsNarrowerThanAPixelOpen) {
    const Matrix w = windowMatrix(64, 64);
    // Each wall two triangles sharing their diagonal's corners; the left one's last corner raised.
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    for (const auto& span :
         {std::array<float, 3>{-2.0f, 10.6f, 0.2f}, std::array<float, 3>{10.8f, 70.0f, 0}}) {
        const auto first = static_cast<std::uint32_t>(positions.size() / 3);
        positions.insert(positions.end(),
                         {span[0], -2, 0, span[1], -2, 0, span[1], 70, 0, span[0], 70, span[2]});
        indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
    }
    const Mesh walls{positions.data(), 8, indices.data(), 4};
    const struct {
        tilecull::Coverage coverage;
        Visibility gap, wall, fold; // behind the gap; the right wall's middle; the left wall's fold
    } cases[] = {{Coverage::centres, Visibility::occluded, Visibility::occluded, Visibility::occluded},
                 {Coverage::wholePixels, Visibility::visible, Visibility::occluded, Visibility::visible},
                 {Coverage::outlines, Visibility::visible, Visibility::occluded, Visibility::occluded}};
    for (const auto& c : cases) {
        Culler culler;
        ASSERT_TRUE(culler.resize(64, 64));
        culler.setCoverage(c.coverage);
        culler.renderTriangles(walls, w.data());
        EXPECT_EQ(culler.testRect(10.62f, 20.0f, 10.78f, 30.0f, 0.9f), c.gap);
        EXPECT_EQ(culler.testRect(30.0f, 20.0f, 40.0f, 30.0f, 0.9f), c.wall);
        // The fold runs from (-2, -2) to (10.6, 70): through x = 4.3 at y = 34.
        EXPECT_EQ(culler.testRect(4.0f, 33.5f, 4.6f, 34.5f, 0.9f), c.fold);
    }
}

// Catches outline coverage that keeps what it found of a mesh's seams after the mesh's corners
// moved in place: two triangles with corners of their own meet along a diagonal, then one moves
// away. The pixel whose centre lies just inside the other, by the diagonal, is covered only while
// they meet.
TEST(TileCull, OutlineCoverageNoticesCornersMovedInPlace) {
    const Matrix w = windowMatrix(64, 64);
    std::vector<float> positions = {-2, -2, 0, 10.6f, -2, 0, 10.6f, 70, 0,
                                    -2, -2, 0, 10.6f, 70, 0, -2,    70, 0.2f};
    const std::vector<std::uint32_t> indices = {0, 1, 2, 3, 4, 5};
    const Mesh mesh{positions.data(), 6, indices.data(), 2};
    Culler culler;
    ASSERT_TRUE(culler.resize(64, 64));
    culler.setCoverage(Coverage::outlines);
    culler.renderTriangles(mesh, w.data());
    // The diagonal passes x = 4.39 at y = 34.5; pixel (4, 34) has its centre to the right.
    EXPECT_EQ(culler.testRect(4.6f, 34.2f, 4.9f, 34.8f, 0.9f), Visibility::occluded);
    for (std::size_t i = 9; i < positions.size(); i += 3) positions[i] += 200.0f;
    culler.clear();
    culler.renderTriangles(mesh, w.data());
    EXPECT_EQ(culler.testRect(4.6f, 34.2f, 4.9f, 34.8f, 0.9f), Visibility::visible);
}

double distanceToSegment(double x, double y, const std::array<double, 4>& s) {
    const double dx = s[2] - s[0], dy = s[3] - s[1];
    const double t = std::clamp(((x - s[0]) * dx + (y - s[1]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - s[0] - t * dx, y - s[1] - t * dy);
}

// Catches outline coverage that takes a seam between two of a mesh's front faces for its outline
// (pixels inside the box left open) or its outline for a seam (pixels reaching past it covered),
// also when each face repeats its corners: a box covers exactly the pixels its projection holds
// wholly, give or take the snapping near the outline.
TEST(TileCull, OutlineCoverageTakesWholePixelsAlongTheOutlineOnly) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> place(-6.0f, 6.0f);
    for (const bool repeated : {false, true})
        for (int round = 0; round < 12; ++round) {
            const int side = round % 2 ? 256 : 64;
            const Matrix m = randomCamera(random, side, side);
            const Box box({place(random), place(random), place(random) - 25.0f}, 3.0f);
            std::vector<float> positions = box.positions;
            std::vector<std::uint32_t> indices = box.indices;
            if (repeated) { // three corners of its own per triangle
                positions.clear();
                for (std::size_t i = 0; i < indices.size(); ++i) {
                    const std::uint32_t corner = indices[i];
                    positions.insert(positions.end(), box.positions.begin() + 3 * corner,
                                     box.positions.begin() + 3 * corner + 3);
                    indices[i] = static_cast<std::uint32_t>(i);
                }
            }
            const Mesh mesh{positions.data(), static_cast<std::uint32_t>(positions.size() / 3),
                            indices.data(), 12};
            // The projection's outline: the convex hull of the corners in the window.
            std::vector<std::array<double, 2>> points;
            for (int i = 0; i < 8; ++i) {
                const auto p =
                    windowOf(m, {box.positions[3 * i], box.positions[3 * i + 1], box.positions[3 * i + 2]},
                             side, side);
                points.push_back({p[0], p[1]});
            }
            std::sort(points.begin(), points.end());
            std::vector<std::array<double, 2>> hull;
            const auto cross = [](const auto& o, const auto& a, const auto& b) {
                return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
            };
            for (int pass = 0; pass < 2; ++pass) { // lower, then upper chain: counter-clockwise
                const std::size_t start = hull.size();
                for (const auto& p : points) {
                    while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
                        hull.pop_back();
                    hull.push_back(p);
                }
                hull.pop_back();
                std::reverse(points.begin(), points.end());
            }
            // Seams: edges between two front faces (a side's diagonal among them).
            std::vector<std::array<double, 4>> seams;
            const auto at = [&](std::uint32_t corner) {
                return windowOf(
                    m,
                    {box.positions[3 * corner], box.positions[3 * corner + 1], box.positions[3 * corner + 2]},
                    side, side);
            };
            const auto front = [&](int f) {
                const auto a = at(box.indices[3 * f]), b = at(box.indices[3 * f + 1]),
                           c = at(box.indices[3 * f + 2]);
                return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]) > 0.0;
            };
            for (int f = 0; f < 12; ++f)
                for (int g = 0; g < 12; ++g)
                    for (int i = 0; i < 3 && front(f) && front(g); ++i)
                        for (int j = 0; j < 3; ++j) {
                            const std::uint32_t p = box.indices[3 * f + i],
                                                q = box.indices[3 * f + (i + 1) % 3];
                            if (box.indices[3 * g + j] == q && box.indices[3 * g + (j + 1) % 3] == p)
                                seams.push_back({at(p)[0], at(p)[1], at(q)[0], at(q)[1]});
                        }
            // The least distance of a point inside the hull to its outline (negative outside).
            const auto inside = [&](double x, double y) {
                double least = 1e9;
                for (std::size_t i = 0; i < hull.size(); ++i) {
                    const auto &p = hull[i], &q = hull[(i + 1) % hull.size()];
                    least = std::min(least, cross(p, q, std::array<double, 2>{x, y}) /
                                                std::hypot(q[0] - p[0], q[1] - p[1]));
                }
                return least;
            };
            Culler culler;
            ASSERT_TRUE(culler.resize(side, side));
            culler.setCoverage(Coverage::outlines);
            culler.renderTriangles(mesh, m.data());
            const std::vector<float> depth = depthOf(culler);
            int covered = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    double least = 1e9;
                    for (const double cx : {0.0, 1.0})
                        for (const double cy : {0.0, 1.0}) least = std::min(least, inside(x + cx, y + cy));
                    const bool drawn = depth[static_cast<std::size_t>(y * side + x)] < 1.0f;
                    covered += drawn;
                    if (least > 0.02) {
                        ASSERT_TRUE(drawn) << repeated << " round " << round << ": " << x << ", " << y;
                    }
                    // A pixel across a seam, whose centre one face holds, may reach past the other's
                    // edge where the seam meets the outline.
                    double seam = 1e9;
                    for (const auto& e : seams) seam = std::min(seam, distanceToSegment(x + 0.5, y + 0.5, e));
                    if (least < 0.0 && seam > 0.75) {
                        ASSERT_FALSE(drawn) << repeated << " round " << round << ": " << x << ", " << y;
                    }
                }
            EXPECT_GT(covered, 20) << repeated << " round " << round;
        }
}

// Catches face pairs drawn as a wrong quad (corners out of order, a pair across a corner of the box,
// a plane from the wrong triangle) or missed: boxes whose sides' halves are next to each other,
// sharing their edges in one way or (their corners listed from another one) in several, draw what
// the same boxes draw with no two halves of a side next to each other.
TEST(TileCull, FacePairsDrawnAsQuadsCoverWhatTheirTrianglesCover) {
    std::mt19937 random(13);
    std::uniform_real_distribution<float> place(-10.0f, 10.0f);
    const std::vector<int> unpaired = {3, 8, 0, 2, 4, 6, 10, 1, 5, 7, 9, 11};
    for (const int side : {64, 640})
        for (int round = 0; round < 8; ++round) {
            const Matrix m = randomCamera(random, side, side);
            const std::array<float, 3> centre = {place(random), place(random), place(random) - 30.0f};
            Box turned(centre, 3.0f);
            for (const std::size_t f : {1, 2, 5, 6, 7, 10})
                std::rotate(turned.indices.begin() + 3 * f, turned.indices.begin() + 3 * f + 1 + f % 2,
                            turned.indices.begin() + 3 * f + 3);
            Culler paired, mixed, single;
            for (Culler* c : {&paired, &mixed, &single}) c->resize(side, side);
            paired.renderTriangles(Box(centre, 3.0f).mesh(), m.data());
            mixed.renderTriangles(turned.mesh(), m.data());
            single.renderTriangles(Box(centre, 3.0f, unpaired).mesh(), m.data());
            EXPECT_LT(paired.counters().trianglesDrawn, single.counters().trianglesDrawn);
            EXPECT_EQ(mixed.counters().trianglesDrawn, paired.counters().trianglesDrawn);
            const std::vector<float> a = depthOf(paired), b = depthOf(single), c = depthOf(mixed);
            for (std::size_t i = 0; i < a.size(); ++i) {
                ASSERT_EQ(a[i] < 1.0f, b[i] < 1.0f) << side << " round " << round << " pixel " << i;
                ASSERT_NEAR(a[i], b[i], 1e-5) << side << " round " << round << " pixel " << i;
                ASSERT_EQ(c[i] < 1.0f, b[i] < 1.0f) << side << " round " << round << " pixel " << i;
                ASSERT_NEAR(c[i], b[i], 1e-5) << side << " round " << round << " pixel " << i;
            }
        }
}

// Catches a fill rule that gives a centre on an edge to the wrong triangle: squares split on a
// diagonal, corners on pixel centres. Left and top edges own their centres; the diagonal is the
// lower triangle's left edge.
TEST(TileCull, CentresOnEdgesGoToLeftAndTopEdges) {
    const Matrix m = windowMatrix(16, 16);
    for (const float n : {2.0f, 12.0f}) {
        const float e = n + 0.5f;
        Triangles lower, upper;
        lower.add({0.5f, 0.5f, 0}, {e, 0.5f, 0}, {e, e, 0});
        upper.add({0.5f, 0.5f, 0}, {e, e, 0}, {0.5f, e, 0});
        Culler a, b;
        a.resize(16, 16);
        b.resize(16, 16);
        a.renderTriangles(lower.mesh(), m.data());
        b.renderTriangles(upper.mesh(), m.data());
        const std::vector<float> da = depthOf(a), db = depthOf(b);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const auto k = static_cast<std::size_t>(y * 16 + x);
                EXPECT_EQ(da[k] < 1.0f, y >= 1 && x >= y && x < n) << n << ": " << x << ", " << y;
                EXPECT_EQ(db[k] < 1.0f, x < y && y <= n) << n << ": " << x << ", " << y;
            }
    }
}

// Catches a fill rule that lets two triangles sharing an edge both take, or both miss, a pixel
// centre on it: fans on the 1/8-pixel grid, many edges through centres, cover each centre inside
// their convex outline exactly once.
TEST(TileCull, TrianglesSharingEdgesCoverEachCentreOnce) {
    const int side = 64;
    const Matrix m = windowMatrix(side, side);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> eighth(8 * 8, 56 * 8), pick(0, 3);
    for (int round = 0; round < 40; ++round) {
        // A centre and corners on a circle-ish outline, half of them snapped to pixel centres.
        const float cx = eighth(random) / 8.0f, cy = eighth(random) / 8.0f;
        const int corners = 7;
        std::vector<std::array<float, 3>> ring;
        for (int i = 0; i < corners; ++i) {
            const double a = 6.283185307179586 * i / corners;
            float x = std::round(static_cast<float>(32.0 + 24.0 * std::cos(a)) * 8.0f) / 8.0f;
            float y = std::round(static_cast<float>(32.0 + 24.0 * std::sin(a)) * 8.0f) / 8.0f;
            if (pick(random) < 2) x = std::floor(x) + 0.5f, y = std::floor(y) + 0.5f;
            ring.push_back({x, y, -0.5f});
        }
        std::vector<int> count(side * side, 0);
        for (int i = 0; i < corners; ++i) {
            Triangles t;
            t.add({cx, cy, -0.5f}, ring[i], ring[(i + 1) % corners]);
            Culler culler;
            culler.resize(side, side);
            culler.renderTriangles(t.mesh(), m.data());
            const std::vector<float> depth = depthOf(culler);
            for (std::size_t k = 0; k < depth.size(); ++k) count[k] += depth[k] < 1.0f;
        }
        // Every centre strictly inside the outline polygon: once; none outside it or on it twice.
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                double inside = 1e9;
                for (int i = 0; i < corners; ++i) {
                    const auto &p = ring[i], &q = ring[(i + 1) % corners];
                    inside = std::min(inside, (q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0]));
                }
                const int c = count[static_cast<std::size_t>(y * side + x)];
                if (inside > 0.0) {
                    ASSERT_EQ(c, 1) << "round " << round << " at " << x << ", " << y;
                }
                ASSERT_LE(c, 1) << "round " << round << " at " << x << ", " << y;
            }
    }
}

// A width x height culler with the whole viewport covered at window depth 0.5, except the pixels
// of column `gapColumn` (none when negative).
Culler coveredCuller(int width, int height, int gapColumn) {
    Culler culler;
    culler.resize(width, height);
    const Matrix m = windowMatrix(width, height);
    Triangles t;
    const auto quad = [&t](float x0, float x1, float h) {
        t.add({x0, 0, 0}, {x1, 0, 0}, {x1, h, 0});
        t.add({x0, 0, 0}, {x1, h, 0}, {x0, h, 0});
    };
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    if (gapColumn < 0) {
        quad(-5, w + 5, h + 5);
    } else {
        quad(-5, static_cast<float>(gapColumn), h + 5);
        quad(static_cast<float>(gapColumn + 1), w + 5, h + 5);
    }
    // Extend below the bottom edge too.
    t.add({-5, -5, 0}, {w + 5, -5, 0}, {w + 5, 0, 0});
    t.add({-5, -5, 0}, {w + 5, 0, 0}, {-5, 0, 0});
    culler.renderTriangles(t.mesh(), m.data());
    return culler;
}

// Catches rectangles reaching outside the viewport left visible (not clamped), clamped wrongly
// (the empty last column missed or a neighbour read), and ones wholly outside not told apart.
TEST(TileCull, RectanglesAreClampedAtEveryViewportEdge) {
    for (const int width : {64, 100}) {
        const int height = 61;
        const Culler full = coveredCuller(width, height, -1);
        const Culler gapRight = coveredCuller(width, height, width - 1);
        const Culler gapLeft = coveredCuller(width, height, 0);
        const float w = static_cast<float>(width), h = static_cast<float>(height);
        const struct {
            const Culler* culler;
            float minX, minY, maxX, maxY, nearest;
            Visibility expected;
        } cases[] = {
            {&full, -20, 10, 10, 20, 0.6f, Visibility::occluded},          // out past the left edge
            {&full, w - 10, 10, w + 30, 20, 0.6f, Visibility::occluded},   // the right edge
            {&full, 10, -30, 20, 10, 0.6f, Visibility::occluded},          // the bottom edge
            {&full, 10, h - 3, 20, h + 50, 0.6f, Visibility::occluded},    // the top edge
            {&full, -1e6f, -1e6f, 1e6f, 1e6f, 0.6f, Visibility::occluded}, // all of them
            {&full, -20, 10, 10, 20, 0.5f, Visibility::visible},           // equal depth is not behind
            {&full, -20, 10, 10, 20, 0.4f, Visibility::visible},
            {&gapRight, w - 10, 10, w + 30, 20, 0.6f, Visibility::visible}, // reaches the empty column
            {&gapRight, w - 10, 10, w - 1, 20, 0.6f, Visibility::occluded}, // stops at its boundary
            {&gapLeft, -20, 10, 0.5f, 20, 0.6f, Visibility::visible},
            {&gapLeft, 1, 10, 20, 20, 0.6f, Visibility::occluded},
            {&full, -30, 10, -1, 20, 0.6f, Visibility::outsideView},
            {&full, w + 1, 10, w + 9, 20, 0.6f, Visibility::outsideView},
            {&full, 10, -9, 20, 0, 0.6f, Visibility::outsideView},
            {&full, 10, h, 20, h + 9, 0.6f, Visibility::outsideView},
            {&full, 20, 10, 10, 20, 0.6f, Visibility::visible}, // inverted
            {&full, std::nanf(""), 10, 20, 20, 0.6f, Visibility::visible},
            {&full, 10, 10, 20, 20, std::nanf(""), Visibility::visible},
        };
        for (const auto& c : cases)
            EXPECT_EQ(c.culler->testRect(c.minX, c.minY, c.maxX, c.maxY, c.nearest), c.expected)
                << width << ": " << c.minX << " " << c.minY << " " << c.maxX << " " << c.maxY << " "
                << c.nearest;
        // The same rectangle in device coordinates.
        EXPECT_EQ(full.testNdcRect(-1.5f, -0.5f, 0.5f, 2.0f, 0.6f), Visibility::occluded);
        EXPECT_EQ(gapRight.testNdcRect(0.5f, -0.5f, 1.5f, 0.5f, 0.6f), Visibility::visible);
    }
}

// Catches boxes culled from their far corners when they reach in front of the near plane or
// behind the eye, and a box test that ignores the depths it reads.
TEST(TileCull, BoxesCrossingTheNearPlaneAreNeverCulled) {
    Culler culler;
    culler.resize(64, 64);
    const Matrix m = frustum(-1, 1, -1, 1, 1.0, 100.0);
    Triangles wall; // z = -5, far wider than the view
    wall.add({-100, -100, -5}, {100, -100, -5}, {100, 100, -5});
    wall.add({-100, -100, -5}, {100, 100, -5}, {-100, 100, -5});
    culler.renderTriangles(wall.mesh(), m.data());
    const struct {
        std::array<float, 3> min, max;
        Visibility expected;
    } cases[] = {
        {{-1, -1, -20}, {1, 1, -10}, Visibility::occluded},
        {{-1, -1, -4}, {1, 1, -2}, Visibility::visible},        // in front of the wall
        {{-1, -1, -20}, {1, 1, -0.5f}, Visibility::visible},    // through the near plane
        {{-1, -1, -20}, {1, 1, 5}, Visibility::visible},        // reaching behind the eye
        {{-1, -1, 2}, {1, 1, 5}, Visibility::visible},          // wholly behind the eye
        {{50, -1, -20}, {60, 1, -10}, Visibility::outsideView}, // beside the view
    };
    for (const auto& c : cases)
        EXPECT_EQ(culler.testBox(c.min.data(), c.max.data(), m.data()), c.expected)
            << c.min[2] << " " << c.max[2];
}

// Catches a box test whose depth limit is not rounded up to a float: boxes an eighth of a float
// step behind, on and in front of a flat wall's stored depth S (boxes at z = 1 - 2 depth).
TEST(TileCull, BoxesJustBehindAStoredDepthAreHidden) {
    const Matrix m = windowMatrix(64, 64);
    Triangles wall;
    wall.add({-5, -5, -0.2f}, {70, -5, -0.2f}, {70, 70, -0.2f});
    wall.add({-5, -5, -0.2f}, {70, 70, -0.2f}, {-5, 70, -0.2f});
    Culler culler;
    culler.resize(64, 64);
    culler.renderTriangles(wall.mesh(), m.data());
    const double stored = depthOf(culler)[0];
    ASSERT_TRUE(stored > 0.5625 && stored < 0.625); // where these z are floats
    const struct {
        double eighths; // of a float step at S, behind it
        Visibility expected;
    } cases[] = {{1, Visibility::occluded}, {0, Visibility::visible}, {-1, Visibility::visible}};
    for (const auto& c : cases) {
        const auto z = static_cast<float>(1.0 - 2.0 * (stored + c.eighths * std::ldexp(1.0, -27)));
        ASSERT_EQ(static_cast<double>(z), 1.0 - 2.0 * (stored + c.eighths * std::ldexp(1.0, -27)));
        const float low[3] = {10, 10, z}, high[3] = {20, 20, z};
        EXPECT_EQ(culler.testBox(low, high, m.data()), c.expected) << c.eighths;
    }
}

// Catches a triangle test that reads the box's rectangle (or tile maxima) instead of the pixels
// its triangles cover, or that skips a tile it shows in.
TEST(TileCull, TheTriangleTestSeesPastTheBox) {
    const int side = 64;
    const Matrix m = windowMatrix(side, side);
    Culler culler;
    culler.resize(side, side);
    Triangles occluder; // the lower-left half of the view, at window depth 0.25
    occluder.add({-10, -10, 0.5f}, {side + 10.0f, -10, 0.5f}, {-10, side + 10.0f, 0.5f});
    culler.renderTriangles(occluder.mesh(), m.data());
    Triangles behind, poking; // inside the lower-left half, at window depth 0.4 / 0.1
    behind.add({5, 5, 0.2f}, {55, 5, 0.2f}, {5, 55, 0.2f});
    poking.add({5, 5, 0.2f}, {70, 5, 0.2f}, {5, 70, 0.2f});
    EXPECT_EQ(culler.testRect(5, 5, 55, 55, 0.4f), Visibility::visible);
    EXPECT_EQ(culler.testTriangles(behind.mesh(), m.data()), Visibility::occluded);
    EXPECT_EQ(culler.testTriangles(poking.mesh(), m.data()), Visibility::visible);
    Triangles front;
    front.add({5, 5, 0.8f}, {30, 5, 0.8f}, {5, 30, 0.8f});
    EXPECT_EQ(culler.testTriangles(front.mesh(), m.data()), Visibility::visible);
    Triangles backFacing; // clockwise: nothing shows
    backFacing.add({5, 5, 0.2f}, {5, 60, 0.2f}, {60, 5, 0.2f});
    EXPECT_EQ(culler.testTriangles(backFacing.mesh(), m.data()), Visibility::occluded);
}

// Catches occluders drawn though hidden (wasted work), hidden ones that were not (a wrong buffer),
// and a second thread that draws differently from one.
TEST(TileCull, OccludersNearestFirstSkipHiddenOnesOnEitherThreadCount) {
    const Matrix m = multiply(frustum(-0.5, 0.5, -0.5, 0.5, 1.0, 500.0), view(0.2, 0.1, 0.0));
    std::mt19937 random(5);
    std::uniform_real_distribution<float> xy(-20.0f, 20.0f), z(-80.0f, -10.0f), size(0.5f, 6.0f);
    std::vector<Triangles> meshes(200);
    std::vector<tilecull::Occluder> occluders(meshes.size());
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        const float x = xy(random), y = xy(random), d = z(random), s = size(random);
        // A square facing the camera, drawn as two triangles, with its box.
        meshes[i].add({x - s, y - s, d}, {x + s, y - s, d}, {x + s, y + s, d});
        meshes[i].add({x - s, y - s, d}, {x + s, y + s, d}, {x - s, y + s, d});
        occluders[i] = {meshes[i].mesh(), {x - s, y - s, d}, {x + s, y + s, d}};
    }
    Culler reference;
    reference.resize(128, 128);
    for (const Triangles& t : meshes) reference.renderTriangles(t.mesh(), m.data());
    std::vector<std::array<std::uint32_t, 2>> counted; // drawn, hidden per thread count
    for (const int threads : {1, 2}) {
        Culler culler;
        culler.resize(128, 128);
        culler.setThreads(threads);
        // Pass after pass, as frames follow each other: the bands must be handed over cleanly
        // whichever thread takes the second one.
        for (int pass = 0; pass < 300; ++pass) {
            culler.clear();
            culler.renderOccluders(occluders.data(), occluders.size(), m.data());
            if (pass % 50 == 0) {
                ASSERT_EQ(depthOf(culler), depthOf(reference)) << threads << " threads";
            }
        }
        EXPECT_GT(culler.counters().occludersHidden, 20u) << threads << " threads";
        counted.push_back({culler.counters().occludersDrawn, culler.counters().occludersHidden});
    }
    // Each occluder counted once, though both bands reach many of them.
    EXPECT_EQ(counted[1], counted[0]);
}

// Catches a batch that answers differently from one-by-one tests: a box skipped or tested twice at a
// chunk's edge, read at the wrong stride, or tested by the worker against another view or a buffer
// still being drawn. Views change every pass; the boxes include NaN, behind-the-eye and off-screen ones.
TEST(TileCull, BatchedBoxTestsAnswerAsOneByOneOnEitherThreadCount) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> xy(-25.0f, 25.0f), z(-90.0f, 5.0f), size(0.2f, 8.0f);
    std::vector<Triangles> meshes(120);
    std::vector<Occluder> occluders(meshes.size());
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        const float x = xy(random), y = xy(random), d = z(random) - 10.0f, s = size(random);
        meshes[i].add({x - s, y - s, d}, {x + s, y - s, d}, {x + s, y + s, d});
        meshes[i].add({x - s, y - s, d}, {x + s, y + s, d}, {x - s, y + s, d});
        occluders[i] = {meshes[i].mesh(), {x - s, y - s, d}, {x + s, y + s, d}};
    }
    std::vector<float> boxes;
    for (int i = 0; i < 333; ++i) { // not a whole number of chunks
        const float x = xy(random), y = xy(random), d = z(random), s = size(random) * 0.3f;
        const std::array<float, 6> box = {x - s, y - s, d - s, x + s, y + s, d + s};
        boxes.insert(boxes.end(), box.begin(), box.end());
    }
    boxes[6 * 5 + 1] = std::numeric_limits<float>::quiet_NaN();
    const std::size_t count = boxes.size() / 6;
    for (const int threads : {1, 2}) {
        Culler culler;
        culler.resize(160, 120);
        culler.setThreads(threads);
        std::size_t answered[3] = {0, 0, 0};
        for (int pass = 0; pass < 40; ++pass) {
            const Matrix m = multiply(frustum(-0.6, 0.6, -0.45, 0.45, 1.0, 500.0),
                                      view(0.03 * pass, 0.02 * (pass % 5), 0.5 * (pass % 3)));
            culler.clear();
            culler.renderOccluders(occluders.data(), occluders.size(), m.data());
            std::vector<Visibility> batch(count, static_cast<Visibility>(-1));
            culler.testBoxes(boxes.data(), count, m.data(), batch.data());
            for (std::size_t i = 0; i < count; ++i) {
                const Visibility one = culler.testBox(&boxes[6 * i], &boxes[6 * i + 3], m.data());
                ASSERT_EQ(batch[i], one) << threads << " threads, pass " << pass << ", box " << i;
                ++answered[static_cast<int>(one)];
            }
        }
        // Every answer occurs, so that the comparison means something.
        for (const std::size_t n : answered) EXPECT_GT(n, 100u) << threads << " threads";
    }
}

// Catches occluders drawn out of depth order: each pair's far wall, listed first and inside its near
// wall's rectangle, is hidden only when drawn after it; the pairs' depths differ in one byte of the
// float's bits, or (in the last) in every byte with the far one's low bytes smaller.
TEST(TileCull, OccludersAreOrderedByEveryByteOfTheirDepth) {
    const std::uint32_t pairs[][2] = {{0x3f400008, 0x3f4000d0},
                                      {0x3f400800, 0x3f401000},
                                      {0x3f410000, 0x3f480000},
                                      {0x3ecccccd, 0x3f333300}};
    const Matrix w = windowMatrix(64, 64);
    std::vector<Triangles> walls;
    std::vector<Occluder> occluders;
    for (int i = 0; i < 4; ++i)
        for (const int far : {1, 0}) {
            float depth;
            std::memcpy(&depth, &pairs[i][far], sizeof depth);
            const float z = 1.0f - 2.0f * depth, x0 = 16.0f * i + 2.0f * far, x1 = x0 + 14.0f - 4.0f * far;
            const float y0 = far ? 10.0f : 2.0f, y1 = far ? 50.0f : 60.0f;
            walls.emplace_back();
            walls.back().add({x0, y0, z}, {x1, y0, z}, {x1, y1, z});
            walls.back().add({x0, y0, z}, {x1, y1, z}, {x0, y1, z});
            occluders.push_back({{}, {x0, y0, z}, {x1, y1, z}});
        }
    for (std::size_t i = 0; i < walls.size(); ++i) occluders[i].mesh = walls[i].mesh();
    Culler culler;
    culler.resize(64, 64);
    culler.renderOccluders(occluders.data(), occluders.size(), w.data());
    EXPECT_EQ(culler.counters().occludersHidden, 4u);
    EXPECT_EQ(culler.counters().occludersDrawn, 4u);
}

// Catches setups shared between the two bands going wrong: kept narrowed to one band, taken from
// another occluder or an earlier view, or reused when they did not all fit. Boxes (drawn as quads)
// and big triangles that cross the near plane (clipped into several) under a new view every pass,
// with either coverage, must give the buffer one thread gives.
TEST(TileCull, BandsSharingSetupsDrawWhatOneThreadDraws) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> place(-12.0f, 12.0f), half(0.5f, 4.0f);
    std::vector<Box> boxes;
    for (int i = 0; i < 120; ++i)
        boxes.emplace_back(std::array<float, 3>{place(random), place(random), place(random)}, half(random));
    std::vector<Triangles> walls(4);
    for (int i = 0; i < 4; ++i) {
        const float x = static_cast<float>(i) * 6.0f - 9.0f;
        walls[i].add({x, -30, -40}, {x + 3, -30, 40}, {x, 30, 0});
        walls[i].add({x - 3, 30, 40}, {x + 2, -30, 40}, {x, 20, -40});
    }
    std::vector<Occluder> occluders;
    for (const Box& b : boxes) {
        Occluder o{b.mesh(), {}, {}};
        for (int k = 0; k < 3; ++k) o.boxMin[k] = o.boxMax[k] = b.positions[static_cast<std::size_t>(k)];
        for (std::size_t v = 0; v < b.positions.size(); ++v) {
            o.boxMin[v % 3] = std::min(o.boxMin[v % 3], b.positions[v]);
            o.boxMax[v % 3] = std::max(o.boxMax[v % 3], b.positions[v]);
        }
        occluders.push_back(o);
    }
    for (const Triangles& w : walls) {
        Occluder o{w.mesh(), {}, {}};
        for (int k = 0; k < 3; ++k) o.boxMin[k] = -40.0f, o.boxMax[k] = 40.0f;
        occluders.push_back(o);
    }
    // The walls alone: clipped, they make more setups than a band has room for.
    const std::vector<Occluder> wallsAlone(occluders.end() - 4, occluders.end()), &all = occluders;
    for (const auto* list : {&all, &wallsAlone})
        for (const Coverage coverage : {Coverage::centres, Coverage::wholePixels, Coverage::outlines}) {
            Culler one, two;
            for (Culler* c : {&one, &two}) {
                c->resize(96, 100);
                c->setCoverage(coverage);
            }
            two.setThreads(2);
            for (int pass = 0; pass < 60; ++pass) {
                const Matrix m = multiply(frustum(-0.5, 0.5, -0.5, 0.5, 1.0, 500.0),
                                          view(0.1 * pass, 0.3 * std::sin(pass), 20.0 + pass % 7));
                for (Culler* c : {&one, &two}) {
                    c->clear();
                    c->renderOccluders(list->data(), list->size(), m.data());
                }
                ASSERT_EQ(depthOf(two), depthOf(one)) << list->size() << " occluders, pass " << pass;
            }
        }
}

// Catches crashes, and wrong answers, on bad input: every case has a defined result.
TEST(TileCull, BadInputGivesDefinedAnswers) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (const auto& size : {std::array<int, 2>{0, 64}, {64, 0}, {-3, 5}, {tilecull::maxSide + 1, 8}}) {
        Culler culler;
        EXPECT_FALSE(culler.resize(size[0], size[1]));
        EXPECT_EQ(culler.width(), 0);
        const Matrix m = windowMatrix(64, 64);
        Triangles t;
        t.add({0, 0, 0}, {10, 0, 0}, {0, 10, 0});
        culler.renderTriangles(t.mesh(), m.data());
        EXPECT_EQ(culler.testRect(1, 1, 2, 2, 0.9f), Visibility::visible);
        EXPECT_EQ(culler.testTriangles(t.mesh(), m.data()), Visibility::visible);
        culler.readDepth(nullptr);
    }

    const int side = 100; // not a multiple of the tile
    const Matrix m = windowMatrix(side, 37);
    const struct {
        const char* name;
        std::array<float, 9> corners;
        std::uint32_t lastIndex;
        bool drawn, occludeeVisible;
    } cases[] = {
        {"plain", {10, 10, 0.2f, 90, 10, 0.2f, 10, 30, 0.2f}, 2, true, false},
        {"NaN", {10, 10, 0.2f, nan, 10, 0.2f, 10, 30, 0.2f}, 2, false, true},
        {"infinite", {10, 10, 0.2f, 90, inf, 0.2f, 10, 30, 0.2f}, 2, false, true},
        {"zero area", {10, 10, 0.2f, 50, 10, 0.2f, 90, 10, 0.2f}, 2, false, false},
        {"huge", {-3e7f, -3e7f, 0.2f, 3e7f, -3e7f, 0.2f, 0, 3e7f, 0.2f}, 2, true, false},
        {"beyond clipping precision",
         {-3e38f, -3e38f, 0.2f, 3e38f, -3e38f, 0.2f, 0, 3e38f, 0.2f},
         2,
         false,
         true},
        {"index out of range", {10, 10, 0.2f, 90, 10, 0.2f, 10, 30, 0.2f}, 3, false, true},
    };
    for (const auto& c : cases) {
        Culler culler;
        ASSERT_TRUE(culler.resize(side, 37));
        const std::uint32_t indices[3] = {0, 1, c.lastIndex};
        const Mesh mesh{c.corners.data(), 3, indices, 1};
        culler.renderTriangles(mesh, m.data());
        const std::vector<float> depth = depthOf(culler);
        ASSERT_EQ(depth.size(), static_cast<std::size_t>(side * 37));
        EXPECT_EQ(depth[static_cast<std::size_t>(12 * side + 20)] < 1.0f, c.drawn) << c.name;
        // The same triangle as an occludee behind a full-screen occluder at window depth 0.1.
        Triangles wall;
        wall.add({-5, -5, 0.8f}, {side + 5.0f, -5, 0.8f}, {side + 5.0f, 45, 0.8f});
        wall.add({-5, -5, 0.8f}, {side + 5.0f, 45, 0.8f}, {-5, 45, 0.8f});
        culler.clear();
        culler.renderTriangles(wall.mesh(), m.data());
        EXPECT_EQ(culler.testTriangles(mesh, m.data()) == Visibility::visible, c.occludeeVisible) << c.name;
    }
    Culler culler;
    culler.resize(side, 37);
    EXPECT_EQ(culler.testBox(nullptr, nullptr, m.data()), Visibility::visible);
    const float badMin[3] = {nan, 0, 0}, boxMax[3] = {1, 1, 1};
    EXPECT_EQ(culler.testBox(badMin, boxMax, m.data()), Visibility::visible);
    // Batches: nothing to read gives visible answers, nothing to write writes nothing.
    for (const int threads : {1, 2}) {
        culler.setThreads(threads);
        const std::vector<float> boxes(6 * 40, -1.0f); // off-screen, were they read
        std::vector<Visibility> out(40, Visibility::occluded);
        culler.testBoxes(nullptr, 40, m.data(), out.data());
        EXPECT_EQ(std::count(out.begin(), out.end(), Visibility::visible), 40);
        std::fill(out.begin(), out.end(), Visibility::occluded);
        culler.testBoxes(boxes.data(), 40, nullptr, out.data());
        EXPECT_EQ(std::count(out.begin(), out.end(), Visibility::visible), 40);
        culler.testBoxes(boxes.data(), 0, m.data(), out.data());
        culler.testBoxes(boxes.data(), 40, m.data(), nullptr);
        EXPECT_EQ(std::count(out.begin(), out.end(), Visibility::visible), 40);
    }
    Culler unsized;
    std::vector<Visibility> out(3, Visibility::occluded);
    const float threeBoxes[18] = {};
    unsized.testBoxes(threeBoxes, 3, m.data(), out.data());
    EXPECT_EQ(std::count(out.begin(), out.end(), Visibility::visible), 3);
    culler.renderTriangles(Mesh{}, m.data());
    culler.renderOccluders(nullptr, 3, m.data());
    // An occludee known only by its box corners, without triangles, is not thereby hidden.
    const float corners[6] = {10, 10, 0.2f, 20, 20, 0.3f};
    const std::uint32_t noIndex[1] = {0};
    EXPECT_EQ(culler.testTriangles(Mesh{corners, 2, noIndex, 0}, m.data()), Visibility::visible);
}

} // namespace
