#include "GpuScene.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cassert>

namespace {

constexpr GLuint flagBinding = 3;

// Attribute 0 is gl_Vertex, and ftransform() transforms it exactly as fixed function does: the
// same rounding decides between faces of different objects that lie in one plane.
const char* vertexSource = R"(#version 430 compatibility
layout(location = 1) in uint object;
flat out uint objectId;
void main() {
    objectId = object;
    gl_Position = ftransform();
}
)";

const char* depthSource = R"(#version 430 compatibility
void main() {}
)";

// Early tests: the shader runs only for samples that pass the depth test, and its write does not
// stop the depth test from being done first.
const char* flagSource = R"(#version 430 compatibility
layout(early_fragment_tests) in;
layout(std430, binding = 3) coherent buffer Flags { uint flags[]; };
flat in uint objectId;
void main() {
    uint word = objectId >> 5u, bit = 1u << (objectId & 31u);
    if ((flags[word] & bit) == 0u) atomicOr(flags[word], bit);
}
)";

const char* idSource = R"(#version 430 compatibility
flat in uint objectId;
out vec4 colour;
void main() {
    uint code = objectId + 1u;
    colour = vec4(vec3(uvec3(code, code >> 8u, code >> 16u) & 255u) / 255.0, 1.0);
}
)";

const char* shadedSource = R"(#version 430 compatibility
in vec4 gl_FragCoord;
out vec4 colour;
void main() {
    vec3 n = normalize(cross(dFdx(gl_FragCoord.xyz), dFdy(gl_FragCoord.xyz)));
    colour = vec4(vec3(0.25 + 0.7 * abs(n.z)), 1.0);
}
)";

GLuint programs[4] = {0, 0, 0, 0};

GLuint compile(GLenum type, const char* source, std::string& error) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        error = log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint link(const char* fragmentSource, std::string& error) {
    const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource, error);
    const GLuint fragment = vertex ? compile(GL_FRAGMENT_SHADER, fragmentSource, error) : 0;
    if (!fragment) {
        if (vertex) glDeleteShader(vertex);
        return 0;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        error = log;
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

// Saves and restores what a draw changes outside the attribute stack.
class DrawBindings {
  public:
    DrawBindings(const GpuScene& gpu, GpuPass pass) {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
        glUseProgram(programs[static_cast<int>(pass)]);
        glBindVertexArray(gpu.vertexArray);
        glBindBufferBase(GL_SHADER_STORAGE_BUFFER, flagBinding, gpu.flags);
    }
    ~DrawBindings() {
        glBindVertexArray(static_cast<GLuint>(vertexArray_));
        glUseProgram(static_cast<GLuint>(program_));
    }
    DrawBindings(const DrawBindings&) = delete;
    DrawBindings& operator=(const DrawBindings&) = delete;

  private:
    GLint program_ = 0;
    GLint vertexArray_ = 0;
};

// Whether every object strictly between a and b may be drawn along.
bool mayBridge(const std::vector<bool>* along, std::uint32_t a, std::uint32_t b) {
    if (!along) return true;
    for (std::uint32_t k = a + 1; k < b; ++k)
        if (k >= along->size() || !(*along)[k]) return false;
    return true;
}

// One draw per stretch of listed objects no more than `bridge` apart and alike in face culling; the
// stretches are drawn in list order, a run of alike ones at a time.
void drawStretches(GpuScene& gpu, GpuPass pass, const std::vector<std::uint32_t>& list, std::uint32_t bridge,
                   const std::vector<bool>* along, const std::vector<bool>* cull) {
    if (list.empty()) return;
    const auto culled = [cull](std::uint32_t object) { return cull && (*cull)[object]; };
    const DrawBindings bindings(gpu, pass);
    if (cull) {
        glFrontFace(GL_CCW);
        glCullFace(GL_BACK);
    }
    for (std::size_t i = 0; i < list.size();) {
        const bool runCulled = culled(list[i]);
        gpu.counts.clear();
        gpu.offsets.clear();
        while (i < list.size() && culled(list[i]) == runCulled) {
            std::size_t j = i + 1;
            while (j < list.size() && list[j] > list[j - 1] && list[j] - list[j - 1] <= bridge + 1 &&
                   culled(list[j]) == runCulled && mayBridge(along, list[j - 1], list[j]))
                ++j;
            const std::uint32_t first = gpu.firstIndex[list[i]], end = gpu.firstIndex[list[j - 1] + 1];
            if (end > first) {
                gpu.counts.push_back(static_cast<int>(end - first));
                gpu.offsets.push_back(
                    reinterpret_cast<const void*>(std::uintptr_t{first} * sizeof(std::uint32_t)));
            }
            i = j;
        }
        if (gpu.counts.empty()) continue;
        if (runCulled)
            glEnable(GL_CULL_FACE);
        else if (cull)
            glDisable(GL_CULL_FACE);
        glMultiDrawElements(GL_TRIANGLES, gpu.counts.data(), GL_UNSIGNED_INT, gpu.offsets.data(),
                            static_cast<GLsizei>(gpu.counts.size()));
    }
    if (cull) glDisable(GL_CULL_FACE);
    if (pass == GpuPass::flags) glMemoryBarrier(GL_BUFFER_UPDATE_BARRIER_BIT | GL_SHADER_STORAGE_BARRIER_BIT);
}

} // namespace

bool buildGpuPrograms(std::string& error) {
    if (programs[0] != 0) return true;
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major * 10 + minor < 43) {
        error = "OpenGL " + std::to_string(major) + "." + std::to_string(minor) +
                " has no storage buffers (4.3 needed)";
        return false;
    }
    const char* fragments[4] = {depthSource, flagSource, idSource, shadedSource};
    for (int i = 0; i < 4; ++i) {
        programs[i] = link(fragments[i], error);
        if (!programs[i]) {
            releaseGpuPrograms();
            return false;
        }
    }
    return true;
}

void releaseGpuPrograms() {
    for (GLuint& program : programs) {
        if (program) glDeleteProgram(program);
        program = 0;
    }
}

void uploadGpuScene(const InstancedScene& scene, GpuScene& gpu) {
    assert(isWellFormed(scene));
    releaseGpuScene(gpu);
    gpu.objectCount = static_cast<std::uint32_t>(scene.objects.size());
    gpu.occluders = scene.occluders;
    std::vector<bool> meshClosed;
    for (const SharedMesh& mesh : scene.meshes) meshClosed.push_back(isClosedOutward(mesh));
    for (const Placement& p : scene.objects) // a mirror turns every face inside out
        gpu.closed.push_back(meshClosed[p.mesh] && p.scale[0] * p.scale[1] * p.scale[2] > 0.0f);
    std::uint64_t vertexCount = 0, indexCount = 0;
    gpu.firstIndex.reserve(scene.objects.size() + 1);
    for (const Placement& p : scene.objects) {
        gpu.firstIndex.push_back(static_cast<std::uint32_t>(indexCount));
        vertexCount += scene.meshes[p.mesh].positions.size() / 3;
        indexCount += scene.meshes[p.mesh].indices.size();
    }
    assert(vertexCount < 0xFFFFFFFFull && indexCount < 0xFFFFFFFFull);
    gpu.firstIndex.push_back(static_cast<std::uint32_t>(indexCount));

    GLint vertexArray = 0, arrayBuffer = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer);
    glGenVertexArrays(1, &gpu.vertexArray);
    glBindVertexArray(gpu.vertexArray);
    glGenBuffers(1, &gpu.vertices);
    glGenBuffers(1, &gpu.indices);
    glBindBuffer(GL_ARRAY_BUFFER, gpu.vertices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gpu.indices); // kept by the vertex array
    struct Vertex {
        float x, y, z;
        std::uint32_t object;
    };
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexCount * sizeof(Vertex) + 4), nullptr,
                 GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexCount * 4 + 4), nullptr,
                 GL_STATIC_DRAW);
    gpu.bytes = vertexCount * sizeof(Vertex) + indexCount * 4;
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    glVertexAttribIPointer(1, 1, GL_UNSIGNED_INT, sizeof(Vertex), reinterpret_cast<const void*>(12));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);

    // In pieces, so that no second copy of the whole scene is ever held.
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::uint64_t vertexOffset = 0, indexOffset = 0;
    const auto flush = [&] {
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(vertexOffset * sizeof(Vertex)),
                        static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data());
        glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(indexOffset * 4),
                        static_cast<GLsizeiptr>(indices.size() * 4), indices.data());
        vertexOffset += vertices.size();
        indexOffset += indices.size();
        vertices.clear();
        indices.clear();
    };
    for (std::uint32_t i = 0; i < scene.objects.size(); ++i) {
        const Placement& p = scene.objects[i];
        const SharedMesh& mesh = scene.meshes[p.mesh];
        const auto base = static_cast<std::uint32_t>(vertexOffset + vertices.size());
        for (std::uint32_t index : mesh.indices) indices.push_back(base + index);
        for (std::size_t v = 0; v < mesh.positions.size(); v += 3)
            vertices.push_back({mesh.positions[v] * p.scale[0] + p.offset[0],
                                mesh.positions[v + 1] * p.scale[1] + p.offset[1],
                                mesh.positions[v + 2] * p.scale[2] + p.offset[2], i});
        if (vertices.size() > 65536) flush();
    }
    flush();
    glBindVertexArray(static_cast<GLuint>(vertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(arrayBuffer));

    glGenBuffers(1, &gpu.flags);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, gpu.flags);
    const std::size_t flagBytes = (scene.objects.size() + 31) / 32 * 4;
    glBufferData(GL_SHADER_STORAGE_BUFFER, static_cast<GLsizeiptr>(flagBytes + 4), nullptr, GL_DYNAMIC_READ);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
    gpu.bytes += flagBytes;
}

void releaseGpuScene(GpuScene& gpu) {
    const GLuint buffers[] = {gpu.vertices, gpu.indices, gpu.flags};
    for (GLuint buffer : buffers)
        if (buffer) glDeleteBuffers(1, &buffer);
    if (gpu.vertexArray) glDeleteVertexArrays(1, &gpu.vertexArray);
    gpu = GpuScene{};
}

void drawAll(GpuScene& gpu, GpuPass pass, bool occludersOnly) {
    if (occludersOnly) {
        drawStretches(gpu, pass, gpu.occluders, 0, nullptr, nullptr);
        return;
    }
    if (gpu.objectCount == 0 || gpu.firstIndex.back() == 0) return;
    const DrawBindings bindings(gpu, pass);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(gpu.firstIndex.back()), GL_UNSIGNED_INT, nullptr);
    if (pass == GpuPass::flags) glMemoryBarrier(GL_BUFFER_UPDATE_BARRIER_BIT | GL_SHADER_STORAGE_BARRIER_BIT);
}

void drawList(GpuScene& gpu, GpuPass pass, const std::vector<std::uint32_t>& list, std::uint32_t bridge,
              const std::vector<bool>* along, const std::vector<bool>* cull) {
    drawStretches(gpu, pass, list, bridge, along, cull);
}

void clearFlags(GpuScene& gpu) {
    const GLuint zero = 0;
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, gpu.flags);
    glClearBufferData(GL_SHADER_STORAGE_BUFFER, GL_R32UI, GL_RED_INTEGER, GL_UNSIGNED_INT, &zero);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
}

std::vector<bool> readFlags(const GpuScene& gpu) {
    std::vector<std::uint32_t> words((gpu.objectCount + 31) / 32);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, gpu.flags);
    if (!words.empty())
        glGetBufferSubData(GL_SHADER_STORAGE_BUFFER, 0, static_cast<GLsizeiptr>(words.size() * 4),
                           words.data());
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
    std::vector<bool> flags(gpu.objectCount);
    for (std::uint32_t i = 0; i < gpu.objectCount; ++i) flags[i] = (words[i >> 5] >> (i & 31)) & 1u;
    return flags;
}
