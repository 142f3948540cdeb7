// The head-up display: crosshair, health and bag bars with their icons, the guards' bars
// during an alarm (and a suspicious guard's under the stealth rules), the stealth rules'
// visibility meter, the score line, the status message, the end-of-game lines and the
// optional frames-per-second line.
#pragma once

#include <string>

#include "platform/Screen.h"

// The last frames-per-second line ("FPS: 60.0"), kept between updates (at most one a
// second); empty until the first update. Lives for the whole run.
extern std::string fpsText;
// HUD frames drawn with the line shown since its last update.
extern int fpsFrames;
extern float fpsTime;      // seconds, when the line was last drawn
extern float fpsLastTime;  // seconds, when its rate was last worked out

// A layout point (1024x768, y downwards) of the HUD's group at `anchor`'s corner, in window
// pixels: the group is scaled with the window and grows or shrinks about its corner with the
// player's text size, as the bars at the corners do.
platform::WindowPoint hudPoint(platform::Anchor anchor, float x, float y);
// Window pixels per layout pixel in those groups: the layout's scale times the text size.
float hudScale();

// Draws the HUD in the 2D overlay, with the depth test on, after the scene: it lies nearer
// than anything the scene can draw, so no wall or object covers it. Keeps the current colour
// and the depth range.
void drawHud();
