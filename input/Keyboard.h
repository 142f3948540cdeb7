// The character keys: the GLUT keyboard and keyboard-up callbacks, which carry the menu and
// most of the game's actions (taking, emptying the bag, leaving, music, running).
#pragma once

// The bag holds objects whose bag space adds up to at most this.
constexpr float bagCapacity = 100.0f;

void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);

// The waiting screens, which take any key or special key: an ended game goes back to the menu
// (the menu music replacing the game music when music is on), the controls page opened with
// F1 goes back to play. Returns true when the key was used up that way.
bool leaveWaitingScreen();

// Moves the menu selection by delta, held within 0..3; claps only when it really moves.
void moveMenuSelection(int delta);
