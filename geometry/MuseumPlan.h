// The museum's plan, the one place that knows it: the rooms, the doorways that join them and
// the strips in them where the player changes room, the windows, the entrance with its drop
// and exit zones, the room and alarm lights, the alarm lamps, the wall switches and the
// guards' patrols. The game's rules, its drawing and the asset generator that builds the level
// all read it. Level units: x and z on the floor, y up.
//
// The hall (room 1) is an L: a front corridor along z 0..50 and a left corridor along
// x 0..52. Inner walls 2 thick: x 52..54, z 50..52, x 280..282, z 273..275. Room 3 is
// x 54..280, z 52..273; room 2 x 282..500, z 52..273; room 4 x 54..500, z 275..485. The inner
// faces of the outer walls are x = 0, z = 0, x = 500 and z = 485.
#pragma once

#include <cstdint>

#include "geometry/Vector3.h"

namespace museum {

// ---- Heights ----
constexpr double floorY = -6.0;       // the guards' feet
constexpr double ceilingY = 14.0;
constexpr double doorTopY = 8.0;      // the top of every doorway
constexpr double windowSillY = 6.0;   // well above the top of the player's sphere (3.2)
constexpr double windowTopY = 12.0;
constexpr double outerWallThickness = 2.0;  // the outer walls stand outside the rooms' floors

// ---- Rooms ----
constexpr int roomCount = 4;  // index 0 is room 1, the hall; then rooms 2, 3 and 4
using RoomMask = std::uint8_t;  // bit i: room i + 1
constexpr RoomMask allRooms = (1u << roomCount) - 1;

// A rectangle on the floor.
struct Area {
  double x0, z0, x1, z1;
  // Strictly inside, kept margin away from every edge.
  constexpr bool contains(double x, double z, double margin = 0.0) const {
    return x > x0 + margin && x < x1 - margin && z > z0 + margin && z < z1 - margin;
  }
};

constexpr Area hallFront{0.0, 0.0, 500.0, 50.0};
constexpr Area hallLeft{0.0, 50.0, 52.0, 485.0};
constexpr Area room2Area{282.0, 52.0, 500.0, 273.0};
constexpr Area room3Area{54.0, 52.0, 280.0, 273.0};
constexpr Area room4Area{54.0, 275.0, 500.0, 485.0};

// A room's floor is one or two areas (the hall is an L).
struct FloorArea {
  int room;  // room index
  Area area;
};
constexpr FloorArea floorAreas[] = {
    {0, hallFront}, {0, hallLeft}, {1, room2Area}, {2, room3Area}, {3, room4Area}};

// An axis-aligned box.
struct Box {
  float x0, y0, z0, x1, y1, z1;
};

// ---- Doorways ----
// A doorway joins two rooms through an inner wall. Walls that run along x have a fixed z range
// (lo..hi, the wall's thickness) and the opening spans x (from..to); walls that run along z
// the other way round. The opening is the box from the floor to the door top through the
// wall's whole thickness.
struct Doorway {
  bool wallAlongX;
  double lo, hi;    // the wall's thickness
  double from, to;  // the opening, exactly the span of its room-change strips
  int roomA, roomB; // room indices
  Box opening;
};

constexpr Doorway doorwayThrough(bool wallAlongX, double lo, double hi, double from, double to,
                                 int roomA, int roomB) {
  const float y0 = static_cast<float>(floorY), y1 = static_cast<float>(doorTopY);
  const Box opening =
      wallAlongX ? Box{static_cast<float>(from), y0, static_cast<float>(lo),
                       static_cast<float>(to), y1, static_cast<float>(hi)}
                 : Box{static_cast<float>(lo), y0, static_cast<float>(from),
                       static_cast<float>(hi), y1, static_cast<float>(to)};
  return Doorway{wallAlongX, lo, hi, from, to, roomA, roomB, opening};
}

constexpr int doorwayCount = 7;
constexpr Doorway doorways[doorwayCount] = {
    doorwayThrough(true, 50.0, 52.0, 152.0, 181.0, 0, 2),     // hall - room 3
    doorwayThrough(true, 50.0, 52.0, 381.0, 410.0, 0, 1),     // hall - room 2
    doorwayThrough(false, 52.0, 54.0, 150.0, 176.0, 0, 2),    // hall - room 3
    doorwayThrough(false, 52.0, 54.0, 375.0, 398.0, 0, 3),    // hall - room 4
    doorwayThrough(false, 280.0, 282.0, 152.0, 175.0, 2, 1),  // room 3 - room 2
    doorwayThrough(true, 273.0, 275.0, 152.0, 181.0, 2, 3),   // room 3 - room 4
    doorwayThrough(true, 273.0, 275.0, 381.0, 410.0, 1, 3),   // room 2 - room 4
};

// ---- Room-change strips ----
// Inside a strip the wall collision is off; the room changes once the player is past its
// switch line. Each room tries its strips in order and the first that holds the player decides.
enum class Axis { X, Z };
enum class Bound { Over, Under, Never };  // a strict limit from above or below, or none

struct RoomStrip {
  Axis spanAxis;       // the strip's extent across the doorway
  double spanLow, spanHigh;
  bool spanInclusive;  // the hall's two corner strips use <=
  Axis depthAxis;      // how far into the doorway
  Bound depthSide;     // depth above or below the limit (or a box for the inclusive strips)
  double depthLimit;   // strict
  double depthHigh;    // the inclusive strips' upper depth bound
  Bound switchSide;
  double switchLimit;
  std::int16_t newRoom;  // room number, 1 to 4

  constexpr bool holds(float x, float z) const {
    const double span = spanAxis == Axis::X ? x : z;
    const double depth = depthAxis == Axis::X ? x : z;
    if (spanInclusive) {
      return spanLow <= span && span <= spanHigh && depthLimit <= depth && depth <= depthHigh;
    }
    if (!(spanLow < span && span < spanHigh)) return false;
    return depthSide == Bound::Over ? depth > depthLimit : depth < depthLimit;
  }

  constexpr bool switches(float x, float z) const {
    const double depth = depthAxis == Axis::X ? x : z;
    return switchSide == Bound::Over ? depth > switchLimit
                                      : switchSide == Bound::Under && depth < switchLimit;
  }
};

struct RoomStrips {
  int count;
  RoomStrip strips[6];
};

// Rooms 1 to 4, strips in the order they are tried.
constexpr RoomStrips roomStrips[roomCount] = {
    {6,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Over, 47, 0, Bound::Over, 51, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Over, 47, 0, Bound::Over, 51, 3},
      {Axis::Z, 150, 176, false, Axis::X, Bound::Over, 49, 0, Bound::Over, 53, 3},
      {Axis::Z, 375, 398, false, Axis::X, Bound::Over, 49, 0, Bound::Over, 53, 4},
      {Axis::X, 20, 56, true, Axis::Z, Bound::Never, 38, 54, Bound::Never, 0, 0},
      {Axis::X, 20, 56, true, Axis::Z, Bound::Never, 269, 278, Bound::Never, 0, 0}}},
    {3,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Under, 55, 0, Bound::Under, 51, 1},
      {Axis::Z, 152, 175, false, Axis::X, Bound::Under, 286, 0, Bound::Under, 281, 3},
      {Axis::X, 381, 410, false, Axis::Z, Bound::Over, 271, 0, Bound::Over, 275, 4}}},
    {4,
     {{Axis::X, 152, 181, false, Axis::Z, Bound::Under, 55, 0, Bound::Under, 51, 1},
      {Axis::Z, 150, 176, false, Axis::X, Bound::Under, 57, 0, Bound::Under, 53, 1},
      {Axis::Z, 152, 175, false, Axis::X, Bound::Over, 277, 0, Bound::Over, 281, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Over, 271, 0, Bound::Over, 275, 4}}},
    {3,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Under, 279, 0, Bound::Under, 275, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Under, 279, 0, Bound::Under, 275, 3},
      {Axis::Z, 375, 398, false, Axis::X, Bound::Under, 57, 0, Bound::Under, 53, 1}}},
};

// ---- The entrance ----
// The closed entrance door in the front wall, and the floor markings in front of it: 'g'
// empties the bag in the drop zone, 'q' leaves in the exit zone, which holds it.
constexpr double entranceFrom = 440.0;
constexpr double entranceTo = 480.0;
constexpr Area exitZone{405.0, 0.0, 492.0, 25.0};
constexpr Area dropZone{405.0, 0.0, 432.0, 25.0};

// Whether the player at (x, z) stands in a zone by the entrance: between its sides and in
// front of its far edge (the front wall stands before its near one).
constexpr bool standsIn(const Area& zone, float x, float z) {
  return x > zone.x0 && x < zone.x1 && z < zone.z1;
}

// ---- Windows ----
// High windows in the outer walls at z = 0 (front, centres along x), x = 0 (left) and x = 500
// (right, centres along z, with the room each lights); each opening is windowWidth wide.
constexpr double windowWidth = 16.0;
constexpr double frontWindows[] = {35.0, 105.0, 175.0, 245.0, 315.0, 385.0};
constexpr double leftWindows[] = {45.0, 120.0, 195.0, 270.0, 345.0, 420.0};
constexpr double rightWindows[] = {25.0, 110.0, 215.0, 330.0, 430.0};
constexpr int rightWindowRooms[] = {0, 1, 1, 3, 3};

// A window opening through an outer wall, with the room it lights: the box spans the wall's
// thickness and a unit on either side, where the window's reveals stand.
struct Window {
  Box opening;
  int room;
};
constexpr int windowCount = 17;
extern const Window windows[windowCount];

// ---- Lights, lamps and switches (x, y, z) ----
// The five room lights: the hall's two corridors, then rooms 3, 2 and 4.
constexpr double roomLights[5][3] = {{254.0, 10.0, 25.0},
                                     {25.0, 10.0, 180.0},
                                     {177.0, 10.0, 164.0},
                                     {395.0, 10.0, 164.0},
                                     {281.0, 10.0, 386.0}};
// How the room lights fade with the distance d from a lamp: a share 1 / (constant + linear d +
// quadratic d^2) of their light arrives. The scene sets these and the stealth rules' light at
// the player's place reads them: 1, 0, 0 is no falloff, so a surface is bright or dark by the
// angle at which a lamp's light strikes it.
constexpr double roomLightAttenuation[3] = {1.0, 0.0, 0.0};  // constant, linear, quadratic
// The three red alarm lights hang where the lights of rooms 3, 2 and 4 hang.
constexpr int alarmLightCount = 3;
constexpr int firstAlarmRoomLight = 2;  // alarm light i hangs at roomLights[2 + i]
// The alarm lamps, a red over a green one, on the walls x 52..54 and 280..282.
constexpr int alarmLampCount = 6;
constexpr double alarmLampPlaces[alarmLampCount][3] = {{54, 0, 144},  {54, -2, 144}, {282, 0, 144},
                                                 {282, -2, 144}, {54, 0, 369},  {54, -2, 369}};
// The wall switches beside the lamps, on the room-side faces of those walls.
constexpr double wallSwitches[3][3] = {
    {54.8, -1.0, 146.0}, {282.8, -1.0, 146.0}, {54.8, -1.0, 371.0}};

// ---- Patrols ----
// The guards walk their four corners in turn, through the doorways and nowhere through a wall.
extern const Vector3 guard1Path[4];
extern const Vector3 guard2Path[4];
extern const Vector3 guard1StartHeading;
extern const Vector3 guard2StartHeading;

// ---- Which rooms ----
// The rooms whose floor area, widened by margin on every side, holds the point (x, z).
RoomMask roomsAround(float x, float z, float margin);

// The rooms whose floor area, widened by margin, meets the floor rectangle x0..x1, z0..z1.
RoomMask roomsMeeting(float x0, float z0, float x1, float z1, float margin);

// The rooms a triangle of the level may be seen from: those its floor extent meets, widened by
// a wall's thickness and a little, so that the faces inside a doorway belong to both of its
// rooms. A triangle outside every room (an outer face) belongs to all of them.
RoomMask roomsOfTriangle(const Vector3& a, const Vector3& b, const Vector3& c);

}  // namespace museum
