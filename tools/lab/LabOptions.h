#pragma once
// Command line of culling-lab:
//   culling-lab [--help] [--quick] [--repeats N] [--mesh PATH] [--no-plots]
//               [--scene SCENE] [--views FILE] [--fov DEG] [--near D] [--far D] [OUTPUT-FOLDER]

#include "SceneSetup.h"

#include <optional>
#include <string>
#include <vector>

struct LabOptions {
    bool help = false;
    bool quick = false;
    int repeats = 0; // 0: the plan's own count
    std::string meshPath;
    bool plots = true;
    Scenes::SceneChoice scene; // its grid mesh is meshPath's
    std::string folder;        // empty: lab-results/<timestamp>
};

// None, with a reason in `error`, for an unknown option, a missing or bad value, or a second folder.
std::optional<LabOptions> parseLabOptions(const std::vector<std::string>& args, std::string& error);

std::string labUsage();
