// The 2D pixel projection in which the menu, the HUD and every text line are drawn.
// Calling order: beginOverlay, draw in pixels, endOverlay; the two must pair up.
#pragma once

#include <cstdint>

// Pushes the projection and the model-view matrices and sets a pixel projection: x from left
// to right, y from top to bottom (with top 0 and bottom the screen height, y grows downwards).
// Leaves the model-view matrix selected and set to the identity.
void beginOverlay(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

// Pops both matrices again and leaves the model-view matrix selected.
void endOverlay();
