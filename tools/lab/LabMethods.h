#pragma once
// The culling methods the lab compares, one table entry each: a name, its configurations and how
// to run one. Adding a method is adding an entry.

#include "methods/CullMethod.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// One call of a method's pass. `previous` is the frame before this one: the fake camera 5 degrees
// back along the sweep, for methods that cull with what the last frame found out; such a method
// keeps one history per `round`, so that each repetition at this angle follows the same
// repetition at the angle before, as frames follow each other while the camera turns.
struct MethodCall {
    const CullScene* scene = nullptr;
    CullView view;
    CullView previous;
    int round = 0;
    bool pictures = false;
};

struct CullingMethod {
    std::string name;
    std::vector<std::string> configs;
    std::size_t defaultConfig = 0;        // the one the pictures show
    std::vector<std::string> exact;       // configurations meant never to cull a visible occludee
    std::vector<std::string> coarseExact; // ... never to cull one that shows at the map's 64 x 64
    bool mapCounters = false;             // fills passedHom and passedDeb
    std::function<CullOutcome(const MethodCall& call, std::size_t config)> run;
    // Optional, called right after a run: the share of the method's texels whose coverage equals
    // the viewer's map level 0 in the same view; negative where the configuration has none.
    std::function<double(const MethodCall& call, std::size_t config)> mapAgreement;
};

// Every method, in the order the outputs list them.
const std::vector<CullingMethod>& cullingMethods();

// The methods that can run on the installed scene: a lean install (Scenes::installsLean) keeps no
// faces of the tested objects, which occlusion queries draw, one query each.
std::vector<CullingMethod> cullingMethodsFor(bool lean);

// The baselines, drawn at no culling cost.
constexpr const char* drawAllName = "draw-all";
constexpr const char* oracleName = "oracle";
constexpr const char* oracleOccludersName = "oracle-occluders";
