#pragma once
// Hand-made scenes with known answers for the method tests: axis-aligned boxes seen by a camera at
// the origin looking down -z through the lab window's frustum, which shows x within +-0.3 and y
// within 0..0.6 of the distance (the view axis runs along the bottom edge).

#include "methods/CullMethod.h"

#include <cstdint>
#include <string>
#include <vector>

struct HandScene {
    std::vector<SceneObject> objects;
    std::vector<std::uint32_t> occluders;
    std::vector<std::uint32_t> occludees;

    // Adds an axis-aligned box with the given centre and half extents, 8 corners first, 12 outward
    // counter-clockwise triangles; returns its index.
    std::uint32_t addBox(const Geometry::Vector& centre, const Geometry::Vector& half, bool occluder) {
        SceneObject box("box");
        for (int i = 0; i < 8; ++i)
            box.vertices.push_back({centre.x + ((i & 1) ? half.x : -half.x),
                                    centre.y + ((i & 2) ? half.y : -half.y),
                                    centre.z + ((i & 4) ? half.z : -half.z)});
        static const std::uint32_t faces[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6},
                                                   {0, 1, 5}, {0, 5, 4}, {2, 6, 7}, {2, 7, 3},
                                                   {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
        for (const auto& f : faces)
            box.faces.push_back(
                {{f[0], f[1], f[2]}, {}, occluder ? Geometry::Vector{1, 0, 0} : Geometry::Vector{0, 0, 1}});
        const auto index = static_cast<std::uint32_t>(objects.size());
        objects.push_back(box);
        (occluder ? occluders : occludees).push_back(index);
        return index;
    }

    CullScene scene() const { return {&objects, &occluders, &occludees}; }
};

// The camera at the origin looking down -z with the lab window's 640 x 640 frustum.
inline CullView lookingDownMinusZ() {
    CullView view;
    view.camera.eye = {0.0, 0.0, 0.0};
    view.camera.target = {0.0, 0.0, -1.0};
    view.frustum = *frustumFor(640, 640);
    return view;
}

// Scenes more than one method is judged on; the last box is the occludee.
inline HandScene namedScene(const std::string& name) {
    HandScene s;
    const Geometry::Vector small{2, 2, 2};
    if (name == "in front" || name == "beside") {
        s.addBox({0, 10, -50}, {10, 8, 2}, true);
        s.addBox({name == "beside" ? 25.0 : 0.0, 10, -100}, small, false);
    } else if (name == "gap") {
        // 0.4 pixel wide at 64 x 64 on a pixel boundary: it holds no pixel centre below 256 x 256.
        const double g = 0.184;
        s.addBox({-10 - g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        s.addBox({10 + g / 2, 15.5, -100}, {10 - g / 2, 14.5, 2}, true);
        s.addBox({0, 10, -150}, {3, 3, 3}, false);
    } else if (name == "occluder through the near plane") {
        s.addBox({0, 25.5, -7.5}, {50, 24.5, 12.5}, true); // only its underside faces the eye
        s.addBox({0, 10, -100}, small, false);
    } else if (name == "occluder far wider than the view") {
        s.addBox({0, 1e4 - 1, -2.5}, {1e5, 1e4, 0.5}, true); // only a guard band keeps its edges in range
        s.addBox({0, 10, -100}, small, false);
    } else if (name == "occludee through the near plane") {
        s.addBox({0, 25, -11}, {50, 26, 1}, true);
        s.addBox({0, 2, -97.5}, {1, 1, 102.5}, false);
    } else if (name == "deep occluder behind") {
        // Its slanting side face covers the occludee from behind: nearest corner in front, farthest behind.
        s.addBox({15, 20.5, -130}, {10, 19.5, 70}, true);
        s.addBox({3.33, 10, -100}, {0.5, 0.5, 0.5}, false);
    }
    return s;
}
