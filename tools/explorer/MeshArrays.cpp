#include "MeshArrays.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cassert>
#include <limits>
#include <new>

FlatFaces flattenFaces(const std::vector<SceneObject>& objects) {
    FlatFaces flat;
    std::size_t total = 0;
    for (const SceneObject& object : objects) total += object.faces.size() * 3;
    if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return flat;
    flat.corners.reserve(total * meshArraysStride);
    flat.first.reserve(objects.size() + 1);
    std::int32_t corner = 0;
    for (const SceneObject& object : objects) {
        assert(hasValidFaceIndices(object));
        flat.first.push_back(corner);
        for (const Face& face : object.faces) {
            for (std::uint32_t index : face.vertexIndices) {
                const Geometry::Vector& p = object.vertices[index];
                // The casts are the conversions the GL makes of the doubles drawMesh passes.
                flat.corners.insert(flat.corners.end(),
                                    {static_cast<float>(p.x), static_cast<float>(p.y),
                                     static_cast<float>(p.z), static_cast<float>(face.normal.x),
                                     static_cast<float>(face.normal.y), static_cast<float>(face.normal.z),
                                     static_cast<float>(face.color.x), static_cast<float>(face.color.y),
                                     static_cast<float>(face.color.z)});
                ++corner;
            }
        }
    }
    flat.first.push_back(corner);
    return flat;
}

void drawRanges(const std::vector<std::int32_t>& first, const std::vector<std::uint32_t>& indices,
                std::vector<std::int32_t>& starts, std::vector<std::int32_t>& counts) {
    starts.clear();
    counts.clear();
    for (std::uint32_t index : indices) {
        if (static_cast<std::size_t>(index) + 1 >= first.size()) continue;
        const std::int32_t start = first[index], count = first[index + 1] - start;
        if (count <= 0) continue;
        if (!starts.empty() && starts.back() + counts.back() == start)
            counts.back() += count;
        else {
            starts.push_back(start);
            counts.push_back(count);
        }
    }
}

bool uploadMeshArrays(const std::vector<SceneObject>& objects, MeshArrays& arrays) {
    assert(arrays.buffer == 0);
    FlatFaces flat;
    try {
        flat = flattenFaces(objects);
    } catch (const std::bad_alloc&) {
        return false; // the caller draws as the viewer does
    }
    if (flat.first.empty()) return false;
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(flat.corners.size() * sizeof(float)),
                 flat.corners.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    if (buffer == 0 || glGetError() != GL_NO_ERROR) {
        glDeleteBuffers(1, &buffer);
        return false;
    }
    arrays.buffer = buffer;
    arrays.first = std::move(flat.first);
    return true;
}

void releaseMeshArrays(MeshArrays& arrays) {
    if (arrays.buffer != 0) glDeleteBuffers(1, &arrays.buffer);
    arrays = {};
}

void drawMeshArrays(MeshArrays& arrays, const std::vector<std::uint32_t>& indices,
                    const Geometry::Vector* colour) {
    assert(arrays.buffer != 0);
    drawRanges(arrays.first, indices, arrays.starts, arrays.counts);
    if (arrays.starts.empty()) return;
    constexpr GLsizei stride = meshArraysStride * sizeof(float);
    glBindBuffer(GL_ARRAY_BUFFER, arrays.buffer);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, nullptr);
    if (colour) {
        glColor3d(colour->x, colour->y, colour->z);
    } else {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, stride, reinterpret_cast<const void*>(3 * sizeof(float)));
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_FLOAT, stride, reinterpret_cast<const void*>(6 * sizeof(float)));
    }
    glMultiDrawArrays(GL_TRIANGLES, arrays.starts.data(), arrays.counts.data(),
                      static_cast<GLsizei>(arrays.starts.size()));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}
