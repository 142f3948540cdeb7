// The idle update: frame interval, walking step, walking, redisplay.
#include "app/Idle.h"

#include <GL/freeglut.h>

#include "app/Shutdown.h"
#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "platform/Clock.h"
#include "platform/Signals.h"

float frameInterval = 0.0f;
float moveStep = 0.0f;
std::int32_t forwardDirection = 0;
std::int32_t strafeDirection = 0;

bool walkByHeldDirections(float s) {
  if (forwardDirection == 0 && strafeDirection == 0) {
    return false;
  }
  if (strafeDirection == 0) {
    camera->moveForward(forwardDirection > 0 ? s : -s);
  } else if (forwardDirection == 0) {
    camera->strafe(strafeDirection > 0 ? s : -s);
  } else {
    camera->moveForward(forwardDirection > 0 ? s / 2 : -s / 2);
    camera->strafe(strafeDirection > 0 ? s / 2 : -s / 2);
  }
  return true;
}

namespace {

// A guard that can still act and sees the player raises the alarm and turns on him. This
// repeats every frame he is seen, so the alarm counts from the last sighting.
void noticePlayer(Guard* guard) {
  if (guard->down || !guard->canSee(camera->position)) return;
  alarmActive = true;
  alarmStartTime = platform::clockSeconds();
  guard->setAlerted(true);
}

}  // namespace

void idle() {
  // A termination signal is acted on here, on the GLUT thread, never inside its handler.
  if (platform::terminationRequested()) {
    shutdownOnSignal();
  }
  if (camera == nullptr) {
    return;
  }
  // Step 1: the frame interval.
  frameInterval = camera->updateFrameTime();
  // Step 2: this frame's walking step; the two floats first, then the pace.
  moveStep = frameInterval * camera->walkSpeed * static_cast<float>(camera->walkPace);
  // Paused: the clock stands, so the interval is 0; nobody sees, walks or is redrawn moving.
  if (gamePaused) {
    glutPostRedisplay();
    return;
  }
  // Step 3: no guard notices anything while the menu is shown.
  if (!menuActive) {
    noticePlayer(guard1);
    noticePlayer(guard2);
  }
  // Step 4: walk (it runs behind the menu too); the footsteps play back to back, never
  // restarted while one still sounds.
  if (walkByHeldDirections(moveStep) && footstepSound != nullptr &&
      !footstepSound->isPlaying()) {
    footstepSound->play();
  }
  // Step 5.
  glutPostRedisplay();
}
