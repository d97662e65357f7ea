#pragma once
// A generated city: square blocks between streets, each block cut into lots with one building of
// varied size and height (the occluders), and N small objects around them: cars on the streets,
// lamp posts, benches and trees on the pavements, and details on the roofs. The same N and seed
// always give the same city, on any machine: the generator draws its numbers from its own
// splitmix64 sequence, never from the standard library's distributions. Units are metres, y up,
// the ground at y = 0 and the city's centre at the origin.

#include "BoxHierarchy.h"
#include "InstancedScene.h"
#include "Viewpoints.h"
#include "methods/CullMethod.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Objects beyond the buildings; the generated scene then holds about 1.1 GB at the lab's peak.
constexpr std::uint32_t maxCityObjects = 1000000;
constexpr double cityBlockSide = 80.0;
constexpr double cityStreetWidth = 20.0;

struct City {
    InstancedScene scene;   // buildings first, then the small objects, grouped by mesh
    std::vector<Box> boxes; // per object, its world box: offset to offset + scale (meshes fill the unit cube)
    std::uint32_t buildings = 0;
    int blocksPerSide = 0;
    double halfExtent = 0.0; // the city spans [-halfExtent, halfExtent] in x and z
};

// The meshes, in order: a unit box, a car (body and cabin), a tree (trunk and crown).
enum CityMesh : std::uint32_t { boxMesh = 0, carMesh = 1, treeMesh = 2 };

// Asserts 1 <= smallObjects <= maxCityObjects.
City generateCity(std::uint32_t smallObjects, std::uint64_t seed = 1);

// The name "city:N": N written as plain decimal digits, 1 <= N <= maxCityObjects. None, with
// the reason in `error`, for anything else that starts with "city".
std::optional<std::uint32_t> parseCityRef(const std::string& ref, std::string& error);

// A closed walk at eye height along the ring of streets around the city's centre, `steps`
// viewpoints (at least 4) each looking along the way.
std::vector<Scenes::Viewpoint> cityWalk(const City& city, int steps = 24);

// Four views from above the roofs, from the corners toward the centre.
std::vector<Scenes::Viewpoint> cityRoofViews(const City& city);

// The culling view of a viewpoint: 90 degrees vertical, square, near 0.25, far beyond the city.
CullView cityView(const City& city, const Scenes::Viewpoint& viewpoint);
