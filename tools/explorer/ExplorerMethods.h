#pragma once
// The culling methods the explorer cycles through with m, in that order, each behind the lab's
// contract.

#include "methods/CullMethod.h"

#include <functional>
#include <string>
#include <vector>

struct ExplorerMethod {
    std::string name;
    std::function<std::string()> configuration; // for the overlay, read every frame
    // GL: the pass for the view, with the window's back buffer free to render into. `pictures`
    // asks for the method's buffers as well.
    std::function<CullOutcome(const CullScene&, const CullView&, bool pictures)> run;
};

// hom, hom-conservative, cpu-depth, gpu-hiz, occlusion-query, none.
const std::vector<ExplorerMethod>& explorerMethods();
