// Which rooms of the museum the view can reach, and where on the window: the room holding the
// eye fills the window, another room shows only inside the window rectangle of the doorways
// that lead to it, and the sky only inside the rectangles of the windows. The frame draws each
// room's part of the level scissored to its rectangle and skips what no rectangle holds.
// Conservative by construction: a rectangle may be larger than what shows, never smaller.
#pragma once

#include "geometry/MuseumPlan.h"
#include "geometry/Vector3.h"

// A rectangle of window pixels, y up from the bottom as glScissor takes it; empty when
// x0 >= x1 or y0 >= y1.
struct ScreenRect {
  float x0 = 0.0f, y0 = 0.0f, x1 = 0.0f, y1 = 0.0f;
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

struct RoomView {
  museum::RoomMask eyeRooms = 0;      // rooms the eye stands in (or in a doorway between)
  museum::RoomMask visibleRooms = 0;  // eyeRooms and the rooms seen through doorways
  ScreenRect roomRects[museum::roomCount];  // where each visible room may show
  ScreenRect skyRect;                       // where a window may show the sky

  bool showsRooms(museum::RoomMask rooms) const { return (rooms & visibleRooms) != 0; }
  // The smallest rectangle holding the rectangles of the visible rooms among rooms.
  ScreenRect rectOf(museum::RoomMask rooms) const;
  // Whether a box in level units standing in rooms may show: false when all of it lies
  // nearer than the near plane, off the window, or outside those rooms' rectangles.
  bool mayShowBox(const museum::Box& box, museum::RoomMask rooms) const;

  // What findVisibleRooms projected with; a view that cannot tell projects nothing.
  float clip[16] = {};
  int width = 0, height = 0;
  bool projects = false;
};

// The rooms the view reaches from eye. clip is the projection times the model-view matrix,
// column by column as GL gives it; width and height are the viewport's.
RoomView findVisibleRooms(const float clip[16], const Vector3& eye, int width, int height);

// Everything visible over the whole window: what the frame draws when it cannot tell.
RoomView wholeViewOf(int width, int height);
