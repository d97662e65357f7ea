// The .geo reader: vector syntax, line handling, axis conversion, the all-or-nothing commit, and
// the input it must survive (lying counts, bad indices, endless lines, binary noise).
#include "mesh/GeoReader.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

using Geometry::Vector;

namespace {

using Lines = std::vector<std::string>;

// A small tetrahedron record, one line per element; the constants below name its lines.
constexpr const char* sampleText = R"(GEOMETRY
format 1
tetra
2 3 4
material default
shading flat
rotation 10 20 30
1 2 3
pivot 0 0 0
bounds box
4
v0 0 0 0
v1 1 0 0
v2 0 1 0
v3 0 0 1
faces 2
face 0
smoothing 0
0
1
2
face 1
smoothing 0
0
3
1
)";

Lines sampleLines() {
    Lines lines;
    std::istringstream in(sampleText);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
constexpr std::size_t nameLine = 2, scaleLine = 3, rotationLine = 6, translationLine = 7;
constexpr std::size_t vertexCountLine = 10, firstVertexLine = 11, faceCountLine = 15, firstIndexLine = 18;

std::string join(const Lines& lines, const std::string& end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

// What sampleLines() reads as: (x, y, z) in the file becomes (x, z, -y), the scale excepted.
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
    o.scale = o.rotation = o.translation = {7, 7, 7};
    o.screenMin = o.screenMax = {-1, -2, -3};
    o.vertices = {{9, 8, 7}};
    o.faces = {Face{{0, 0, 0}, {1, 1, 1}, {0.5, 0.5, 0.5}}};
    return o;
}

// Every member as text (negative zero as zero), so that a mismatch shows where it is.
std::string dump(const SceneObject& o) {
    std::ostringstream text;
    text.precision(17);
    const auto put = [&](const Vector& v) {
        text << v.x + 0.0 << ' ' << v.y + 0.0 << ' ' << v.z + 0.0 << "; ";
    };
    text << o.name << "; ";
    for (const Vector* v : {&o.scale, &o.rotation, &o.translation, &o.screenMin, &o.screenMax}) put(*v);
    text << "\nvertices ";
    for (const Vector& v : o.vertices) put(v);
    text << "\nfaces ";
    for (const Face& f : o.faces) {
        text << f.vertexIndices[0] << ',' << f.vertexIndices[1] << ',' << f.vertexIndices[2] << ' ';
        put(f.normal), put(f.color);
    }
    return text.str();
}

void expectSame(const SceneObject& a, const SceneObject& b) { EXPECT_EQ(dump(a), dump(b)); }

// Reads one record into `target`; true when the stream has not failed.
bool readInto(const std::string& text, SceneObject& target) {
    std::istringstream in(text);
    in >> target;
    return !in.fail();
}

SceneObject readOrSentinel(const std::string& text) {
    SceneObject target = sentinel();
    readInto(text, target);
    return target;
}

struct VectorCase {
    const char* text;
    bool stored;
    Vector value;
    const char* rest; // what the stream still holds
};

const VectorCase vectorCases[] = {
    {"(1, 2, 3)", true, {1, 2, 3}, ""},   {"[1 2 3]", true, {1, 2, 3}, ""},
    {"{1,2,3}", true, {1, 2, 3}, ""},     {"<1>2]3)", true, {1, 2, 3}, ""},
    {"1, 2, 3", true, {1, 2, 3}, ""},     {"( -1.5e2 ,\t2 , .25 }", true, {-150, 2, 0.25}, ""},
    {"1 2 3 4", true, {1, 2, 3}, " 4"},   {"1,2,3,", true, {1, 2, 3}, ","},
    {"(1 2 3) 4", true, {1, 2, 3}, " 4"}, {"1 2", true, {1, 2, 0}, ""},
    {"(7", true, {7, 0, 0}, ""},          {"", true, {0, 0, 0}, ""},
    {"1 x 3", false, {}, nullptr},        {"x", false, {}, nullptr},
    {"nan nan nan", false, {}, nullptr},  {"1 inf 2", false, {}, nullptr},
};

} // namespace

TEST(GeoVector, SyntaxTable) {
    for (const VectorCase& c : vectorCases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        Vector v{9, 9, 9};
        in >> v;
        const Vector expected = c.stored ? c.value : Vector{9, 9, 9};
        EXPECT_TRUE(v.x == expected.x && v.y == expected.y && v.z == expected.z);
        EXPECT_TRUE(c.stored || in.fail());
        if (c.rest) {
            in.clear();
            std::string rest(std::istreambuf_iterator<char>(in), {});
            EXPECT_EQ(rest, c.rest);
        }
    }
}

TEST(GeoReader, LayoutAndSkippedTextDoNotMatter) {
    const Lines lines = sampleLines();
    Lines spaced;
    for (const std::string& line : lines) spaced.insert(spaced.end(), {"  \t ", "", "\t  " + line});
    std::string noFinalFeed = join(lines);
    noFinalFeed.pop_back();
    // Lines the reader skips, and words after the ones it reads, may hold anything.
    Lines noisy = lines;
    for (std::size_t i : {0u, 4u, 5u, 8u, 9u, 16u, 17u, 21u, 22u}) noisy[i] = "9 9 9 (1, 2, 3) faces \x01";
    noisy[1] = "12.5 {";
    noisy[rotationLine] = "(((( 10 20 30";
    noisy[firstVertexLine] = "-7 0 0 0";
    noisy[faceCountLine] = "3 2";
    noisy[nameLine] = "tetra shape name"; // the first word only
    noisy[firstIndexLine] = "0 7 9";      // only the first number counts
    noisy[firstIndexLine + 1] = "1\t99999999999999";
    const std::string variants[] = {
        join(lines),         "\n\n \v\f\n" + join(spaced) + "\n \t\n",
        join(lines, "\r\n"), join(spaced, "\r\n"),
        noFinalFeed,         join(lines, "\n\n\n"),
        join(noisy),
    };
    for (const std::string& text : variants) {
        SceneObject target = sentinel();
        EXPECT_TRUE(readInto(text, target));
        expectSame(target, sampleObject());
    }
}

TEST(GeoReader, RecordThatRunsOutAnywhereLeavesTheTargetUntouched) {
    const Lines lines = sampleLines();
    const std::string text = join(lines);
    const std::size_t lastLineStart = text.rfind('\n', text.size() - 2) + 1;
    const std::size_t countStart = join(Lines(lines.begin(), lines.begin() + faceCountLine)).size();
    const std::size_t countDigit = countStart + lines[faceCountLine].size() - 1;
    SceneObject noFaces = sampleObject();
    noFaces.faces.clear();
    for (std::size_t cut = 0; cut < lastLineStart; ++cut) {
        SCOPED_TRACE(testing::Message() << "cut at byte " << cut);
        // Except where the face-count line lost its number: a complete record without faces.
        const bool complete = cut > countStart && cut <= countDigit;
        SceneObject target = sentinel();
        EXPECT_EQ(readInto(text.substr(0, cut), target), complete);
        expectSame(target, complete ? noFaces : sentinel());
    }
    // Whitespace alone is no more a line than nothing.
    for (const char* blank : {"", " ", "\n\n\r\n\t \v\f"}) expectSame(readOrSentinel(blank), sentinel());
}

TEST(GeoReader, CountsAndIndicesThatCannotBeTrusted) {
    enum Outcome { Discarded, NoFaces, NoVerticesOrFaces, FirstFaceDropped };
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
        // Faces addressing missing vertices are dropped.
        {FirstFaceDropped, firstIndexLine + 2, {"4", "-1", "4294967295", "100000"}},
    };
    for (const auto& c : cases)
        for (const char* text : c.texts) {
            SCOPED_TRACE(text);
            Lines lines = sampleLines();
            lines[c.line] = text;
            SceneObject expected = c.outcome == Discarded ? sentinel() : sampleObject();
            if (c.outcome == NoVerticesOrFaces) expected.vertices.clear();
            if (c.outcome == NoFaces || c.outcome == NoVerticesOrFaces) expected.faces.clear();
            if (c.outcome == FirstFaceDropped) expected.faces.erase(expected.faces.begin());
            SceneObject read = sentinel();
            EXPECT_NO_THROW(readInto(join(lines), read));
            expectSame(read, expected);
            EXPECT_TRUE(hasValidFaceIndices(read));
        }
}

TEST(GeoReader, FailedStreamReadsNothing) {
    std::istringstream in(join(sampleLines()));
    in.setstate(std::ios::failbit);
    SceneObject target = sentinel();
    EXPECT_TRUE((in >> target).fail());
    expectSame(target, sentinel());
    in.clear();
    EXPECT_FALSE((in >> target).fail()); // the whole record is still there
    expectSame(target, sampleObject());
}

TEST(GeoReader, NonNumbersStoreNothingAndVeryLongLinesAreReadWhole) {
    const std::string megabyte(1 << 20, 'n');
    Lines lines = sampleLines();
    lines[scaleLine] = "nan nan nan";
    lines[translationLine] = "inf 0 0";
    lines[firstVertexLine + 1] = "v -inf 1 1";
    lines[nameLine] = megabyte + "\xff tail";
    lines[firstVertexLine + 3] = "v" + std::string(1 << 20, ' ') + "0 0 1";
    lines[firstIndexLine] = std::string(1 << 20, '0');
    lines[4] = std::string(1 << 20, '\0');
    SceneObject expected = sampleObject();
    expected.name = megabyte + "\xff";
    expected.scale = expected.translation = expected.vertices[1] = {};
    expectSame(readOrSentinel(join(lines)), expected);
}

TEST(GeoReader, BinaryNoiseGivesAValidObjectOrNone) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string valid = join(sampleLines());
    const char favourites[] = {'\n', '\0', '-', '9', ' ', '('};
    for (int round = 0; round < 300; ++round) {
        // Every third round pure noise, else a real record with a few bytes overwritten, often by
        // digits, line feeds and NULs.
        const bool noise = round % 3 == 0;
        std::string text = noise ? std::string(static_cast<std::size_t>(byte(random)) * 8, ' ') : valid;
        const std::size_t writes = noise ? text.size() : static_cast<std::size_t>(round % 7 + 1);
        for (std::size_t k = 0; k < writes; ++k) {
            const int b = byte(random);
            const std::size_t at = noise ? k : static_cast<std::size_t>(byte(random)) % text.size();
            text[at] = !noise && b < 128 ? favourites[b % 6] : static_cast<char>(b);
        }
        SceneObject target = sentinel();
        if (readInto(text, target))
            EXPECT_TRUE(hasValidFaceIndices(target)) << "round " << round;
        else
            expectSame(target, sentinel());
    }
}
