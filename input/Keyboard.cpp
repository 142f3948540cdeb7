// The character keys. Letters count in lower case only; releases of w, s, a and d count in
// upper case too, so pressing Shift while walking never leaves the player walking on.
#include "input/Keyboard.h"

#include <GL/freeglut.h>

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/PlayerActions.h"
#include "game/Screen.h"
#include "game/Toggles.h"
#include "input/HeldKeys.h"

namespace {

// Walking and running: 'e' switches the pace the walking step is multiplied by.
void switchPace() {
  camera->walkPace = camera->walkPace == 2 ? 4 : 2;
}

// 't', 'g' and 'q' act in play only: behind the menu the heist stands still.
void inPlayOnly(void (*action)()) {
  if (currentScreen == GameScreen::Playing) action();
}

// 'p' pauses in play and resumes while paused; a key released while paused may never reach
// the game, so nobody walks on after the pause.
void pressPause() {
  if (!inPlay()) return;
  if (togglePause()) releaseHeldDirections();
}

// ---- The key table ----
void pressKey(unsigned char key) {
  switch (key) {
    case 13:
      chooseMenuEntry();
      glutPostRedisplay();
      break;
    case 27:
      escapeToMenu();
      glutPostRedisplay();
      break;
    case 'w':
      if (menuActive()) {
        moveMenuSelection(-1);
      } else {
        forwardDirection = 1;
        playCue(Cue::Footsteps);
      }
      break;
    case 's':
      if (menuActive()) {
        moveMenuSelection(1);
      } else {
        forwardDirection = -1;
      }
      break;
    case 'a': strafeDirection = -1; break;
    case 'd': strafeDirection = 1; break;
    case 'e': switchPace(); break;
    case 'm': toggleMusic(); break;
    case 'g': inPlayOnly(emptyBag); break;
    case 'q': inPlayOnly(leaveMuseum); break;
    case 't': inPlayOnly(takeWithinReach); break;
    case 'p': pressPause(); break;
    default: break;
  }
}

}  // namespace

void keyboardDown(unsigned char key, int, int) {
  // 'r' on an end screen watches the heist that just ended; the screen stays.
  if (key == 'r' && (gameOver() || heistFinished()) && watchLastHeist()) return;
  recordInput(ReplayRecordKind::KeyDown, key);
  // While paused only 'p' (go on) and Esc (to the menu) count.
  if (gamePaused()) {
    if (key == 'p' || key == 27) pressKey(key);
    return;
  }
  if (leaveWaitingScreen()) {
    glutPostRedisplay();
    return;
  }
  pressKey(key);
}

void keyboardUp(unsigned char key, int, int) {
  recordInput(ReplayRecordKind::KeyUp, key);
  switch (key) {
    case 'w': case 's': case 'W': case 'S':
      forwardDirection = 0;
      if (cuePlaying(Cue::Footsteps)) stopCue(Cue::Footsteps);
      break;
    case 'a': case 'd': case 'A': case 'D':
      strafeDirection = 0;
      if (cuePlaying(Cue::Footsteps)) stopCue(Cue::Footsteps);
      break;
    default: break;
  }
}
