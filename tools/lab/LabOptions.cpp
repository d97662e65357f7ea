#include "LabOptions.h"

#include <cstdlib>

std::string labUsage() {
    return std::string(
               "usage: culling-lab [--help] [--quick] [--repeats N] [--mesh PATH] [--no-plots]\n"
               "                   [--scene SCENE] [--views FILE] [--fov DEG] [--near D] [--far D] "
               "[OUTPUT-FOLDER]\n"
               "Compares the culling methods over the fake camera's viewpoints and writes a CSV, plots,\n"
               "pictures and an index page (index.md) into OUTPUT-FOLDER.\n"
               "  --help       this text\n"
               "  --quick      a few viewpoints and three repetitions (for the test suite)\n"
               "  --repeats N  repetitions behind every median (1 to 99)\n"
               "  --mesh PATH  the mesh the grid is built from (default: the source tree's data/cube.geo)\n"
               "  --no-plots   skip gnuplot\n") +
           Scenes::sceneOptionsUsage +
           "  OUTPUT-FOLDER  default: lab-results/<date>-<time> under the working directory\n";
}

std::optional<LabOptions> parseLabOptions(const std::vector<std::string>& args, std::string& error) {
    LabOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (Scenes::takeSceneOption(args, i, options.scene, error)) {
            if (!error.empty()) return std::nullopt;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--quick") {
            options.quick = true;
        } else if (arg == "--no-plots") {
            options.plots = false;
        } else if (arg == "--repeats") {
            char* end = nullptr;
            const long n = hasValue ? std::strtol(args[i + 1].c_str(), &end, 10) : 0;
            if (!hasValue || *end != '\0' || n < 1 || n > 99) {
                error = "--repeats needs a whole number from 1 to 99";
                return std::nullopt;
            }
            options.repeats = static_cast<int>(n);
            ++i;
        } else if (arg == "--mesh") {
            if (!hasValue || args[i + 1].empty()) {
                error = "--mesh needs a path";
                return std::nullopt;
            }
            options.meshPath = args[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (options.folder.empty() && !arg.empty()) {
            options.folder = arg;
        } else {
            error = "more than one output folder";
            return std::nullopt;
        }
    }
    return options;
}
