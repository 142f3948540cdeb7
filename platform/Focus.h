// Whether the game window still has the keyboard. freeglut reports a window hidden or
// covered, but not the keyboard focus going to another window; this watch asks the X server
// for the window's focus and map events on a connection of its own.
#pragma once

namespace platform {

// Starts watching the X window `window` (an X Window id) for losing the keyboard focus,
// being unmapped (iconified, hidden) or destroyed. Replaces any earlier watch. Returns false
// (and watches nothing) when no X display can be opened or there is no such window.
bool watchKeyboardFocus(unsigned long window);

// Reads the watch's pending events without waiting. True when, since the previous call, the
// window was unmapped or destroyed, or the focus moved and the window does not have it now
// (focus events that leave the keyboard with the window are no loss).
bool keyboardFocusLost();

// Asks the X server now whether the watched window (or a window inside it) holds the keyboard
// focus. True too when nothing is watched, so a caller never acts on a question it could not ask.
bool windowHasKeyboardFocus();

// Ends the watch and closes its connection.
void stopWatchingKeyboardFocus();

}  // namespace platform
