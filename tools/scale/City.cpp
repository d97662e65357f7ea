#include "City.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// splitmix64: tiny, fast, and the same sequence everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [lo, hi).
    double uniform(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }

  private:
    std::uint64_t state_;
};

// Box corners 0..7 as in the lab's hand scenes: bit 0 x, bit 1 y, bit 2 z.
void addBox(SharedMesh& mesh, const float lo[3], const float hi[3]) {
    const auto base = static_cast<std::uint32_t>(mesh.positions.size() / 3);
    for (int i = 0; i < 8; ++i) {
        mesh.positions.push_back((i & 1) ? hi[0] : lo[0]);
        mesh.positions.push_back((i & 2) ? hi[1] : lo[1]);
        mesh.positions.push_back((i & 4) ? hi[2] : lo[2]);
    }
    static const std::uint32_t faces[36] = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                                            2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    for (std::uint32_t f : faces) mesh.indices.push_back(base + f);
}

std::vector<SharedMesh> cityMeshes() {
    std::vector<SharedMesh> meshes(3);
    const float one[3] = {1, 1, 1}, zero[3] = {0, 0, 0};
    addBox(meshes[boxMesh], zero, one);
    const float bodyLo[3] = {0, 0.1f, 0}, bodyHi[3] = {1, 0.55f, 1}, cabinLo[3] = {0.25f, 0.55f, 0.08f},
                cabinHi[3] = {0.8f, 1, 0.92f};
    addBox(meshes[carMesh], bodyLo, bodyHi);
    addBox(meshes[carMesh], cabinLo, cabinHi);
    const float trunkLo[3] = {0.42f, 0, 0.42f}, trunkHi[3] = {0.58f, 0.45f, 0.58f},
                crownLo[3] = {0, 0.35f, 0}, crownHi[3] = {1, 1, 1};
    addBox(meshes[treeMesh], trunkLo, trunkHi);
    addBox(meshes[treeMesh], crownLo, crownHi);
    return meshes;
}

struct Lot {
    double x0, z0, x1, z1, height;
};

Placement place(std::uint32_t mesh, double x, double y, double z, double sx, double sy, double sz) {
    Placement p;
    p.mesh = mesh;
    p.offset = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    p.scale = {static_cast<float>(sx), static_cast<float>(sy), static_cast<float>(sz)};
    return p;
}

int blocksFor(std::uint32_t smallObjects) {
    // About 400 small objects a block, between a 3 x 3 town and a 32 x 32 city.
    return std::clamp(static_cast<int>(std::ceil(std::sqrt(smallObjects / 400.0))), 3, 32);
}

} // namespace

City generateCity(std::uint32_t smallObjects, std::uint64_t seed) {
    assert(smallObjects >= 1 && smallObjects <= maxCityObjects);
    City city;
    Random random(seed * 0x2545F4914F6CDD1Dull + smallObjects);
    city.blocksPerSide = blocksFor(smallObjects);
    const double pitch = cityBlockSide + cityStreetWidth;
    city.halfExtent = city.blocksPerSide * pitch / 2.0;
    const double origin = -city.halfExtent + cityStreetWidth / 2.0; // the first block's corner
    constexpr double pavement = 4.0;

    // Lots: each block cut into 2 or 3 strips across x, each strip into 2 or 3 lots along z.
    std::vector<Lot> lots;
    for (int bx = 0; bx < city.blocksPerSide; ++bx)
        for (int bz = 0; bz < city.blocksPerSide; ++bz) {
            const double x0 = origin + bx * pitch + pavement, z0 = origin + bz * pitch + pavement;
            const double inner = cityBlockSide - 2 * pavement;
            const int columns = 2 + static_cast<int>(random.below(2)),
                      rows = 2 + static_cast<int>(random.below(2));
            for (int c = 0; c < columns; ++c)
                for (int r = 0; r < rows; ++r) {
                    const double w = inner / columns, d = inner / rows;
                    const double tall = random.uniform(0.0, 1.0) < 0.15 ? 3.0 : 1.0;
                    lots.push_back({x0 + c * w + 1.0, z0 + r * d + 1.0, x0 + (c + 1) * w - 1.0,
                                    z0 + (r + 1) * d - 1.0, tall * random.uniform(8.0, 40.0)});
                }
        }
    city.buildings = static_cast<std::uint32_t>(lots.size());

    std::vector<Placement> boxes, cars, trees;
    for (const Lot& lot : lots)
        boxes.push_back(place(boxMesh, lot.x0, 0.0, lot.z0, lot.x1 - lot.x0, lot.height, lot.z1 - lot.z0));
    // A point on a random pavement strip: beside block (bx, bz), along one of its four sides.
    const auto pavementPoint = [&](double& x, double& z) {
        const double bx = origin + random.below(static_cast<std::uint32_t>(city.blocksPerSide)) * pitch;
        const double bz = origin + random.below(static_cast<std::uint32_t>(city.blocksPerSide)) * pitch;
        const double along = random.uniform(1.0, cityBlockSide - 1.0),
                     across = random.uniform(0.5, pavement - 1.5);
        switch (random.below(4)) {
        case 0: x = bx + along, z = bz + across; break;
        case 1: x = bx + along, z = bz + cityBlockSide - across - 1.0; break;
        case 2: x = bx + across, z = bz + along; break;
        default: x = bx + cityBlockSide - across - 1.0, z = bz + along; break;
        }
    };
    for (std::uint32_t i = 0; i < smallObjects; ++i) {
        const double kind = random.uniform(0.0, 1.0);
        double x = 0.0, z = 0.0;
        if (kind < 0.35) { // a car in a lane of a street running along x or z
            const double street = origin - cityStreetWidth +
                                  random.below(static_cast<std::uint32_t>(city.blocksPerSide) + 1) * pitch;
            const double lane = street + (random.below(2) ? 3.0 : 12.0) + random.uniform(0.0, 3.0);
            const double along = random.uniform(-city.halfExtent, city.halfExtent - 5.0);
            const bool alongX = random.below(2) == 0;
            const double length = random.uniform(3.6, 5.2), width = random.uniform(1.6, 2.0);
            const double height = random.uniform(1.3, 1.9);
            if (alongX)
                cars.push_back(place(carMesh, along, 0.0, lane, length, height, width));
            else
                cars.push_back(place(carMesh, lane, 0.0, along, width, height, length));
        } else if (kind < 0.55) { // a tree
            pavementPoint(x, z);
            const double crown = random.uniform(2.0, 5.0);
            trees.push_back(
                place(treeMesh, x - crown / 2, 0.0, z - crown / 2, crown, random.uniform(4.0, 10.0), crown));
        } else if (kind < 0.8) { // a lamp post or a bench
            pavementPoint(x, z);
            if (random.below(2))
                boxes.push_back(place(boxMesh, x, 0.0, z, 0.25, random.uniform(4.0, 6.0), 0.25));
            else
                boxes.push_back(place(boxMesh, x, 0.0, z, random.uniform(1.5, 2.2), 0.8, 0.6));
        } else { // a roof detail: a vent, a tank or an air conditioner
            const Lot& lot = lots[random.below(city.buildings)];
            const double w = random.uniform(0.8, 3.0), d = random.uniform(0.8, 3.0);
            x = random.uniform(lot.x0, std::max(lot.x0, lot.x1 - w));
            z = random.uniform(lot.z0, std::max(lot.z0, lot.z1 - d));
            boxes.push_back(place(boxMesh, x, lot.height, z, w, random.uniform(0.5, 2.5), d));
        }
    }

    // Neighbours in space next to each other in the order too: the objects in one view then form a
    // few long stretches, and a view's draw skips the rest of the city in a few calls.
    const auto spatially = [&](std::vector<Placement>::iterator first,
                               std::vector<Placement>::iterator last) {
        const auto key = [&](const Placement& p) {
            const auto cell = [&](float v) {
                return static_cast<std::uint32_t>(std::clamp((v + city.halfExtent) / 8.0, 0.0, 65535.0));
            };
            std::uint64_t code = 0;
            const std::uint32_t x = cell(p.offset[0]), z = cell(p.offset[2]);
            for (int bit = 0; bit < 16; ++bit)
                code |= static_cast<std::uint64_t>((x >> bit) & 1u) << (2 * bit) |
                        static_cast<std::uint64_t>((z >> bit) & 1u) << (2 * bit + 1);
            return code;
        };
        std::stable_sort(first, last,
                         [&](const Placement& a, const Placement& b) { return key(a) < key(b); });
    };
    spatially(boxes.begin() + city.buildings, boxes.end());
    spatially(cars.begin(), cars.end());
    spatially(trees.begin(), trees.end());

    city.scene.meshes = cityMeshes();
    std::vector<Placement>& objects = city.scene.objects;
    objects.reserve(boxes.size() + cars.size() + trees.size());
    objects = std::move(boxes);
    objects.insert(objects.end(), cars.begin(), cars.end());
    objects.insert(objects.end(), trees.begin(), trees.end());
    city.scene.occluders.resize(city.buildings);
    for (std::uint32_t i = 0; i < city.buildings; ++i) city.scene.occluders[i] = i;
    city.boxes.resize(objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i)
        for (int a = 0; a < 3; ++a) {
            city.boxes[i].min[a] = objects[i].offset[static_cast<std::size_t>(a)];
            // The same float sum the vertex shader forms for a local coordinate of 1.
            city.boxes[i].max[a] = 1.0f * objects[i].scale[static_cast<std::size_t>(a)] +
                                   objects[i].offset[static_cast<std::size_t>(a)];
        }
    return city;
}

std::optional<std::uint32_t> parseCityRef(const std::string& ref, std::string& error) {
    const std::string prefix = "city:";
    const std::string digits = ref.compare(0, prefix.size(), prefix) == 0 ? ref.substr(prefix.size()) : "";
    const auto bad = [&](const std::string& why) -> std::optional<std::uint32_t> {
        error = "scene " + ref + ": " + why + " (city:N, N a whole number from 1 to " +
                std::to_string(maxCityObjects) + ")";
        return std::nullopt;
    };
    if (ref.compare(0, prefix.size(), prefix) != 0) return bad("not a city");
    if (digits.empty()) return bad("N is missing");
    if (digits.find_first_not_of("0123456789") != std::string::npos) return bad("N is not a whole number");
    if (digits.size() > 7 || std::stoul(digits) > maxCityObjects) return bad("N is above the limit");
    const auto n = static_cast<std::uint32_t>(std::stoul(digits));
    if (n < 1) return bad("N is below 1");
    return n;
}

std::vector<Scenes::Viewpoint> cityWalk(const City& city, int steps) {
    assert(steps >= 4);
    std::vector<Scenes::Viewpoint> views;
    // The ring of streets around the central block (or blocks), walked anticlockwise seen from above.
    const double pitch = cityBlockSide + cityStreetWidth;
    const double ring = (city.blocksPerSide % 2 ? 0.5 : 1.0) * pitch;
    const double corners[5][2] = {{-ring, -ring}, {ring, -ring}, {ring, ring}, {-ring, ring}, {-ring, -ring}};
    const int perSide = steps / 4;
    for (int side = 0; side < 4; ++side)
        for (int k = 0; k < perSide; ++k) {
            const double t = static_cast<double>(k) / perSide;
            const double x = corners[side][0] + t * (corners[side + 1][0] - corners[side][0]);
            const double z = corners[side][1] + t * (corners[side + 1][1] - corners[side][1]);
            views.push_back({{x, 1.7, z},
                             {corners[side + 1][0] - corners[side][0], -0.05 * ring,
                              corners[side + 1][1] - corners[side][1]},
                             -1});
        }
    return views;
}

std::vector<Scenes::Viewpoint> cityRoofViews(const City& city) {
    std::vector<Scenes::Viewpoint> views;
    const double high = 150.0, out = city.halfExtent * 0.9;
    for (int k = 0; k < 4; ++k) {
        const double sx = (k & 1) ? 1.0 : -1.0, sz = (k & 2) ? 1.0 : -1.0;
        views.push_back({{sx * out, high, sz * out}, {-sx * out, -high, -sz * out}, -1});
    }
    return views;
}

CullView cityView(const City& city, const Scenes::Viewpoint& viewpoint) {
    CullView view;
    view.camera.eye = viewpoint.eye;
    view.camera.target = {viewpoint.eye.x + viewpoint.direction.x, viewpoint.eye.y + viewpoint.direction.y,
                          viewpoint.eye.z + viewpoint.direction.z};
    view.frustum = Scenes::frustumOf(90.0, {0.25, 4.0 * city.halfExtent + 400.0});
    return view;
}
