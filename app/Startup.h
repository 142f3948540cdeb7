// Start-up: the loading line, the settings file, the display (game mode or its full-screen
// fallback window), the callbacks and the main loop. Also the reshape callback.
#pragma once

#include <cstdint>

#include "app/CommandLine.h"
#include "app/Settings.h"

// Written by start-up before the display opens; the reshape updates the screen size.
extern std::int16_t screenWidth;   // from the settings line, then the window's size at every
extern std::int16_t screenHeight;  // reshape (platform/Screen.h owns the layout: ask it)
extern CommandLine commandLine;    // parsed by startGame before anything else; the replay
                                   // driver and the timedemo leave it at its defaults

// The whole start-up of the game, ending in the GLUT main loop. Returns the exit status
// (only when start-up fails or the main loop returns after the window was closed): 0 after
// --help or --version, 2 for a command line it cannot read, 1 when --data names a folder
// without data/.
int startGame(int argc, char** argv);

// Start-up up to, not including, the callbacks and the main loop: the loading line, the
// settings file and the display. The replay driver calls it too. Returns 0 or an exit status.
int startupBeforeMainLoop(int argc, char** argv);

// Registers the GLUT callbacks in their fixed order.
void registerCallbacks();

// The GLUT reshape callback: viewport and a perspective of the player's vertical field of view
// (45 degrees unless the settings file says otherwise), near 1, far 2000.
void reshape(int width, int height);
