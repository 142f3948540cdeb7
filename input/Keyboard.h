// The character keys: the GLUT keyboard and keyboard-up callbacks. They turn keys into the
// menu's choices (game/Screen.h), the player's actions (game/PlayerActions.h), the switches
// (game/Toggles.h) and the held walking directions (input/HeldKeys.h).
#pragma once

void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);
