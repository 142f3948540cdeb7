// Starting a game: a fresh camera and fresh guards, every taken object back in its place.
#pragma once

// Leaves the screen and the music to the caller (game/Screen.cpp).
void newGame();

// Frees a guard that a new game replaces; the animations and their clocks stay with the world.
void retireGuard(class Guard*& guard);
