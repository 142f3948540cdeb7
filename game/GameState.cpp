// Definitions of the game's global state.
#include "game/GameState.h"

Camera* camera = nullptr;
