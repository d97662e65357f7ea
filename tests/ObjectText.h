#pragma once
// Every member of a scene object as text (negative zero as zero): equal texts, equal objects, and
// a mismatch shows where it is. Shared by the reader tests and the reader fuzz target.
#include "mesh/SceneObject.h"

#include <sstream>
#include <string>

inline std::string objectText(const SceneObject& o) {
    std::ostringstream text;
    text.precision(17);
    const auto put = [&](const Geometry::Vector& v) {
        text << v.x + 0.0 << ' ' << v.y + 0.0 << ' ' << v.z + 0.0 << "; ";
    };
    text << o.name << "; ";
    for (const Geometry::Vector* v : {&o.scale, &o.rotation, &o.translation, &o.screenMin, &o.screenMax})
        put(*v);
    for (const Geometry::Vector& v : o.vertices) put(v);
    for (const Face& f : o.faces) {
        text << f.vertexIndices[0] << ',' << f.vertexIndices[1] << ',' << f.vertexIndices[2] << ' ';
        put(f.normal), put(f.color);
    }
    return text.str();
}
