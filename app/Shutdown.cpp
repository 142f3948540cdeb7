// Shutdown in its fixed order. What the game does not hold yet is simply not there to release.
#include "app/Shutdown.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "platform/Clock.h"

void shutdown() {
  delete camera;
  camera = nullptr;
  releaseSound(menuMusic);
  releaseSound(gameMusic);
  releaseSound(clapsSound);
  releaseSound(gunshotSound);
  releaseSound(footstepSound);
  // Sleep, not spin: the last frame stays on screen while the shutdown sound plays.
  platform::sleepMs(2000);
  releaseSound(shutdownSound);
  if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
    glutLeaveGameMode();
  }
  std::fflush(stdout);
  std::exit(0);
}

void quitGame() {
  shutdown();
}
