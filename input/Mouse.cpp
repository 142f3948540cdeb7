// The player's shot and mouse look.
#include "input/Mouse.h"

#include <GL/freeglut.h>

#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/PlayerActions.h"
#include "game/Screen.h"

float mouseSensitivity = 1.0f;
bool mouseInverted = false;

namespace {

void look(int x, int y) {
  // Paused, the pointer is the player's to move out of the window.
  if (menuActive() || gameOver() || heistFinished() || gamePaused()) return;
  camera->lookWithMouse(x, y, mouseSensitivity, mouseInverted);
}

}  // namespace

void mouseButton(int button, int state, int x, int y) {
  recordInput(ReplayRecordKind::Button, button, state, x, y);
  if (heistFinished() || gameOver() || gamePaused()) return;
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return;
  firePlayerShot();
}

void mouseMotion(int x, int y) {
  recordInput(ReplayRecordKind::Drag, 0, 0, x, y);
  look(x, y);
}

void mousePassiveMotion(int x, int y) {
  recordInput(ReplayRecordKind::Motion, 0, 0, x, y);
  look(x, y);
}
