// The .geo reader: line handling, vector syntax, axis conversion and the input it must survive
// (lying counts, bad indices, non-numbers). Random and truncated input, and the all-or-nothing
// commit, are the fuzz target's.
#include "mesh/GeoReader.h"
#include "ObjectText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using Geometry::Vector;

namespace {

using Lines = std::vector<std::string>;

// A small tetrahedron record, one line per element; the constants below name its lines.
// clang-format off
const Lines sampleLines = {"GEOMETRY", "format 1", "tetra", "2 3 4", "material default", "shading flat",
                           "rotation 10 20 30", "1 2 3", "pivot 0 0 0", "bounds box", "4", "v0 0 0 0",
                           "v1 1 0 0", "v2 0 1 0", "v3 0 0 1", "faces 2", "face 0", "smoothing 0", "0",
                           "1", "2", "face 1", "smoothing 0", "0", "3", "1"};
// clang-format on
constexpr std::size_t nameLine = 2, scaleLine = 3, rotationLine = 6, translationLine = 7;
constexpr std::size_t vertexCountLine = 10, firstVertexLine = 11, faceCountLine = 15, firstIndexLine = 18;

std::string join(const Lines& lines, const std::string& end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

// What sampleLines reads as: (x, y, z) in the file becomes (x, z, -y), the scale excepted.
SceneObject sampleObject() {
    SceneObject o{"tetra"};
    o.scale = {2, 3, 4};
    o.rotation = {10, 30, -20};
    o.translation = {1, 3, -2};
    o.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    o.faces = {Face{{0, 1, 2}, {}, {}}, Face{{0, 3, 1}, {}, {}}};
    return o;
}

// Content that no read produces, in every member, so an untouched target is recognisable.
SceneObject sentinel() {
    SceneObject o{"sentinel"};
    o.scale = o.rotation = o.translation = o.screenMin = o.screenMax = {7, 7, 7};
    o.vertices = {{9, 8, 7}};
    o.faces = {Face{{0, 0, 0}, {1, 1, 1}, {0.5, 0.5, 0.5}}};
    return o;
}

// Reads one record over a sentinel; `ok` tells whether the stream has not failed.
std::string read(const std::string& text, bool* ok = nullptr) {
    std::istringstream in(text);
    SceneObject target = sentinel();
    in >> target;
    if (ok) *ok = !in.fail();
    return objectText(target);
}

} // namespace

// Catches blank lines, CRLF or indentation counted as lines, a skipped line or word that is read,
// and a bracket, separator or short line read another way.
TEST(GeoReader, LayoutSyntaxAndSkippedTextDoNotMatter) {
    Lines spaced, noisy = sampleLines;
    for (const std::string& line : sampleLines) spaced.insert(spaced.end(), {"  \t ", "", "\t  " + line});
    for (std::size_t i : {0u, 1u, 4u, 5u, 8u, 9u, 16u, 17u, 21u}) noisy[i] = "9 9 9 (1, 2, 3) faces \x01";
    noisy[nameLine] = "tetra shape name"; // the first word only
    noisy[rotationLine] = "(((( 10 20 30";
    noisy[translationLine] = "{1,2,3} 4";
    noisy[firstVertexLine] = "-7 0";            // the rest of a short line is zero
    noisy[firstVertexLine + 1] = "v1 <1>0]0),"; // any bracket, any separator
    noisy[firstVertexLine + 2] = "v2 ( 0 ,\t.1e1 , -0 }";
    noisy[faceCountLine] = "3 2";
    noisy[firstIndexLine] = "0 7 9"; // only the first number counts
    const std::string plain = join(sampleLines);
    for (const std::string& text :
         {plain, plain.substr(0, plain.size() - 1), "\n\n \v\f\n" + join(spaced) + "\n \t\n",
          join(spaced, "\r\n"), join(noisy)}) {
        bool ok = false;
        EXPECT_EQ(read(text, &ok), objectText(sampleObject()));
        EXPECT_TRUE(ok);
    }
}

// Catches counts trusted for reserving or looping, faces kept with indices past the vertices, and
// a non-number stored or spoiling the rest of the record.
TEST(GeoReader, CountsAndIndicesThatCannotBeTrusted) {
    enum Outcome { Discarded, NoFaces, NoVerticesOrFaces, FirstFaceDropped, NoScale };
    const struct {
        Outcome outcome;
        std::size_t line;
        std::vector<const char*> texts;
    } cases[] = {
        // Zero, negative or unreadable (beyond 32 bits) counts end the list.
        {NoFaces, faceCountLine, {"faces", "faces -1", "faces 99999999999"}},
        {NoVerticesOrFaces, vertexCountLine, {"0", "-5", "many"}}, // the first vertex line reads as "faces 0"
        // Counts larger than the file: the record is dropped without reserving room for them.
        {Discarded, vertexCountLine, {"2147483647"}},
        {Discarded, faceCountLine, {"faces 2147483647"}},
        {FirstFaceDropped, firstIndexLine + 2, {"4", "-1", "4294967295"}},
        // A non-number stores nothing and spoils nothing else.
        {NoScale, scaleLine, {"nan nan nan", "1 x 3", "0 0 -inf"}}};
    for (const auto& c : cases)
        for (const char* text : c.texts) {
            SCOPED_TRACE(text);
            Lines lines = sampleLines;
            lines[c.line] = text;
            SceneObject expected = c.outcome == Discarded ? sentinel() : sampleObject();
            if (c.outcome == NoVerticesOrFaces) expected.vertices.clear();
            if (c.outcome == NoFaces || c.outcome == NoVerticesOrFaces) expected.faces.clear();
            if (c.outcome == FirstFaceDropped) expected.faces.erase(expected.faces.begin());
            if (c.outcome == NoScale) expected.scale = {};
            EXPECT_EQ(read(join(lines)), objectText(expected));
        }
}
