// The second half of every frame: the GLUT display callback, the room tracking and the
// guards' respawn wait.
#pragma once

#include <cstdint>

#include "geometry/RoomVisibility.h"
#include "geometry/Vector3.h"

// The room the player is in: 1 the hall, 2, 3, 4 the exhibition rooms; 0 before the first
// game. Changed only by the room tracking (and set to 1 by a new game).
extern std::int16_t currentRoom;

// Per guard: the whole second at which its wait before coming back began; -1 when none runs.
extern std::int32_t guardDownTime[2];

// Room tracking of one frame: the first doorway strip of the current room that holds (x, z)
// decides; returns true when the camera stands in a strip (the wall collision is then
// skipped), and changes currentRoom when the strip's switch condition holds.
bool trackRoom(float x, float z);

// The rooms a view from eye reaches, from the projection, model-view and viewport in force.
RoomView findRoomView(const Vector3& eye);

class ModelObject;
// Whether any of object may show in view: its rooms are in view and its bounding sphere
// reaches into their rectangles beyond the near plane.
bool objectMayShow(const ModelObject& object, const RoomView& view);

void display();
