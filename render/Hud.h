// The head-up display: crosshair, health and bag bars with their icons, the guards' bars
// during an alarm, the score line, the status message, the end-of-game lines and the
// optional frames-per-second line.
#pragma once

#include <string>

// The last frames-per-second line ("FPS: 36.00"), kept between updates (at most one a
// second); empty until the first update. Lives for the whole run.
extern std::string fpsText;

// Draws the HUD in the 2D overlay. Called at the start of every game frame, with the depth
// test on and before the scene: the scene then covers the HUD only where it comes within
// about 2 units of the eye. Keeps the current colour.
void drawHud();
