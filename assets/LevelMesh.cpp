// The level: its draw (one indexed draw call per object) and its collision triangle list.
#include "assets/LevelMesh.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "assets/MeshDraw.h"

LevelMesh* levelMesh = nullptr;
Vector3* levelTriangles = nullptr;
std::int32_t levelTriangleVertexCount = 0;

LevelMesh::LevelMesh(const char* fileName, bool readNormals)
    : model(loadMeshModel(fileName, readNormals)) {}

LevelMesh::LevelMesh(MeshModel* loadedModel) : model(loadedModel) {}

LevelMesh::~LevelMesh() {
  freeMeshModel(model);
}

void LevelMesh::draw() const {
  glPushAttrib(GL_CURRENT_BIT);
  glCullFace(GL_BACK);
  glEnable(GL_TEXTURE_2D);
  for (const MeshObject& object : model->objects) {
    // An object of a model without materials keeps what is bound and set.
    if (const MeshMaterial* material = model->materialOf(object)) {
      glBindTexture(GL_TEXTURE_2D, material->textureId);
      glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material->ambient);
      glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material->diffuse);
      glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material->specular);
    }
    drawMeshObject(object);
  }
  glPopAttrib();
  glDisable(GL_TEXTURE_2D);
  glCullFace(GL_FRONT);
}

Vector3* LevelMesh::buildTriangleList(std::int32_t* count) const {
  // Step 1.
  std::uint64_t points = 0;
  for (const MeshObject& object : model->objects) {
    points += static_cast<std::uint64_t>(object.numFaces) * 3;
  }
  if (points > INT32_MAX) {
    std::printf("The level has too many triangles for its collision list: %llu points\n",
                static_cast<unsigned long long>(points));
    std::exit(1);
  }
  // Steps 2 and 3.
  Vector3* list = new Vector3[points];
  std::size_t next = 0;
  for (const MeshObject& object : model->objects) {
    for (const auto& corners : object.faceVertices) {
      list[next++] = object.vertices[corners[0]];
      list[next++] = object.vertices[corners[1]];
      list[next++] = object.vertices[corners[2]];
    }
  }
  // Step 4.
  *count = static_cast<std::int32_t>(points);
  return list;
}
