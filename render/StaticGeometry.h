// The fixed pieces of the picture that no model file holds: the crosshair, the skyline around
// the museum and the wall switch box, each a display list.
#pragma once

#include <GL/gl.h>

struct RoomView;

// ---- Display lists: generated and compiled once by initWorld, in this order; only the
// crosshair is compiled again, when the window's size has changed ----
extern GLuint overlayList;  // the crosshair, called by the HUD inside the 2D overlay
extern GLuint skylineList;  // the skyline and sky, called last in the frame with lighting off
extern GLuint switchList;   // one wall switch box, called three times a frame by drawFurniture

// Each emits its drawing commands; call between glNewList and glEndList.
// The crosshair in window pixels around the window's centre, scaled with the layout; it
// leaves the point size at 2.0 times the layout scale and the line width at 1.
void buildOverlayList();
// Compiles overlayList again when the window's size differs from the one it was built for.
void refreshOverlayList();
// Needs skylineTextures loaded: the names are bound inside the list.
void buildSkylineList();
// A box x -1..0, y -2..2, z -1..1, open at x = -1 (that side lies against the wall).
// Needs switchTextures loaded.
void buildSwitchList();

// Calls skylineList scissored to where the view's windows may show the sky; nothing when no
// window can. Leaves the scissor test off.
void drawSkylineThrough(const RoomView& view);
