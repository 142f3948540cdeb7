// The player's pistol at the bottom right of the view: it kicks back and flashes at the muzzle
// when he fires. Drawn last in the museum frame, in a projection of its own, so it keeps its
// place and size for any window shape and never pokes into a wall.
#pragma once

// Draws the pistol; loads data/models/objects/pistol.txt on the first call (without the file
// no pistol is shown). Leaves the projection, the model-view matrix and the enables as found.
void drawPlayerPistol();
