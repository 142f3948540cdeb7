// The first half of every frame: frame timing, walking by the held directions, redisplay.
#pragma once

#include <cstdint>

// Frame values, recomputed by idle() every frame; never reset by a new game.
extern float frameInterval;   // seconds between the previous frame and this one
extern float moveStep;        // distance walked this frame; pushes may negate it in place
// Held directions, written by the key handlers on press and release.
extern std::int32_t forwardDirection;  // +1 forward, -1 backward, 0 none
extern std::int32_t strafeDirection;   // +1 right, -1 left, 0 none

// Moves the camera by the held directions with step s (exactly one row of the table applies).
// Returns true when it moved.
bool walkByHeldDirections(float s);

// The GLUT idle callback.
void idle();
