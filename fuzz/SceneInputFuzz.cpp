// Feeds arbitrary bytes to the project's own scene input parsing: the views file and the scene
// name (assimp's parsers are not ours to fuzz). A rejected views file must keep nothing and give
// one line naming the file; an accepted one only finite viewpoints with a usable direction. A
// scene name is a known source with a fitting argument, or a file path that is the name itself.
#include "SceneRef.h"
#include "Viewpoints.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

static void check(bool condition) {
    if (!condition) std::abort();
}

static bool finite(const Geometry::Vector& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::istringstream in(text);
    std::vector<Scenes::Viewpoint> views{Scenes::Viewpoint{}};
    std::string error;
    if (Scenes::parseViews(in, "f", views, error)) {
        check(!views.empty() && views.size() <= Scenes::maxViewpoints);
        for (const Scenes::Viewpoint& v : views) {
            check(finite(v.eye) && finite(v.direction));
            check(std::hypot(v.direction.x, v.direction.z) > 0.0);
        }
    } else {
        check(views.empty() && error.rfind("f:", 0) == 0 && error.find('\n') == std::string::npos);
    }

    const std::vector<Scenes::SceneSource> sources = {{"grid", false, {}}, {"city", true, {}}};
    error.clear();
    const std::optional<Scenes::SceneRef> ref = Scenes::parseSceneRef(text, sources, error);
    if (!ref) {
        check(!error.empty());
    } else if (ref->kind == Scenes::SceneRef::Kind::File) {
        check(ref->path == text && !text.empty());
    } else {
        check(ref->source == "grid" ? ref->argument.empty() : !ref->argument.empty());
        check(text == ref->source + (ref->argument.empty() ? "" : ":" + ref->argument));
    }
    return 0;
}
