// Drawing one frame of the game as it stands after the frame's rules ran: the menu, or the
// museum with the HUD. Nothing here changes the game's state.
#pragma once

#include "geometry/RoomVisibility.h"
#include "geometry/Vector3.h"

// The rooms a view from eye reaches, from the projection, model-view and viewport in force.
RoomView findRoomView(const Vector3& eye);

class ModelObject;
// Whether any of object may show in view: its rooms are in view and its bounding sphere
// reaches into their rectangles beyond the near plane.
bool objectMayShow(const ModelObject& object, const RoomView& view);

// Clears and draws the frame; the caller swaps the buffers.
void drawFrame();
