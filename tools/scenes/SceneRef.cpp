#include "SceneRef.h"

namespace Scenes {

std::optional<SceneRef> parseSceneRef(const std::string& text, const std::vector<SceneSource>& sources,
                                      std::string& error) {
    if (text.empty()) {
        error = "empty scene: give grid or a scene file";
        return std::nullopt;
    }
    const std::size_t colon = text.find(':');
    const std::string name = text.substr(0, colon);
    for (const SceneSource& source : sources) {
        if (source.name != name) continue;
        SceneRef ref;
        ref.source = name;
        if (colon != std::string::npos) ref.argument = text.substr(colon + 1);
        if (source.needsArgument && ref.argument.empty()) {
            error = "scene " + text + ": " + name + " needs an argument (" + name + ":...)";
            return std::nullopt;
        }
        if (!source.needsArgument && colon != std::string::npos) {
            error = "scene " + text + ": " + name + " takes no argument";
            return std::nullopt;
        }
        return ref;
    }
    SceneRef ref;
    ref.kind = SceneRef::Kind::File;
    ref.path = text;
    return ref;
}

} // namespace Scenes
