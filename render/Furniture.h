// The furniture (chairs, sofas, tables) and the three wall switches, which hang upside down
// while the alarm runs.
#pragma once

struct RoomView;

// Draws every piece of furniture the view may show (without a line-of-sight test), then the
// switches (switchList) at their places on the walls. Call with the view transform loaded and
// lighting set up.
void drawFurniture(const RoomView& view);
