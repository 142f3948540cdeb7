// The walking directions the held keys give, written by the key handlers on press and
// release and read by the frame's walking.
#pragma once

#include <cstdint>

// ---- Live for the whole run; cleared whenever the keyboard may have been lost ----
extern std::int32_t forwardDirection;  // +1 forward, -1 backward, 0 none
extern std::int32_t strafeDirection;   // +1 right, -1 left, 0 none

// Clears the held walking directions and stops the footsteps, as the key releases would: a
// key released while another window has the keyboard never reaches the game.
void releaseHeldDirections();
