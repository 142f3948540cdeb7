// The level: its collision triangle list.
#include "assets/LevelMesh.h"
#include "assets/AssetTestSupport.h"

namespace {

using Triangles = std::vector<std::array<std::uint32_t, 3>>;

// An object of `vertices` points, vertex i at (i, 2i, 3i), with the given triangles.
MeshObject objectWith(std::uint32_t vertices, const Triangles& triangles) {
  MeshObject o;
  o.numVertices = vertices;
  for (std::uint32_t i = 0; i < vertices; ++i) o.vertices.emplace_back(i, 2.0f * i, 3.0f * i);
  o.vertexNormals.assign(vertices, Vector3(0, 0, 1));
  o.texCoords.assign(vertices, {0.5f, 0.5f});
  o.numFaces = static_cast<std::uint32_t>(triangles.size());
  o.faceVertices = triangles;
  return o;
}

}  // namespace

TEST(LevelMesh, TriangleListHoldsEveryCornerOfEveryObjectInOrder) {
  auto* model = new MeshModel;
  Triangles ten(10, {0, 1, 2});
  ten[4] = {7, 3, 5};
  model->objects = {objectWith(8, ten), objectWith(3, Triangles(4, {2, 1, 0}))};
  model->numObjects = 2;
  const LevelMesh level(model);
  std::int32_t count = -1;
  const Vector3* list = level.buildTriangleList(&count);
  ASSERT_EQ(count, 42);
  EXPECT_EQ(list[12], Vector3(7, 14, 21));  // triangle 4: corners 7, 3, 5 in that order
  EXPECT_EQ(list[13], Vector3(3, 6, 9));
  EXPECT_EQ(list[14], Vector3(5, 10, 15));
  EXPECT_EQ(list[30], Vector3(2, 4, 6));  // the second object follows the first's 30 points
  delete[] list;
}
