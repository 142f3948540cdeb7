// The window losing the keyboard: a key released while another window has the focus never
// reaches the game, so losing the focus (or the window being hidden or fully covered) counts
// as releasing every movement key. The player never walks on by himself, and play pauses
// until the player presses 'p' (getting the keyboard back does not resume by itself).
#pragma once

// The keyboard gone: releases the held directions and, in play, pauses.
void keyboardLost();

// The GLUT window-status callback: hidden or fully covered counts as the keyboard lost.
void windowStatus(int state);

// The GLUT entry callback: the pointer leaving the window counts as the keyboard lost when
// the keyboard focus has gone with it (as under focus-follows-mouse window managers); during
// play with the keyboard still here, the pointer is brought back inside.
void windowEntry(int state);

// Registers the two callbacks and starts the keyboard-focus watch of the current window,
// read by a GLUT timer every focusCheckMs. Called once by registerCallbacks, after the window
// exists.
void registerFocusCallbacks();

// Milliseconds between two readings of the focus watch.
constexpr unsigned int focusCheckMs = 100;
