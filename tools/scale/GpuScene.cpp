#include "GpuScene.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cassert>

namespace {

enum Binding : GLuint { positionBinding = 0, placementBinding = 1, listBinding = 2, flagBinding = 3 };

const char* vertexSource = R"(#version 430 compatibility
struct Placement { float ox, oy, oz, sx, sy, sz; uint mesh, unused; };
layout(std430, binding = 0) readonly buffer Positions { float positions[]; };
layout(std430, binding = 1) readonly buffer Placements { Placement placements[]; };
layout(std430, binding = 2) readonly buffer List { uint list[]; };
uniform uint listStart;
flat out uint objectId;
void main() {
    objectId = list[listStart + uint(gl_InstanceID)];
    Placement p = placements[objectId];
    uint v = uint(gl_VertexID) * 3u;
    vec3 local = vec3(positions[v], positions[v + 1u], positions[v + 2u]);
    vec4 world = vec4(local * vec3(p.sx, p.sy, p.sz) + vec3(p.ox, p.oy, p.oz), 1.0);
    gl_Position = gl_ModelViewProjectionMatrix * world;
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
GLint listStartLocations[4] = {-1, -1, -1, -1};

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

GLuint makeBuffer(GLenum target, std::size_t bytes, const void* data, GLenum usage, std::size_t& total) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    // An empty buffer still gets a word, so that binding it is valid.
    glBufferData(target, static_cast<GLsizeiptr>(bytes > 0 ? bytes : 4), data, usage);
    glBindBuffer(target, 0);
    total += bytes;
    return buffer;
}

// Saves and restores what a draw changes outside the attribute stack.
class DrawBindings {
  public:
    DrawBindings(const GpuScene& gpu, GpuPass pass, GLuint list) {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
        glUseProgram(programs[static_cast<int>(pass)]);
        glBindVertexArray(gpu.vertexArray);
        glBindBufferBase(GL_SHADER_STORAGE_BUFFER, positionBinding, gpu.positions);
        glBindBufferBase(GL_SHADER_STORAGE_BUFFER, placementBinding, gpu.placements);
        glBindBufferBase(GL_SHADER_STORAGE_BUFFER, listBinding, list);
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

void drawRuns(const GpuScene& gpu, GpuPass pass, GLuint list, const std::vector<MeshRun>& runs,
              std::uint32_t listOffset) {
    const DrawBindings bindings(gpu, pass, list);
    const GLint start = listStartLocations[static_cast<int>(pass)];
    for (const MeshRun& run : runs) {
        glUniform1ui(start, listOffset + run.first);
        const std::uintptr_t offset = gpu.meshFirstIndex[run.mesh] * sizeof(std::uint32_t);
        glDrawElementsInstancedBaseVertex(GL_TRIANGLES, static_cast<GLsizei>(gpu.meshIndexCount[run.mesh]),
                                          GL_UNSIGNED_INT, reinterpret_cast<const void*>(offset),
                                          static_cast<GLsizei>(run.count),
                                          static_cast<GLint>(gpu.meshFirstVertex[run.mesh]));
    }
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
        listStartLocations[i] = glGetUniformLocation(programs[i], "listStart");
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
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    for (const SharedMesh& mesh : scene.meshes) {
        gpu.meshFirstVertex.push_back(static_cast<std::uint32_t>(positions.size() / 3));
        gpu.meshFirstIndex.push_back(static_cast<std::uint32_t>(indices.size()));
        gpu.meshIndexCount.push_back(static_cast<std::uint32_t>(mesh.indices.size()));
        positions.insert(positions.end(), mesh.positions.begin(), mesh.positions.end());
        indices.insert(indices.end(), mesh.indices.begin(), mesh.indices.end());
    }
    gpu.objectCount = static_cast<std::uint32_t>(scene.objects.size());
    std::vector<std::uint32_t> lists(scene.objects.size());
    for (std::uint32_t i = 0; i < lists.size(); ++i) lists[i] = i;
    gpu.allRuns = meshRuns(scene, lists);
    gpu.occluderRuns = meshRuns(scene, scene.occluders);
    lists.insert(lists.end(), scene.occluders.begin(), scene.occluders.end());

    GLint vertexArray = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    glGenVertexArrays(1, &gpu.vertexArray);
    glBindVertexArray(gpu.vertexArray);
    glGenBuffers(1, &gpu.indices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gpu.indices); // kept by the vertex array
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * 4 + 4), nullptr,
                 GL_STATIC_DRAW);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(indices.size() * 4), indices.data());
    glBindVertexArray(static_cast<GLuint>(vertexArray));
    gpu.bytes = indices.size() * 4;
    const GLenum ssbo = GL_SHADER_STORAGE_BUFFER;
    gpu.positions = makeBuffer(ssbo, positions.size() * 4, positions.data(), GL_STATIC_DRAW, gpu.bytes);
    gpu.placements = makeBuffer(ssbo, scene.objects.size() * sizeof(Placement), scene.objects.data(),
                                GL_STATIC_DRAW, gpu.bytes);
    gpu.staticLists = makeBuffer(ssbo, lists.size() * 4, lists.data(), GL_STATIC_DRAW, gpu.bytes);
    gpu.flags = makeBuffer(ssbo, (scene.objects.size() + 31) / 32 * 4, nullptr, GL_DYNAMIC_READ, gpu.bytes);
    glGenBuffers(1, &gpu.frameList);
}

void releaseGpuScene(GpuScene& gpu) {
    const GLuint buffers[] = {gpu.positions,   gpu.indices,   gpu.placements,
                              gpu.staticLists, gpu.frameList, gpu.flags};
    for (GLuint buffer : buffers)
        if (buffer) glDeleteBuffers(1, &buffer);
    if (gpu.vertexArray) glDeleteVertexArrays(1, &gpu.vertexArray);
    gpu = GpuScene{};
}

void drawAll(GpuScene& gpu, GpuPass pass, bool occludersOnly) {
    if (occludersOnly)
        drawRuns(gpu, pass, gpu.staticLists, gpu.occluderRuns, gpu.objectCount);
    else
        drawRuns(gpu, pass, gpu.staticLists, gpu.allRuns, 0);
}

void drawList(GpuScene& gpu, GpuPass pass, const InstancedScene& scene,
              const std::vector<std::uint32_t>& list) {
    if (list.empty()) return;
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, gpu.frameList);
    if (list.size() > gpu.frameListCapacity) {
        glBufferData(GL_SHADER_STORAGE_BUFFER, static_cast<GLsizeiptr>(list.size() * 4), list.data(),
                     GL_STREAM_DRAW);
        gpu.frameListCapacity = list.size();
    } else {
        glBufferSubData(GL_SHADER_STORAGE_BUFFER, 0, static_cast<GLsizeiptr>(list.size() * 4), list.data());
    }
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
    drawRuns(gpu, pass, gpu.frameList, meshRuns(scene, list), 0);
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
