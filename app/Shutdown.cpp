// Shutdown in its fixed order: textures, level, camera, most sounds, the two-second wait for
// the shutdown sound, the guards, then out of the game mode and the process.
#include "app/Shutdown.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "assets/LevelMesh.h"
#include "assets/Textures.h"
#include "audio/GameSounds.h"
#include "audio/Siren.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/World.h"
#include "platform/Clock.h"

void shutdown() {
  deleteTextures(6, menuTextures);
  deleteTextures(3, hudIcons);
  deleteTextures(3, skylineTextures);
  deleteTextures(2, switchTextures);
  delete levelMesh;
  levelMesh = nullptr;
  delete camera;
  camera = nullptr;
  releaseSound(menuMusic);
  releaseSound(gameMusic);
  releaseSound(clapsSound);
  releaseSound(gunshotSound);
  releaseSound(footstepSound);
  silenceSiren();
  releaseSound(sirenSound);
  // Sleep, not spin: the last frame stays on screen while the shutdown sound plays.
  platform::sleepMs(2000);
  releaseSound(shutdownSound);
  delete guard1;
  guard1 = nullptr;
  delete guard2;
  guard2 = nullptr;
  if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
    glutLeaveGameMode();
  }
  std::fflush(stdout);
  std::exit(0);
}

void quitGame() {
  shutdownSound->play();
  shutdown();
}
