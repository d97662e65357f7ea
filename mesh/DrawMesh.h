#pragma once
// Immediate-mode drawing of a world-space mesh. Sets no matrix, viewport, enable flag or material:
// the caller prepares them.

#include "mesh/SceneObject.h"

#include <vector>

// One GL_TRIANGLES batch; per face its normal, its colour, then its three vertices (doubles).
void drawMesh(const std::vector<Face>& faces, const std::vector<Geometry::Vector>& vertices);
