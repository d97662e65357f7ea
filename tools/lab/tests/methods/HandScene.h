#pragma once
// Hand-made scenes with known answers for the method tests: axis-aligned boxes seen by a camera at
// the origin looking down -z through the lab window's frustum, which shows x within +-0.3 and y
// within 0..0.6 of the distance (the view axis runs along the bottom edge).

#include "methods/CullMethod.h"

#include <cstdint>
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
            box.vertices.push_back({centre.x + ((i & 1) ? half.x : -half.x), centre.y + ((i & 2) ? half.y : -half.y),
                                    centre.z + ((i & 4) ? half.z : -half.z)});
        static const std::uint32_t faces[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
                                                   {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
        for (const auto& f : faces) {
            Face face;
            face.vertexIndices[0] = f[0];
            face.vertexIndices[1] = f[1];
            face.vertexIndices[2] = f[2];
            face.color = occluder ? Geometry::Vector{1, 0, 0} : Geometry::Vector{0, 0, 1};
            box.faces.push_back(face);
        }
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
