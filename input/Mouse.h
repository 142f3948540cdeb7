// The mouse: the left button fires the player's pistol, motion turns the view.
#pragma once

// ---- The player's mouse options: set once at start-up from the settings file ----
extern float mouseSensitivity;  // factor on the look rate, 0.1..10
extern bool mouseInverted;      // looking up and down swapped

void mouseButton(int button, int state, int x, int y);
void mouseMotion(int x, int y);
void mousePassiveMotion(int x, int y);
