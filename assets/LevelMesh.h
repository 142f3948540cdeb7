// The museum level: one text model drawn every frame, and the flat list of its triangles'
// corner points that the camera's collision test walks.
#pragma once

#include <cstdint>

#include "assets/MeshModel.h"
#include "geometry/Vector3.h"

class LevelMesh {
 public:
  MeshModel* model;  // owned

  // Loads the level with loadMeshModel (the game passes "data/models/level.txt", true).
  LevelMesh(const char* fileName, bool readNormals);
  // Takes ownership of a model that is already loaded.
  explicit LevelMesh(MeshModel* loadedModel);
  ~LevelMesh();
  LevelMesh(const LevelMesh&) = delete;
  LevelMesh& operator=(const LevelMesh&) = delete;

  // Draws every object with its material and texture. Expects the vertex, normal and
  // texture-coordinate client arrays enabled; ends with texturing disabled and front faces
  // culled, the setting the rest of the frame is drawn with.
  void draw() const;

  // A new array (release with delete[]) of the three corners of every triangle of every
  // object, in file order, and their number in count.
  Vector3* buildTriangleList(std::int32_t* count) const;
  // The same, without the triangles that lie wholly below yLow or wholly above yHigh: the
  // finely cut floors and ceilings, which are there for the lighting, not for the collision.
  Vector3* buildTriangleListWithin(float yLow, float yHigh, std::int32_t* count) const;
};

// ---- Set once by the world set-up right after the level is loaded; read every frame by the
// camera's collision and the frame drawing; released at shutdown ----
extern LevelMesh* levelMesh;
extern Vector3* levelTriangles;
extern std::int32_t levelTriangleVertexCount;  // points in levelTriangles: 3 per triangle
