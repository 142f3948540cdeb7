// Definitions of the game's global state, with their values before any game.
#include "game/GameState.h"

bool musicOn = true;
bool trilinearFiltering = true;
Accessibility accessibility;
bool fpsShown = false;
double playerShotAt = -1.0;
std::uint32_t gamesStarted = 0;

Camera* camera = nullptr;
Guard* guard1 = nullptr;
Guard* guard2 = nullptr;

Heist heistBeforeAnyGame() {
  Heist before;
  before.currentRoom = 0;
  before.messageDuration = 0;
  return before;
}

Heist heist = heistBeforeAnyGame();
