#include "SceneSpec.h"

namespace Scenes {

std::optional<SceneSpec> parseSceneSpec(const std::string& text, const std::vector<SceneSource>& sources,
                                        std::string& error) {
    if (text.empty()) {
        error = "empty scene: give grid or a scene file";
        return std::nullopt;
    }
    const std::size_t colon = text.find(':');
    const std::string name = text.substr(0, colon);
    for (const SceneSource& source : sources) {
        if (source.name != name) continue;
        SceneSpec spec;
        spec.source = name;
        if (colon != std::string::npos) spec.argument = text.substr(colon + 1);
        if (source.needsArgument && spec.argument.empty()) {
            error = "scene " + text + ": " + name + " needs an argument (" + name + ":...)";
            return std::nullopt;
        }
        if (!source.needsArgument && colon != std::string::npos) {
            error = "scene " + text + ": " + name + " takes no argument";
            return std::nullopt;
        }
        return spec;
    }
    SceneSpec spec;
    spec.kind = SceneSpec::Kind::File;
    spec.path = text;
    return spec;
}

} // namespace Scenes
