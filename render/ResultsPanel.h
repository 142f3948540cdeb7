// The results panel under the verdict or the game-over line.
#pragma once

// Draws the lines of the last game's results (game/Results.h) on a dark panel below the
// verdict and the back-to-menu line. Called by the frame last, while a game's end is shown;
// draws nothing before a game has ended.
void drawResultsPanel();
