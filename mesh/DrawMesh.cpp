#include "mesh/DrawMesh.h"

#include <GL/gl.h>
#include <cassert>

// glNormal3dv and glVertex3dv read x, y and z as three consecutive doubles.
static_assert(sizeof(Geometry::Vector) == 3 * sizeof(double), "Vector must be three packed doubles");

void drawMesh(const std::vector<Face>& faces, const std::vector<Geometry::Vector>& vertices) {
    glBegin(GL_TRIANGLES);
    for (const Face& face : faces) {
        glNormal3dv(&face.normal.x);
        glColor3d(face.color.x, face.color.y, face.color.z);
        for (std::uint32_t index : face.vertexIndices) {
            assert(index < vertices.size());
            glVertex3dv(&vertices[index].x);
        }
    }
    glEnd();
}
