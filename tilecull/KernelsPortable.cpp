// The portable path: one pixel at a time, with the same operations the vector path does per lane.
#include "TileLoops.h"

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

    bool covers(const std::int32_t* e, int x, int y) const {
        std::int32_t any = 0;
        for (int i = 0; i < 4; ++i) any |= e[i] + t.stepX[i] * x + t.stepY[i] * y;
        return any >= 0;
    }

    void draw(float* tile, float& tileMax, const std::int32_t* e, float depth, bool full) const {
        float farthest = 0.0f;
        for (int y = 0; y < tileHeight; ++y)
            for (int x = 0; x < tileWidth; ++x) {
                const int k = y * tileWidth + x;
                const float z = depth + offset[k];
                if ((full || covers(e, x, y)) && z < tile[k]) tile[k] = z;
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

} // namespace tilecull::detail
