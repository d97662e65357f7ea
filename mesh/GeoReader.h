#pragma once
// Reader of the line-oriented ".geo" mesh format. A file is a sequence of non-blank lines; each
// line is parsed on its own from a line buffer whose error state is cleared after every value, so
// a bad value spoils only itself. Vertices, rotation and translation written (x, y, z) are stored
// as (x, z, -y); the scale is stored as written.
//
// Record layout, counting non-blank lines:
//   1 word | 2 two words | 3 name | 4 scale | 5, 6 dropped | 7 word + rotation | 8 translation |
//   9, 10 dropped | 11 vertex count N | N x (word + vertex) | word + face count M |
//   M x (two dropped lines, then three lines each starting with a vertex index).
//
// The target is replaced only when the input stream has not failed by the end of the record; a
// file that runs out early leaves it untouched. Reading never trusts the counts: storage grows
// with the lines actually read, and a face with an index outside the vertex list is dropped.

#include "mesh/SceneObject.h"

#include <iosfwd>
#include <string>

namespace Geometry {
// Optional opening bracket "([{<", three numbers each followed by an optional separator ",)]}>"
// (after the third only when bracketed). A line that ends early gives zeros for the rest; a number
// broken by another character stores nothing and puts the stream into the fail state.
std::istream& operator>>(std::istream& in, Vector& v);
} // namespace Geometry

std::istream& operator>>(std::istream& in, SceneObject& object);

// Skips leading whitespace (C locale), then reads the rest of the line; `line` is written only
// when the stream has not failed.
void readNonBlankLine(std::istream& in, std::string& line);

// The next non-blank line becomes the whole content of `lineBuffer` (empty at end of file); the
// buffer's error state is left alone.
void loadNextLine(std::istream& in, std::istringstream& lineBuffer);
