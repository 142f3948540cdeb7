// The whole game in the test process: a GL window, the dummy sound driver, the real world
// built from data/ on a virtual clock, and helpers to start a game and drive the callbacks.
#pragma once

#include "geometry/Vector3.h"

namespace testsupport {

// Builds the world once per process (returns false without an X display).
bool ensureWorld();

// Menu state as at program start, then Enter on "Start": a fresh game in play.
void startGame();

// Back to the menu's first page with nothing shown, as at program start.
void resetToMenu();

// Sets the virtual clock to the given seconds.
void setClockSeconds(double seconds);

// Puts the player's eye at p, looking along +x (view point 100 ahead).
void placePlayer(const Vector3& p);

}  // namespace testsupport
