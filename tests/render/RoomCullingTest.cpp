// Drawing only the rooms and objects the view reaches must not change the picture: the real
// level, objects and skyline, drawn whole and drawn through the room view, from every room, from the doorways and
// along the walls, looking every way. And the view must leave out what a wall hides.
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "assets/LevelMesh.h"
#include "assets/ModelObject.h"
#include "game/World.h"
#include "render/Frame.h"
#include "render/Furniture.h"
#include "render/Lights.h"
#include "render/RenderProbe.h"
#include "render/Scene.h"
#include "render/StaticGeometry.h"
#include "support/GameWorld.h"

namespace {

struct Pose {
  Vector3 eye;
  float yawDegrees;  // 0 looks along +x, 90 along +z
};

RoomView lookFrom(const Pose& pose) {
  renderprobe::beginGameFrame();
  const float yaw = pose.yawDegrees * 3.14159265f / 180.0f;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(pose.eye.x, pose.eye.y, pose.eye.z, pose.eye.x + 100.0f * std::cos(yaw), pose.eye.y,
            pose.eye.z + 100.0f * std::sin(yaw), 0.0, 1.0, 0.0);
  setRoomLights();
  return findRoomView(pose.eye);
}

// The objects standing in the rooms, first as the frame draws them: all of them, or those the
// view may show.
void drawObjects(const RoomView& view, bool throughRooms) {
  std::vector<ModelObject*> all(pedestals, pedestals + pedestalCount);
  for (int row = 0; row < roomRows; ++row) {
    all.insert(all.end(), pictures[row], pictures[row] + pictureCount[row]);
    all.insert(all.end(), exhibits[row], exhibits[row] + exhibitCount[row]);
    all.insert(all.end(), swords[row], swords[row] + swordCount[row]);
  }
  for (ModelObject* object : all) {
    if (!throughRooms || objectMayShow(*object, view)) object->draw();
  }
  drawFurniture(throughRooms ? view : wholeViewOf(renderprobe::width, renderprobe::height));
}

std::vector<std::uint8_t> drawn(const Pose& pose, bool throughRooms) {
  const RoomView view = lookFrom(pose);
  glEnable(GL_LIGHTING);
  drawObjects(view, throughRooms);
  if (throughRooms) {
    levelMesh->drawVisible(view);
  } else {
    levelMesh->draw();
  }
  glDisable(GL_LIGHTING);
  if (throughRooms) {
    drawSkylineThrough(view);
  } else {
    glCallList(skylineList);
  }
  return renderprobe::readBlock(0, 0, renderprobe::width, renderprobe::height);
}

class RoomCulling : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
  }
};

TEST_F(RoomCulling, TheRoomViewDrawsTheWholeLevelsPicture) {
  // Room middles, the seven doorways (in them and a step either side), near the corners of
  // the hall's L and against walls with windows.
  const Vector3 places[] = {
      {250, 1, 25},  {26, 1, 250},  {26, 1, 25},   {391, 1, 160}, {167, 1, 160}, {270, 1, 380},
      {166, 1, 51},  {166, 1, 45},  {395, 1, 51},  {395, 1, 58},  {53, 1, 163},  {47, 1, 386},
      {281, 1, 163}, {286, 1, 163}, {166, 1, 274}, {395, 1, 274}, {395, 1, 268}, {490, 1, 110},
      {4, 1, 300},   {480, 1, 10},  {60, 1, 480}};
  // Where the level's edges meet in a T, a pixel on the seam may show what lies behind it in
  // the whole drawing and black in the culled one: a few pixels a view. A part of a room left
  // out shows as thousands.
  constexpr int seamPixels = 60;
  for (const Vector3& eye : places) {
    for (float yaw = 0.0f; yaw < 360.0f; yaw += 45.0f) {
      const Pose pose{eye, yaw};
      const std::vector<std::uint8_t> whole = drawn(pose, false);
      const std::vector<std::uint8_t> culled = drawn(pose, true);
      int differing = 0;
      for (std::size_t i = 0; i < whole.size(); i += 3) {
        differing += whole[i] != culled[i] || whole[i + 1] != culled[i + 1] ||
                     whole[i + 2] != culled[i + 2];
      }
      EXPECT_LE(differing, seamPixels)
          << "pixels differ from (" << eye.x << ", " << eye.z << ") at " << yaw << " degrees";
    }
  }
}

TEST_F(RoomCulling, WallsHideTheRoomsAndTheSkyBehindThem) {
  const museum::RoomMask hall = 1, room2 = 2, room3 = 4, room4 = 8;
  // In room 2 facing the wall to the hall, both doorways out of sight: room 2 alone, no sky.
  RoomView view = lookFrom({{300, 1, 100}, 270});
  EXPECT_EQ(view.visibleRooms, room2);
  EXPECT_TRUE(view.skyRect.empty());
  // Turned towards the windows of the outer wall: the sky shows, inside the window.
  view = lookFrom({{300, 1, 100}, 0});
  EXPECT_FALSE(view.skyRect.empty());
  // Facing the doorway to room 3 from across room 2: room 3 shows inside the doorway only,
  // and through it the hall's doorway in line, not room 4's off to the side.
  view = lookFrom({{450, 1, 163}, 180});
  EXPECT_EQ(view.visibleRooms, room2 | room3 | hall);
  const ScreenRect door = view.roomRects[2];
  EXPECT_GT(door.x0, 400.0f);
  EXPECT_LT(door.x1, 624.0f);
  // Standing in that doorway: both rooms hold the eye.
  view = lookFrom({{281, 1, 163}, 90});
  EXPECT_EQ(view.eyeRooms, room2 | room3);
  // In room 4 facing the back wall: room 4 alone.
  view = lookFrom({{270, 1, 380}, 90});
  EXPECT_EQ(view.visibleRooms, room4);
  // A box shows in front of the eye, not behind it nor off to the side, and always when the
  // eye stands inside it (the near plane cuts it); a room out of view hides it everywhere.
  const auto box = [](float x, float z, float half) {
    return museum::Box{x - half, -half, z - half, x + half, half, z + half};
  };
  EXPECT_TRUE(view.mayShowBox(box(270, 400, 1), room4));
  EXPECT_FALSE(view.mayShowBox(box(270, 360, 1), room4));
  EXPECT_FALSE(view.mayShowBox(box(230, 385, 1), room4));
  EXPECT_TRUE(view.mayShowBox(box(270, 379.5f, 2), room4));
  EXPECT_FALSE(view.mayShowBox(box(270, 400, 1), room2 | hall));
}

}  // namespace
