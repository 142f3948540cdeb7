// Indexed drawing of text model objects.
#include "assets/MeshDraw.h"

#include <GL/gl.h>

#include <cmath>

#include "geometry/RoomVisibility.h"

namespace {

void pointArraysAt(const MeshObject& object) {
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, object.vertices.data());
  glNormalPointer(GL_FLOAT, 0, object.vertexNormals.data());
  glTexCoordPointer(2, GL_FLOAT, 0, object.texCoords.data());
}

}  // namespace

void drawMeshObject(const MeshObject& object) {
  pointArraysAt(object);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(object.numFaces * 3), GL_UNSIGNED_INT,
                 object.faceVertices.data());
}

void drawMeshObjectCorners(const MeshObject& object, const std::uint32_t* corners,
                           std::size_t count) {
  pointArraysAt(object);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), GL_UNSIGNED_INT, corners);
}

void prepareForToolkitSolid() {
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void applyMeshMaterial(const MeshMaterial& material) {
  glBindTexture(GL_TEXTURE_2D, material.textureId);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material.specular);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, material.emission);
}

void scissorTo(const ScreenRect& rect) {
  const GLint x = static_cast<GLint>(std::floor(rect.x0));
  const GLint y = static_cast<GLint>(std::floor(rect.y0));
  glScissor(x, y, static_cast<GLsizei>(std::ceil(rect.x1)) - x,
            static_cast<GLsizei>(std::ceil(rect.y1)) - y);
}
