// Starting a game: a fresh camera and fresh guards, every taken object back in its place.
#pragma once

// Leaves the screen and the music to the caller (game/Screen.cpp).
void newGame();

// Frees a guard that a new game replaces, without emptying the animations it shares with
// its successor (only shutdown releases those).
void retireGuard(class Guard*& guard);
