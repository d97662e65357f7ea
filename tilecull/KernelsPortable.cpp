// The portable path: one pixel at a time, with the same operations the vector path does per lane.
#include "TileLoops.h"

#include <cmath>

namespace tilecull::detail {
namespace {

struct PortableOps {
    const TriangleSetup& t;
    float offset[tilePixels]; // depth change from pixel (0, 0), as the vector path forms it

    explicit PortableOps(const TriangleSetup& triangle) : t(triangle) {
        for (int y = 0; y < tileHeight; ++y)
            for (int x = 0; x < tileWidth; ++x) {
                const float alongX = t.depthStepX * static_cast<float>(x);
                const float alongY = t.depthStepY * static_cast<float>(y);
                offset[y * tileWidth + x] = alongX + alongY;
            }
    }

    template <typename Skip, typename Visit>
    bool walk(const TriangleSetup& triangle, Skip skip, Visit visit, int tilesX) const {
        return walkTiles(triangle, skip, visit, tilesX);
    }

    bool covers(const std::int32_t* e, int x, int y) const {
        std::int32_t any = 0;
        for (int i = 0; i < 4; ++i) any |= e[i] + t.stepX[i] * x + t.stepY[i] * y;
        return any >= 0;
    }

    void draw(const float* from, float* tile, float& tileMax, const std::int32_t* e, float depth,
              bool full) const {
        float farthest = 0.0f;
        for (int y = 0; y < tileHeight; ++y)
            for (int x = 0; x < tileWidth; ++x) {
                const int k = y * tileWidth + x;
                const float z = depth + offset[k];
                tile[k] = (full || covers(e, x, y)) && z < from[k] ? z : from[k];
                farthest = k == 0 || tile[k] > farthest ? tile[k] : farthest;
            }
        tileMax = farthest;
    }

    bool shows(const float* tile, const std::int32_t* e, float depth, bool full) const {
        for (int y = 0; y < tileHeight; ++y)
            for (int x = 0; x < tileWidth; ++x) {
                const int k = y * tileWidth + x;
                if ((full || covers(e, x, y)) && depth + offset[k] <= tile[k]) return true;
            }
        return false;
    }
};

} // namespace

const float clearedTile[tilePixels] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                       1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

void drawPortable(const TriangleSetup& triangle, const Target& target) {
    drawTiles<PortableOps>(triangle, target);
}

bool showsPortable(const TriangleSetup& triangle, const Target& target) {
    return showsInTiles<PortableOps>(triangle, target);
}

bool boxExtentPortable(const double* m, const float* boxMin, const float* boxMax, BoxExtent& out) {
    double c[4][8]; // x, y, z, w of each corner
    for (int i = 0; i < 8; ++i) {
        const double x = i & 1 ? boxMax[0] : boxMin[0], y = i & 2 ? boxMax[1] : boxMin[1],
                     z = i & 4 ? boxMax[2] : boxMin[2];
        for (int k = 0; k < 4; ++k) c[k][i] = ((m[k] * x + m[4 + k] * y) + m[8 + k] * z) + m[12 + k];
    }
    for (int i = 0; i < 8; ++i) {
        const double x = c[0][i], y = c[1][i], z = c[2][i], w = c[3][i];
        if (!(w >= minimumW && z + w >= 0.0 && w <= clipLimit && std::fabs(x) <= clipLimit &&
              std::fabs(y) <= clipLimit && std::fabs(z) <= clipLimit))
            return false;
    }
    out = {1e300, 1e300, -1e300, -1e300, 1e300};
    for (int i = 0; i < 8; ++i) {
        const double inverse = 1.0 / c[3][i];
        const double x = c[0][i] * inverse, y = c[1][i] * inverse, z = c[2][i] * inverse;
        out.minX = x < out.minX ? x : out.minX, out.maxX = x > out.maxX ? x : out.maxX;
        out.minY = y < out.minY ? y : out.minY, out.maxY = y > out.maxY ? y : out.maxY;
        out.nearest = z < out.nearest ? z : out.nearest;
    }
    return true;
}

} // namespace tilecull::detail
