// Indexed drawing of text model objects.
#include "assets/MeshDraw.h"

#include <GL/gl.h>

void drawMeshObject(const MeshObject& object) {
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, object.vertices.data());
  glNormalPointer(GL_FLOAT, 0, object.vertexNormals.data());
  glTexCoordPointer(2, GL_FLOAT, 0, object.texCoords.data());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(object.numFaces * 3), GL_UNSIGNED_INT,
                 object.faceVertices.data());
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
