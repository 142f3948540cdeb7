// The museum's windows and patrols, and which rooms a point or a triangle belongs to.
#include "geometry/MuseumPlan.h"

#include <algorithm>

namespace museum {

namespace {

constexpr float windowHalfWidth = static_cast<float>(windowWidth / 2.0);
constexpr float sill = static_cast<float>(windowSillY);
constexpr float top = static_cast<float>(windowTopY);
constexpr float wall = static_cast<float>(outerWallThickness);

// The window openings through the outer walls at z = 0, x = 0 and x = 500.
constexpr Window frontWindow(double centre) {
  const float x = static_cast<float>(centre);
  return Window{{x - windowHalfWidth, sill, -wall - 1.0f, x + windowHalfWidth, top, 1.0f}, 0};
}
constexpr Window leftWindow(double centre) {
  const float z = static_cast<float>(centre);
  return Window{{-wall - 1.0f, sill, z - windowHalfWidth, 1.0f, top, z + windowHalfWidth}, 0};
}
constexpr Window rightWindow(int i) {
  const float z = static_cast<float>(rightWindows[i]);
  return Window{{499.0f, sill, z - windowHalfWidth, 500.0f + wall + 1.0f, top, z + windowHalfWidth},
                rightWindowRooms[i]};
}

// In float, as the rooms' tests of the level's triangles have always been made.
bool areaMeets(const Area& area, float x0, float z0, float x1, float z1, float margin) {
  return x1 >= static_cast<float>(area.x0) - margin && x0 <= static_cast<float>(area.x1) + margin &&
         z1 >= static_cast<float>(area.z0) - margin && z0 <= static_cast<float>(area.z1) + margin;
}

}  // namespace

const Window windows[windowCount] = {
    frontWindow(frontWindows[0]), frontWindow(frontWindows[1]), frontWindow(frontWindows[2]),
    frontWindow(frontWindows[3]), frontWindow(frontWindows[4]), frontWindow(frontWindows[5]),
    leftWindow(leftWindows[0]),   leftWindow(leftWindows[1]),   leftWindow(leftWindows[2]),
    leftWindow(leftWindows[3]),   leftWindow(leftWindows[4]),   leftWindow(leftWindows[5]),
    rightWindow(0),               rightWindow(1),               rightWindow(2),
    rightWindow(3),               rightWindow(4),
};

const Vector3 guard1Path[4] = {Vector3(26.0f, -6.0f, 25.0f), Vector3(395.0f, -5.0f, 25.0f),
                               Vector3(395.0f, -6.0f, 164.0f), Vector3(26.0f, -6.0f, 164.0f)};
const Vector3 guard2Path[4] = {Vector3(162.0f, -6.0f, 164.0f), Vector3(162.0f, -6.0f, 386.0f),
                               Vector3(395.0f, -6.0f, 386.0f), Vector3(395.0f, -6.0f, 164.0f)};
const Vector3 guard1StartHeading(1.0f, 0.0f, 0.0f);
const Vector3 guard2StartHeading(0.0f, 0.0f, 1.0f);

RoomMask roomsMeeting(float x0, float z0, float x1, float z1, float margin) {
  RoomMask rooms = 0;
  for (const FloorArea& floor : floorAreas) {
    if (areaMeets(floor.area, x0, z0, x1, z1, margin)) {
      rooms |= static_cast<RoomMask>(1u << floor.room);
    }
  }
  return rooms;
}

RoomMask roomsAround(float x, float z, float margin) {
  return roomsMeeting(x, z, x, z, margin);
}

RoomMask roomsOfTriangle(const Vector3& a, const Vector3& b, const Vector3& c) {
  // A wall is 2 thick: its faces stand on a room's edge, the faces inside a doorway 2 from
  // either room. 2.5 reaches both sides and no room beyond.
  constexpr float reach = 2.5f;
  const float x0 = std::min({a.x, b.x, c.x}), x1 = std::max({a.x, b.x, c.x});
  const float z0 = std::min({a.z, b.z, c.z}), z1 = std::max({a.z, b.z, c.z});
  const RoomMask rooms = roomsMeeting(x0, z0, x1, z1, reach);
  return rooms != 0 ? rooms : allRooms;
}

}  // namespace museum
