#include "ViewFrustum.h"

#include "methods/ClipTransform.h"

#include <algorithm>
#include <iterator>

std::vector<bool> outsideView(const CullScene& scene, const CullView& view) {
    const Geometry::Matrix clip = viewProjection(view);
    std::vector<bool> outside;
    outside.reserve(scene.occludees->size());
    for (std::uint32_t index : *scene.occludees) {
        const std::vector<Geometry::Vector>& corners = (*scene.objects)[index].vertices;
        const std::size_t count = std::min<std::size_t>(8, corners.size());
        // Per plane (x < -w, x > w, y < -w, y > w, z < -w, z > w): are all corners beyond it?
        bool beyond[6] = {count > 0, count > 0, count > 0, count > 0, count > 0, count > 0};
        for (std::size_t i = 0; i < count; ++i) {
            const Geometry::Vector& p = corners[i];
            const Geometry::Vector4 c = clip * Geometry::Vector4{p.x, p.y, p.z, 1.0};
            const double axes[3] = {c.x, c.y, c.z};
            for (int a = 0; a < 3; ++a) {
                beyond[2 * a] = beyond[2 * a] && axes[a] < -c.w;
                beyond[2 * a + 1] = beyond[2 * a + 1] && axes[a] > c.w;
            }
        }
        outside.push_back(std::find(std::begin(beyond), std::end(beyond), true) != std::end(beyond));
    }
    return outside;
}
