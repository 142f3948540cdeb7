// The museum's floor plan as the frame drawing needs it: the four rooms as boxes on the floor,
// the doorways that join them and the windows in the outer walls. Level units, x and z on the
// floor, y up; the same plan the asset generator builds the level from.
#pragma once

#include <cstdint>

#include "geometry/Vector3.h"

namespace museum {

constexpr int roomCount = 4;  // index 0 is room 1, the hall; then rooms 2, 3 and 4
using RoomMask = std::uint8_t;  // bit i: room i + 1
constexpr RoomMask allRooms = (1u << roomCount) - 1;

// An axis-aligned box; a room is one or two of them on the floor (the hall is an L).
struct Box {
  float x0, y0, z0, x1, y1, z1;
};

// A doorway joins two rooms through an inner wall: the opening from the floor to the door top,
// through the wall's whole thickness.
struct Doorway {
  Box opening;
  int roomA, roomB;  // room indices
};

// A window opening through an outer wall, with the room it lights.
struct Window {
  Box opening;
  int room;
};

// A floor marking by the entrance: x0 < x < x1 and z < zBelow (the front wall stands at z 0).
struct FloorZone {
  float x0, x1, zBelow;
  constexpr bool holds(float x, float z) const { return x > x0 && x < x1 && z < zBelow; }
};
// 'g' empties the bag in the drop zone; 'q' leaves in the exit zone, which holds it.
constexpr FloorZone dropZone{405.0f, 432.0f, 25.0f};
constexpr FloorZone exitZone{405.0f, 492.0f, 25.0f};

constexpr int doorwayCount = 7;
constexpr int windowCount = 17;
extern const Doorway doorways[doorwayCount];
extern const Window windows[windowCount];

// The rooms whose floor area, widened by margin on every side, holds the point (x, z).
RoomMask roomsAround(float x, float z, float margin);

// The rooms whose floor area, widened by margin, meets the floor rectangle x0..x1, z0..z1.
RoomMask roomsMeeting(float x0, float z0, float x1, float z1, float margin);

// The rooms a triangle of the level may be seen from: those its floor extent meets, widened by
// a wall's thickness and a little, so that the faces inside a doorway belong to both of its
// rooms. A triangle outside every room (an outer face) belongs to all of them.
RoomMask roomsOfTriangle(const Vector3& a, const Vector3& b, const Vector3& c);

}  // namespace museum
