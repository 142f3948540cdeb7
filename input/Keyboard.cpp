// The character keys. What a key does in play comes from the key table (input/KeyBindings);
// releases of the walking keys count in upper case too, so pressing Shift while walking never
// leaves the player walking on. In the menu w and s move the selection, on the pages of rows
// every key acts on the page.
#include "input/Keyboard.h"

#include <GL/freeglut.h>

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/PlayerActions.h"
#include "game/Screen.h"
#include "game/Toggles.h"
#include "input/HeldKeys.h"
#include "input/KeyBindings.h"
#include "input/MenuKeys.h"

namespace {

// Walking and running: the pace the walking step is multiplied by.
void switchPace() {
  camera->walkPace = camera->walkPace == 2 ? 4 : 2;
}

// Taking, emptying the bag and leaving act in play only: behind the menu the heist stands
// still.
void inPlayOnly(void (*action)()) {
  if (currentScreen == GameScreen::Playing) action();
}

// Pausing in play; a key released while paused may never reach the game, so nobody walks on
// after the pause.
void pressPause() {
  if (!inPlay()) return;
  if (togglePause()) releaseHeldDirections();
}

}  // namespace

void pressBoundKey(int key) {
  const bool character = key < specialKeyBase;
  switch (actionForKey(keyBindings, key)) {
    // Walking forward and back is for play; in the menu those keys moved the selection.
    case KeyAction::WalkForward:
      if (menuActive()) return;
      forwardDirection = 1;
      // The footsteps start with a letter; the arrows walk in silence until a letter does.
      if (character) playCue(Cue::Footsteps);
      break;
    case KeyAction::WalkBack:
      if (!menuActive()) forwardDirection = -1;
      break;
    case KeyAction::StrafeLeft: strafeDirection = -1; break;
    case KeyAction::StrafeRight: strafeDirection = 1; break;
    case KeyAction::SwitchPace: switchPace(); break;
    case KeyAction::Music: toggleMusic(); break;
    case KeyAction::EmptyBag: inPlayOnly(emptyBag); break;
    case KeyAction::Leave: inPlayOnly(leaveMuseum); break;
    case KeyAction::Take: inPlayOnly(takeWithinReach); break;
    case KeyAction::Pause: pressPause(); break;
    case KeyAction::Count: break;
  }
}

void releaseBoundKey(int key) {
  const bool character = key < specialKeyBase;
  switch (actionForKey(keyBindings, key)) {
    case KeyAction::WalkForward: case KeyAction::WalkBack: forwardDirection = 0; break;
    case KeyAction::StrafeLeft: case KeyAction::StrafeRight: strafeDirection = 0; break;
    default: return;
  }
  if (character && cuePlaying(Cue::Footsteps)) stopCue(Cue::Footsteps);
}

void keyboardDown(unsigned char key, int, int) {
  // 'r' on an end screen watches the heist that just ended; the screen stays.
  if (key == 'r' && (gameOver() || heistFinished()) && watchLastHeist()) return;
  recordInput(ReplayRecordKind::KeyDown, key);
  if (pageShown()) {
    pressKeyOnPage(key);
    glutPostRedisplay();
    return;
  }
  if (leaveWaitingScreen()) {
    glutPostRedisplay();
    return;
  }
  switch (key) {
    case 13:
      chooseMenuEntry();
      glutPostRedisplay();
      return;
    case 27:
      escapeToMenu();
      glutPostRedisplay();
      return;
    case 'w':
    case 's':
      if (menuActive()) {
        moveMenuSelection(key == 'w' ? -1 : 1);
        return;
      }
      break;
    default: break;
  }
  // Letters count in lower case only.
  if (key >= 'A' && key <= 'Z') return;
  pressBoundKey(key);
}

void keyboardUp(unsigned char key, int, int) {
  recordInput(ReplayRecordKind::KeyUp, key);
  releaseBoundKey(key);
}
