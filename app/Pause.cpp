// The pause, begun and ended in this one place: everything timed in the game reads the one
// game clock, so stopping that clock stops the guards, the alarm, the messages, the respawn
// and corner waits and the animations together.
#include "app/Pause.h"

#include "app/Focus.h"
#include "audio/Sound.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"

bool inPlay() {
  return !menuActive && !gameOver && !heistFinished;
}

void pauseGame() {
  if (gamePaused || !inPlay()) return;
  gamePaused = true;
  platform::pauseClock();
  // A key released while paused may never reach the game: nobody walks on after the pause.
  releaseHeldDirections();
  dimMusic(true);
  platform::showPointer();
}

void resumeGame() {
  if (!gamePaused) return;
  gamePaused = false;
  platform::resumeClock();
  dimMusic(false);
  platform::hidePointer();
  // Mouse look measures from the centre: the pointer left wherever the player put it would
  // turn the view on the first motion.
  if (camera != nullptr) {
    platform::warpPointer(camera->screenWidth / 2, camera->screenHeight / 2);
  }
}

void togglePause() {
  if (gamePaused) {
    resumeGame();
  } else {
    pauseGame();
  }
}
