// The wait that brings a gone guard back: more than 8 whole seconds after the frame renderer
// first finds it gone, the guard stands fresh at the first corner of its patrol again.
#pragma once

#include <cstdint>

#include "geometry/Vector3.h"

class Guard;

// Called once a frame for each guard while the game is not over (the caller checks that).
// Does nothing unless the guard is gone. downTime is the whole second (game clock, truncated)
// at which the wait began, -1 while none runs; it starts here, and returns to -1 when the guard
// is spawned at path[0] with yaw -90, given path again and its start heading back, so that it
// walks from corner 0 to corner 1 as on its first patrol.
void runRespawnWait(Guard& guard, std::int32_t& downTime, const Vector3* path,
                    const Vector3& startHeading);
