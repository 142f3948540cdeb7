// The level: its draw (one indexed draw call per object) and its collision triangle list.
#include "assets/LevelMesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "assets/MeshDraw.h"
#include "geometry/RoomVisibility.h"

LevelMesh* levelMesh = nullptr;
Vector3* levelTriangles = nullptr;
std::int32_t levelTriangleVertexCount = 0;

LevelMesh::LevelMesh(const char* fileName, bool readNormals)
    : model(loadMeshModel(fileName, readNormals)) {
  sortTrianglesIntoRooms();
}

LevelMesh::LevelMesh(MeshModel* loadedModel) : model(loadedModel) {
  sortTrianglesIntoRooms();
}

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

void LevelMesh::sortTrianglesIntoRooms() {
  roomParts.clear();
  if (model == nullptr) return;
  for (const MeshObject& object : model->objects) {
    std::vector<RoomPart> parts;
    for (const auto& corners : object.faceVertices) {
      const museum::RoomMask rooms =
          museum::roomsOfTriangle(object.vertices[corners[0]], object.vertices[corners[1]],
                                  object.vertices[corners[2]]);
      auto part = std::find_if(parts.begin(), parts.end(),
                               [rooms](const RoomPart& p) { return p.rooms == rooms; });
      if (part == parts.end()) part = parts.insert(parts.end(), RoomPart{rooms, {}});
      part->corners.insert(part->corners.end(), corners.begin(), corners.end());
    }
    roomParts.push_back(std::move(parts));
  }
}

template <typename PartTest>
void LevelMesh::drawParts(PartTest shows, const RoomView& view, bool scissored) const {
  for (std::size_t i = 0; i < model->objects.size(); ++i) {
    const MeshObject& object = model->objects[i];
    bool materialSet = false;
    for (const RoomPart& part : roomParts[i]) {
      if (!shows(part.rooms)) continue;
      if (scissored) scissorTo(view.rectOf(part.rooms));
      if (!materialSet) {
        if (const MeshMaterial* material = model->materialOf(object)) applyMeshMaterial(*material);
        materialSet = true;
      }
      drawMeshObjectCorners(object, part.corners.data(), part.corners.size());
    }
  }
}

void LevelMesh::drawVisible(const RoomView& view) const {
  glPushAttrib(GL_CURRENT_BIT);
  glCullFace(GL_BACK);
  glEnable(GL_TEXTURE_2D);
  const museum::RoomMask eye = view.eyeRooms;
  drawParts([eye](museum::RoomMask rooms) { return (rooms & eye) != 0; }, view, false);
  glEnable(GL_SCISSOR_TEST);
  drawParts([&view, eye](museum::RoomMask rooms) {
              return (rooms & eye) == 0 && view.showsRooms(rooms);
            },
            view, true);
  glDisable(GL_SCISSOR_TEST);
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
