// The level: its collision triangle list and what its draw shows and leaves behind.
#include "assets/LevelMesh.h"
#include "assets/Textures.h"
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

TEST(LevelMesh, DrawShowsTheTexturedLevelAndEndsCullingFrontFacesUntextured) {
  REQUIRE_GL();
  const std::string red = assettest::writeFile("red.bmp", assettest::bmp24(1, 1, {255, 0, 0}));
  MeshObject quad = objectWith(4, {{0, 1, 2}, {0, 2, 3}});  // counter-clockwise, left half
  quad.vertices = {{-1, -1, 0}, {0, -1, 0}, {0, 1, 0}, {-1, 1, 0}};
  auto* model = new MeshModel;
  model->objects = {quad};
  model->materials.resize(1);
  model->numObjects = model->numMaterials = 1;
  model->materials[0].textureId = uploadBmpTexture(red.c_str());
  const LevelMesh level(model);

  assettest::startFlatScene();
  for (const GLenum a : {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY})
    glEnableClientState(a);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_FRONT);
  level.draw();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLint culled = 0;
  glGetIntegerv(GL_CULL_FACE_MODE, &culled);
  EXPECT_EQ(culled, GL_FRONT);
  EXPECT_EQ(assettest::pixelAt(-0.5f, 0.0f), (assettest::Rgb{255, 0, 0}));
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.0f), (assettest::Rgb{0, 0, 0}));
  glDisable(GL_CULL_FACE);
  deleteTexture(model->materials[0].textureId);
}
