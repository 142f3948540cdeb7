// The paused game's picture: the frozen scene darkened, one line in the middle.
#pragma once

// Darkens the overlay pixels from (left, top) to (right, bottom) by blending black of the
// given opacity (0..1) over them; no depth test, so it covers the scene and the HUD alike.
void shadeRectangle(int left, int top, int right, int bottom, float opacity);

// Darkens what the frame has drawn so far and writes "PAUSED - press p to go on" over its
// middle. Called by the frame last, after the scene, while the game is paused.
void drawPauseScreen();
