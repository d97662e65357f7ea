// The hierarchy against the object-by-object test on random scenes, depth buffers and views.
#include "BoxHierarchy.h"
#include "methods/ClipTransform.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// Clusters of boxes of mixed sizes around the camera, some far off, some behind it, some flat.
std::vector<Box> randomBoxes(std::mt19937& random, std::size_t count) {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<Box> boxes(count);
    Box cluster;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 50 == 0)
            for (int a = 0; a < 3; ++a) cluster.min[a] = -400.0f + 800.0f * unit(random);
        for (int a = 0; a < 3; ++a) {
            boxes[i].min[a] = cluster.min[a] + 60.0f * unit(random);
            const float size = i % 17 == 0 ? 0.0f : (i % 5 == 0 ? 30.0f : 3.0f) * unit(random);
            boxes[i].max[a] = boxes[i].min[a] + size;
        }
    }
    return boxes;
}

// Nearer rectangles over a far background: the max pyramid of a random occluder picture.
DepthPyramid randomPyramid(std::mt19937& random, int side) {
    std::vector<float> depth(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 1.0f);
    std::uniform_int_distribution<int> at(0, side - 1);
    std::uniform_real_distribution<float> near(0.9f, 1.0f);
    for (int k = 0; k < 12; ++k) {
        const int x0 = at(random), y0 = at(random), x1 = std::min(side, x0 + at(random)),
                  y1 = std::min(side, y0 + at(random));
        const float d = near(random);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                float& texel = depth[static_cast<std::size_t>(y * side + x)];
                texel = std::min(texel, d);
            }
    }
    DepthPyramid pyramid;
    buildMaxPyramid(depth.data(), side, pyramid);
    return pyramid;
}

// Random quads at depths 0.9-1 drawn by tilecull straight in clip space (w = 1).
void drawRandomQuads(std::mt19937& random, tilecull::Culler& culler) {
    std::uniform_real_distribution<float> at(-1.2f, 1.2f), ndcDepth(0.8f, 1.0f);
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const std::uint32_t indices[6] = {0, 1, 2, 0, 2, 3}; // counter-clockwise: front faces
    for (int k = 0; k < 12; ++k) {
        const float x0 = at(random), y0 = at(random), x1 = x0 + std::fabs(at(random)),
                    y1 = y0 + std::fabs(at(random)), z = ndcDepth(random);
        const float corners[12] = {x0, y0, z, x1, y0, z, x1, y1, z, x0, y1, z};
        culler.renderTriangles({corners, 4, indices, 2}, identity);
    }
}

// Catches a node culled while a box inside it would not be (missing padding, a node box short of
// its children, a subtree range off by one), a box kept or culled that should not be (the
// off-viewport and in-front-of-near shortcuts on the wrong side), and a box left untested.
TEST(BoxHierarchy, DecisionsEqualTestingEveryBoxAlone) {
    std::mt19937 random(16);
    std::uniform_real_distribution<double> angle(0.0, 6.283185307179586), height(-100.0, 400.0);
    const Frustum frustum = *frustumFor(640, 640);
    std::size_t culledTotal = 0, testedTotal = 0, boxTotal = 0;
    for (int scene = 0; scene < 6; ++scene) {
        const std::vector<Box> boxes = randomBoxes(random, 1500 + 997 * static_cast<std::size_t>(scene));
        const BoxHierarchy h = buildHierarchy(boxes, 1 + static_cast<std::uint32_t>(scene) * 3);
        for (int view = 0; view < 8; ++view) {
            SCOPED_TRACE(testing::Message() << "scene " << scene << " view " << view);
            const double a = angle(random), r = view % 2 ? 200.0 : 900.0; // inside the boxes or around them
            CullView v;
            v.camera.eye = {r * std::sin(a), height(random), r * std::cos(a)};
            v.camera.target = {0.0, height(random) * 0.5, 0.0};
            v.frustum = frustum;
            const Geometry::Matrix clip = viewProjection(v);
            // Half the views against a max pyramid, half against tilecull's tiles.
            const int side = view % 3 == 0 ? 64 : 256;
            const DepthPyramid pyramid = randomPyramid(random, side);
            tilecull::Culler culler;
            culler.resize(side, side);
            drawRandomQuads(random, culler);
            const RectTest test = view % 4 >= 2 ? tileRectTest(culler) : pyramidRectTest(pyramid);
            std::vector<bool> alone(boxes.size()), through(boxes.size(), false);
            for (std::size_t i = 0; i < boxes.size(); ++i) alone[i] = boxHidden(test, clip, boxes[i]);
            const HierarchyStats stats = cullThroughHierarchy(h, boxes, test, clip, through);
            ASSERT_EQ(through, alone);
            for (bool c : alone) culledTotal += c;
            testedTotal += stats.boxesTested;
            boxTotal += boxes.size();
        }
    }
    EXPECT_GT(culledTotal, boxTotal / 20); // the views do hide things
    EXPECT_LT(testedTotal, boxTotal / 2);  // and the hierarchy spares most tests
}

// Small boxes packed around the viewport's edges and the near plane, and some beyond the far
// plane, behind a buffer nearer than all of them: exactly the boxes wholly inside the view and
// beyond the near plane are hidden. Catches the off-viewport, beyond-a-side-plane and
// in-front-of-near shortcuts keeping nodes that hold hidden boxes.
TEST(BoxHierarchy, EdgesOfTheViewAndTheNearPlane) {
    std::vector<Box> boxes;
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j)
            for (int k = 0; k < 12; ++k) {
                Box b;
                const float x = -2.0f + 0.1f * i, y = -2.0f + 0.1f * j, z = 0.3f - 0.1f * k,
                            size = 0.02f + 0.002f * k;
                b.min[0] = x, b.min[1] = y, b.min[2] = z;
                b.max[0] = x + size, b.max[1] = y + size, b.max[2] = z + size;
                boxes.push_back(b);
            }
    // And some beyond the far plane, which the test culls too: their nearest depth is past 1.
    for (int i = 0; i < 200; ++i) {
        Box b;
        b.min[0] = -20.0f + 0.2f * i, b.min[1] = -1.0f, b.min[2] = -130.0f - 0.1f * i;
        b.max[0] = b.min[0] + 0.5f, b.max[1] = 1.0f, b.max[2] = b.min[2] + 0.5f;
        boxes.push_back(b);
    }
    const std::vector<float> nearest(64 * 64, 0.0f);
    DepthPyramid pyramid;
    buildMaxPyramid(nearest.data(), 64, pyramid);
    CullView v;
    v.camera.eye = {0.0, 0.0, 0.0};
    v.camera.target = {0.0, 0.0, -1.0};
    v.frustum = {-0.25, 0.25, -0.25, 0.25, 0.25, 100.0};
    const Geometry::Matrix clip = viewProjection(v);
    const RectTest test = pyramidRectTest(pyramid);
    for (std::uint32_t leaf : {1u, 2u, 7u}) {
        std::vector<bool> alone(boxes.size()), through(boxes.size(), false);
        std::size_t hidden = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) hidden += alone[i] = boxHidden(test, clip, boxes[i]);
        cullThroughHierarchy(buildHierarchy(boxes, leaf), boxes, test, clip, through);
        EXPECT_EQ(through, alone) << "leaf size " << leaf;
        EXPECT_GT(hidden, 500u);
        EXPECT_LT(hidden, boxes.size() / 2);
    }
}

// Catches a box dropped that reaches into the view (a plane's sign or margin wrong, a node judged
// outside while a child is in) and candidates out of order or repeated: through the hierarchy the
// list equals the box-by-box one, and no point of a dropped box lies inside the view volume.
TEST(BoxHierarchy, FrustumCandidatesKeepEveryBoxThatReachesIntoTheView) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> angle(0.0, 6.283185307179586), unit(0.0, 1.0);
    const std::vector<Box> boxes = randomBoxes(random, 4000);
    const BoxHierarchy h = buildHierarchy(boxes, 3);
    std::size_t dropped = 0;
    for (int view = 0; view < 10; ++view) {
        CullView v;
        const double a = angle(random), r = view % 2 ? 100.0 : 700.0;
        v.camera.eye = {r * std::sin(a), 300.0 * unit(random) - 100.0, r * std::cos(a)};
        v.camera.target = {0.0, 0.0, 0.0};
        v.frustum = {-0.2, 0.2, -0.2, 0.2, 0.2, view % 3 == 0 ? 400.0 : 3000.0}; // a near far plane too
        const Geometry::Matrix clip = viewProjection(v);
        std::vector<std::uint32_t> expected, listed;
        for (std::uint32_t i = 0; i < boxes.size(); ++i) {
            if (!boxOutsideView(clip, boxes[i])) {
                expected.push_back(i);
                continue;
            }
            ++dropped;
            for (int k = 0; k < 27; ++k) {
                Geometry::Vector4 p{0, 0, 0, 1};
                const double f[3] = {k % 3 / 2.0, k / 3 % 3 / 2.0, k / 9 / 2.0};
                double* c[3] = {&p.x, &p.y, &p.z};
                for (int axis = 0; axis < 3; ++axis)
                    *c[axis] = boxes[i].min[axis] + f[axis] * (boxes[i].max[axis] - boxes[i].min[axis]);
                const Geometry::Vector4 q = clip * p;
                const bool inside = std::fabs(q.x) <= q.w && std::fabs(q.y) <= q.w && std::fabs(q.z) <= q.w;
                ASSERT_FALSE(inside) << "box " << i << " point " << k;
            }
        }
        frustumCandidates(h, boxes, clip, listed);
        EXPECT_EQ(listed, expected) << "view " << view;
    }
    EXPECT_GT(dropped, 10000u);
}

// Catches a box lost or repeated by the median partition and a node box that misses a box below it.
TEST(BoxHierarchy, EveryBoxOnceUnderEveryNodeThatHoldsIt) {
    std::mt19937 random(7);
    const std::vector<Box> boxes = randomBoxes(random, 3001);
    const BoxHierarchy h = buildHierarchy(boxes, 4);
    std::vector<int> seen(boxes.size(), 0);
    for (std::uint32_t i : h.order) ++seen.at(i);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<long>(boxes.size()));
    for (const BoxHierarchy::Node& node : h.nodes) {
        if (node.children) {
            EXPECT_EQ(h.nodes[node.children].first, node.first);
            EXPECT_EQ(h.nodes[node.children].count + h.nodes[node.children + 1].count, node.count);
        } else {
            EXPECT_LE(node.count, 4u);
        }
        for (std::uint32_t k = node.first; k < node.first + node.count; ++k)
            for (int a = 0; a < 3; ++a) {
                EXPECT_LT(node.box.min[a], boxes[h.order[k]].min[a]);
                EXPECT_GT(node.box.max[a], boxes[h.order[k]].max[a]);
            }
    }
    EXPECT_TRUE(buildHierarchy({}).nodes.empty());
}

} // namespace
