// The window losing the keyboard: a key released while another window has the focus never
// reaches the game, so losing the focus (or the window being hidden or fully covered) counts
// as releasing every movement key. The player never walks on by himself.
#pragma once

// Clears the held walking directions and stops the footsteps, as the key releases would.
void releaseHeldDirections();

// The GLUT window-status callback: hidden or fully covered releases the held directions.
void windowStatus(int state);

// The GLUT entry callback: the pointer leaving the window releases the held directions when
// the keyboard focus has gone with it (as under focus-follows-mouse window managers).
void windowEntry(int state);

// Registers the two callbacks and starts the keyboard-focus watch of the current window,
// read by a GLUT timer every focusCheckMs. Called once by registerCallbacks, after the window
// exists.
void registerFocusCallbacks();

// Milliseconds between two readings of the focus watch.
constexpr unsigned int focusCheckMs = 100;
