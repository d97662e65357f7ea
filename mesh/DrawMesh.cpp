#include "mesh/DrawMesh.h"

#include <GL/gl.h>
#include <cassert>

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
