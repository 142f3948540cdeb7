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
    // The lamps, the signs and the floor markings glow through their material's emission.
    if (const MeshMaterial* material = model->materialOf(object)) applyMeshMaterial(*material);
    drawMeshObject(object);
  }
  glPopAttrib();
  glDisable(GL_TEXTURE_2D);
  glCullFace(GL_FRONT);
}

namespace {

bool outsideBand(const Vector3* corners, float yLow, float yHigh) {
  const bool below = corners[0].y < yLow && corners[1].y < yLow && corners[2].y < yLow;
  const bool above = corners[0].y > yHigh && corners[1].y > yHigh && corners[2].y > yHigh;
  return below || above;
}

}  // namespace

Vector3* LevelMesh::buildTriangleListWithin(float yLow, float yHigh, std::int32_t* count) const {
  std::int32_t all = 0;
  Vector3* list = buildTriangleList(&all);
  std::int32_t kept = 0;
  for (std::int32_t i = 0; i + 2 < all; i += 3) {
    if (outsideBand(list + i, yLow, yHigh)) continue;
    list[kept++] = list[i];
    list[kept++] = list[i + 1];
    list[kept++] = list[i + 2];
  }
  *count = kept;
  return list;
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
