#include "mesh/GeoReader.h"

#include <cstdint>
#include <istream>
#include <sstream>

using Geometry::Vector;

namespace {

bool isCSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isOpeningBracket(char c) { return c == '(' || c == '<' || c == '[' || c == '{'; }

bool isSeparator(char c) { return c == ',' || c == ')' || c == '>' || c == ']' || c == '}'; }

// File axes (x, y, z) to the viewer's y-up axes.
Vector fromFileAxes(const Vector& v) { return {v.x, v.z, -v.y}; }

// Extracts one value; on failure the target keeps its value. Clears the buffer's state either way.
template <typename T> void extract(std::istringstream& lineBuffer, T& target) {
    T value{};
    if (lineBuffer >> value) target = value;
    lineBuffer.clear();
}

void extractVector(std::istringstream& lineBuffer, Vector& target) {
    lineBuffer >> target; // stores nothing on a broken vector
    lineBuffer.clear();
}

void dropWord(std::istringstream& lineBuffer) {
    std::string word;
    extract(lineBuffer, word);
}

} // namespace

namespace Geometry {

std::istream& operator>>(std::istream& in, Vector& v) {
    bool bracketed = true; // also when no character could be read at all
    char c = 0;
    if (in >> c) {
        if (!isOpeningBracket(c)) {
            in.unget();
            bracketed = false;
        }
    }
    double components[3] = {0.0, 0.0, 0.0};
    for (int k = 0; k < 3; ++k) {
        in >> components[k];
        if (in.eof()) break;
        if (!bracketed && k == 2) break;
        char separator = 0;
        if (in >> separator && !isSeparator(separator)) in.unget();
    }
    if (in.good() || (in.eof() && !in.bad())) {
        v = {components[0], components[1], components[2]};
    } else {
        in.setstate(std::ios::failbit);
    }
    return in;
}

} // namespace Geometry

void readNonBlankLine(std::istream& in, std::string& line) {
    for (int c = in.peek(); c != std::char_traits<char>::eof() && isCSpace(c); c = in.peek()) in.get();
    std::string rest;
    std::getline(in, rest);
    if (!in.fail()) line = std::move(rest);
}

void loadNextLine(std::istream& in, std::istringstream& lineBuffer) {
    std::string line;
    readNonBlankLine(in, line);
    lineBuffer.str(line);
}

std::istream& operator>>(std::istream& in, SceneObject& object) {
    std::istringstream lineBuffer;
    std::string scratch;
    SceneObject read{std::string()};

    loadNextLine(in, lineBuffer);
    dropWord(lineBuffer);
    loadNextLine(in, lineBuffer);
    dropWord(lineBuffer);
    dropWord(lineBuffer);

    loadNextLine(in, lineBuffer);
    extract(lineBuffer, read.name);
    loadNextLine(in, lineBuffer);
    extractVector(lineBuffer, read.scale);
    readNonBlankLine(in, scratch);
    readNonBlankLine(in, scratch);

    loadNextLine(in, lineBuffer);
    dropWord(lineBuffer);
    extractVector(lineBuffer, read.rotation);
    read.rotation = fromFileAxes(read.rotation);
    loadNextLine(in, lineBuffer);
    extractVector(lineBuffer, read.translation);
    read.translation = fromFileAxes(read.translation);
    readNonBlankLine(in, scratch);
    readNonBlankLine(in, scratch);

    // Counts are only promises: elements are appended as their lines arrive, and reading stops
    // as soon as the file has run out (such a record is discarded below anyway).
    std::int32_t vertexCount = 0;
    loadNextLine(in, lineBuffer);
    extract(lineBuffer, vertexCount);
    for (std::int32_t i = 0; i < vertexCount && !in.fail(); ++i) {
        loadNextLine(in, lineBuffer);
        dropWord(lineBuffer);
        Vector vertex;
        extractVector(lineBuffer, vertex);
        read.vertices.push_back(fromFileAxes(vertex));
    }

    std::int32_t faceCount = 0;
    loadNextLine(in, lineBuffer);
    dropWord(lineBuffer);
    extract(lineBuffer, faceCount);
    for (std::int32_t i = 0; i < faceCount && !in.fail(); ++i) {
        readNonBlankLine(in, scratch);
        readNonBlankLine(in, scratch);
        Face face;
        for (std::uint32_t& index : face.vertexIndices) {
            loadNextLine(in, lineBuffer);
            extract(lineBuffer, index);
        }
        // A face that addresses a vertex the file does not have is dropped; every face kept can
        // be transformed and drawn without a bounds check.
        bool valid = true;
        for (std::uint32_t index : face.vertexIndices) valid = valid && index < read.vertices.size();
        if (valid) read.faces.push_back(face);
    }

    if (!in.fail()) object = std::move(read);
    return in;
}
