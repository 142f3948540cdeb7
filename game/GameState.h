// The game's global state: which screen is shown, the player's camera, the alarm.
// Set at program start; a new game replaces the camera.
#pragma once

#include "geometry/Camera.h"

// The player's camera, replaced by every new game.
extern Camera* camera;
