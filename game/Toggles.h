// The switches the player flips: music ('m'), the frames-per-second line (F2), wireframe (F3)
// and the texture filter (F4).
#pragma once

// The music of the screen shown stops or plays again.
void toggleMusic();
void toggleFps();
// Polygons outlined or filled, with a status line saying which.
void toggleWireframe();
// Every texture the game has made gets the new filter, and so does every one made later.
void toggleFiltering();
