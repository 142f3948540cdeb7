// The character keys: the GLUT keyboard and keyboard-up callbacks, which carry the menu and
// most of the game's actions (taking, emptying the bag, leaving, music, running).
#pragma once

// The bag holds objects whose bag space adds up to at most this.
constexpr float bagCapacity = 100.0f;

void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);

// Back to the menu from an ended game (any key or special key): the menu music replaces the
// game music when music is on.
void returnToMenuFromEndedGame();
