// Shutdown in its fixed order: textures, level, camera, most sounds, the two-second wait for
// the shutdown sound, the guards, then out of the game mode and the process. A termination
// signal takes the same road without the wait. A heist recorded until then is written first.
#include "app/Shutdown.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "app/DesktopSession.h"
#include "assets/LevelMesh.h"
#include "assets/Textures.h"
#include "audio/GameSounds.h"
#include "audio/Siren.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Guard.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/Signals.h"
#include "render/Scene.h"

namespace {

[[noreturn]] void releaseAndLeave(bool waitForShutdownSound) {
  // From here a termination signal ends the process at once.
  platform::markShuttingDown();
  // A heist still in play is kept as it stood (last.vrr, "quit"): one small file written and
  // synced, and a second signal during it still ends the process at once.
  if (heistRecording()) endHeistRecording("quit");
  endDesktopSession();
  deleteTextures(6, menuTextures);
  deleteTextures(3, hudIcons);
  deleteTextures(2, skylineTextures);
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
  if (waitForShutdownSound) platform::sleepMs(2000);
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

}  // namespace

void shutdown() {
  releaseAndLeave(true);
}

void shutdownOnSignal() {
  // The desktop gets its pointer back even if the toolkit's exit leaves the window a moment.
  platform::showPointer();
  releaseAndLeave(false);
}

void quitGame() {
  shutdownSound->play();
  shutdown();
}
