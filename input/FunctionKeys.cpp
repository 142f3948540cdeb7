// The function keys toggle help, the frames-per-second line, wireframe, the texture filter
// and (F11) full screen; the arrows walk in play and move the menu selection in the menu.
// F1 acts only in play, as F2 to F4 do: the museum is never reached without a new game.
#include "input/FunctionKeys.h"

#include <GL/freeglut.h>

#include "game/HeistRecorder.h"
#include "game/Screen.h"
#include "game/Toggles.h"
#include "input/HeldKeys.h"

namespace {

// F11: full screen and a window, both ways. A screen mode entered at start-up has no window
// to go back to, so it stays as it is; so does a program without a window (the tests).
void toggleFullScreen() {
  if (!glutGet(GLUT_INIT_STATE) || glutGetWindow() == 0 || glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
    return;
  }
  glutFullScreenToggle();
}

void pressSpecialKey(int key) {
  const bool inPlay = !menuActive();
  switch (key) {
    case GLUT_KEY_F1: showHelpFromPlay(); break;
    case GLUT_KEY_F2: if (inPlay) toggleFps(); break;
    case GLUT_KEY_F3: if (inPlay) toggleWireframe(); break;
    case GLUT_KEY_F4: if (inPlay) toggleFiltering(); break;
    case GLUT_KEY_LEFT: strafeDirection = -1; break;
    case GLUT_KEY_RIGHT: strafeDirection = 1; break;
    case GLUT_KEY_UP:
      if (inPlay) forwardDirection = 1; else moveMenuSelection(-1);
      break;
    case GLUT_KEY_DOWN:
      if (inPlay) forwardDirection = -1; else moveMenuSelection(1);
      break;
    default: break;
  }
}

}  // namespace

void specialDown(int key, int, int) {
  recordInput(ReplayRecordKind::SpecialDown, key);
  // F11 acts at any time, on every screen, and leaves the screen as it is.
  if (key == GLUT_KEY_F11) {
    toggleFullScreen();
    return;
  }
  if (gamePaused()) return;
  if (!leaveWaitingScreen()) pressSpecialKey(key);
}

void specialUp(int key, int, int) {
  recordInput(ReplayRecordKind::SpecialUp, key);
  switch (key) {
    case GLUT_KEY_LEFT: case GLUT_KEY_RIGHT: strafeDirection = 0; break;
    case GLUT_KEY_UP: case GLUT_KEY_DOWN: forwardDirection = 0; break;
    default: break;
  }
}
