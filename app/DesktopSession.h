// The game as a desktop application: the window's class, and the screensaver and the pointer
// following the screen. While a heist is played (not in a menu, paused or on an end screen)
// the screensaver is held off (by the X extension and over the session bus) and the pointer is kept inside the window; otherwise, and
// whenever the window has lost the keyboard, both are let go.
// Calling order: startDesktopSession once the window exists, followScreenOnDesktop once a
// frame after the frame's rules, endDesktopSession on the way out (however the game ends).
#pragma once

// Names the window "vaultrun", "Vaultrun" and remembers it.
void startDesktopSession();

// Holds or lets go as the screen now asks.
void followScreenOnDesktop();

// The GLUT entry callback saw the pointer leave the window: while it is fenced in (a jump
// that no fence stops, as a tablet or another program's warp makes), it is brought back to
// the window's centre. True when it was.
bool bringPointerBack();

// Lets go of the screensaver and the pointer.
void endDesktopSession();
