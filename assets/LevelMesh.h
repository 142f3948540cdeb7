// The museum level: one text model drawn every frame, and the flat list of its triangles'
// corner points that the camera's collision test walks.
#pragma once

#include <cstdint>

#include <vector>

#include "assets/MeshModel.h"
#include "geometry/MuseumPlan.h"
#include "geometry/Vector3.h"

struct RoomView;

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
  // The same picture as draw() for the view, drawing less: first the triangles of the rooms the
  // eye stands in, nearest and so hiding the most, then those of each other room the view
  // reaches, scissored to its rectangle; nothing of a room it does not reach. Leaves the
  // scissor test off.
  void drawVisible(const RoomView& view) const;

  // A new array (release with delete[]) of the three corners of every triangle of every
  // object, in file order, and their number in count.
  Vector3* buildTriangleList(std::int32_t* count) const;
  // The same, without the triangles that lie wholly below yLow or wholly above yHigh: the
  // finely cut floors and ceilings, which are there for the lighting, not for the collision.
  Vector3* buildTriangleListWithin(float yLow, float yHigh, std::int32_t* count) const;

 private:
  // An object's triangles sorted by the rooms they may be seen from: each part's corner
  // indices, in file order.
  struct RoomPart {
    museum::RoomMask rooms;
    std::vector<std::uint32_t> corners;
  };
  std::vector<std::vector<RoomPart>> roomParts;  // one list per object, made with the model

  void sortTrianglesIntoRooms();
  // One pass over the objects: every part whose rooms pass the test, with its material.
  template <typename PartTest>
  void drawParts(PartTest shows, const RoomView& view, bool scissored) const;
};

// ---- Set once by the world set-up right after the level is loaded; read every frame by the
// camera's collision and the frame drawing; released at shutdown ----
extern LevelMesh* levelMesh;
extern Vector3* levelTriangles;
extern std::int32_t levelTriangleVertexCount;  // points in levelTriangles: 3 per triangle
