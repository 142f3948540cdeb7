// The one-layer frame of the timedemo: what shading every pixel of the window once costs with
// the game's own state, so the route's frames can be read as a multiple of it.
#pragma once

// Clears, draws one quad that fills the view with the level's floor texture under the room
// lights (the game's filtering, depth test and lighting), then the HUD, and swaps. Call after
// the game's start-up, with the projection of its reshape.
void drawLayerFrame();
