// The museum's rooms, doorways and windows, and which rooms a point or a triangle belongs to.
#include "geometry/MuseumPlan.h"

#include <algorithm>

namespace museum {

namespace {

constexpr float floorY = -6.0f;
constexpr float doorTopY = 8.0f;
constexpr float windowSillY = 6.0f;
constexpr float windowTopY = 12.0f;
constexpr float windowHalfWidth = 8.0f;
constexpr float outerWall = 2.0f;  // the outer walls stand outside the rooms' floor areas

struct FloorArea {
  int room;
  float x0, z0, x1, z1;
};

// The hall is an L of two areas: the front corridor and the left one.
const FloorArea floorAreas[] = {
    {0, 0.0f, 0.0f, 500.0f, 50.0f},     {0, 0.0f, 50.0f, 52.0f, 485.0f},
    {1, 282.0f, 52.0f, 500.0f, 273.0f}, {2, 54.0f, 52.0f, 280.0f, 273.0f},
    {3, 54.0f, 275.0f, 500.0f, 485.0f},
};

// A doorway in a wall along x (thickness in z) or along z (thickness in x).
constexpr Doorway doorwayAlongX(float z0, float z1, float x0, float x1, int a, int b) {
  return Doorway{{x0, floorY, z0, x1, doorTopY, z1}, a, b};
}
constexpr Doorway doorwayAlongZ(float x0, float x1, float z0, float z1, int a, int b) {
  return Doorway{{x0, floorY, z0, x1, doorTopY, z1}, a, b};
}

// Window openings through the outer walls at z = 0 (front), x = 0 (left) and x = 500 (right),
// centred where the asset generator cuts them; the box spans the wall's thickness and a unit
// on either side, where the window's reveals stand.
constexpr Window frontWindow(float x) {
  return Window{{x - windowHalfWidth, windowSillY, -outerWall - 1.0f, x + windowHalfWidth,
                 windowTopY, 1.0f},
                0};
}
constexpr Window leftWindow(float z) {
  return Window{{-outerWall - 1.0f, windowSillY, z - windowHalfWidth, 1.0f, windowTopY,
                 z + windowHalfWidth},
                0};
}
constexpr Window rightWindow(float z, int room) {
  return Window{{499.0f, windowSillY, z - windowHalfWidth, 500.0f + outerWall + 1.0f, windowTopY,
                 z + windowHalfWidth},
                room};
}

bool areaMeets(const FloorArea& area, float x0, float z0, float x1, float z1, float margin) {
  return x1 >= area.x0 - margin && x0 <= area.x1 + margin && z1 >= area.z0 - margin &&
         z0 <= area.z1 + margin;
}

}  // namespace

const Doorway doorways[doorwayCount] = {
    doorwayAlongX(50.0f, 52.0f, 152.0f, 181.0f, 0, 2),    // hall - room 3
    doorwayAlongX(50.0f, 52.0f, 381.0f, 410.0f, 0, 1),    // hall - room 2
    doorwayAlongZ(52.0f, 54.0f, 150.0f, 176.0f, 0, 2),    // hall - room 3
    doorwayAlongZ(52.0f, 54.0f, 375.0f, 398.0f, 0, 3),    // hall - room 4
    doorwayAlongZ(280.0f, 282.0f, 152.0f, 175.0f, 2, 1),  // room 3 - room 2
    doorwayAlongX(273.0f, 275.0f, 152.0f, 181.0f, 2, 3),  // room 3 - room 4
    doorwayAlongX(273.0f, 275.0f, 381.0f, 410.0f, 1, 3),  // room 2 - room 4
};

const Window windows[windowCount] = {
    frontWindow(35.0f),      frontWindow(105.0f),     frontWindow(175.0f),
    frontWindow(245.0f),     frontWindow(315.0f),     frontWindow(385.0f),
    leftWindow(45.0f),       leftWindow(120.0f),      leftWindow(195.0f),
    leftWindow(270.0f),      leftWindow(345.0f),      leftWindow(420.0f),
    rightWindow(25.0f, 0),   rightWindow(110.0f, 1),  rightWindow(215.0f, 1),
    rightWindow(330.0f, 3),  rightWindow(430.0f, 3),
};

RoomMask roomsMeeting(float x0, float z0, float x1, float z1, float margin) {
  RoomMask rooms = 0;
  for (const FloorArea& area : floorAreas) {
    if (areaMeets(area, x0, z0, x1, z1, margin)) rooms |= static_cast<RoomMask>(1u << area.room);
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
