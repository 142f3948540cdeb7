// The function keys toggle help, the frames-per-second line, wireframe, the texture filter
// and (F11) full screen; the arrows do what the key table binds them to in play and move the
// menu selection in the menu.
// F1 acts only in play, as F2 to F4 do: the museum is never reached without a new game.
#include "input/FunctionKeys.h"

#include <GL/freeglut.h>

#include "game/HeistRecorder.h"
#include "game/Screen.h"
#include "game/Toggles.h"
#include "input/HeldKeys.h"
#include "input/KeyBindings.h"
#include "input/Keyboard.h"
#include "input/MenuKeys.h"
#include "platform/Window.h"

namespace {

void pressSpecialKey(int key) {
  const bool inPlay = !menuActive();
  switch (key) {
    case GLUT_KEY_F1: showHelpFromPlay(); return;
    case GLUT_KEY_F2: if (inPlay) toggleFps(); return;
    case GLUT_KEY_F3: if (inPlay) toggleWireframe(); return;
    case GLUT_KEY_F4: if (inPlay) toggleFiltering(); return;
    // Up and down move the menu's selection, whatever they are bound to in play.
    case GLUT_KEY_UP: case GLUT_KEY_DOWN:
      if (!inPlay) {
        moveMenuSelection(key == GLUT_KEY_UP ? -1 : 1);
        return;
      }
      break;
    default: break;
  }
  pressBoundKey(specialKeyBase + key);
}

}  // namespace

void specialDown(int key, int, int) {
  recordInput(ReplayRecordKind::SpecialDown, key);
  // F11 acts at any time, on every screen, and leaves the screen as it is.
  if (key == GLUT_KEY_F11) {
    platform::toggleFullScreen();
    return;
  }
  if (pageShown()) {
    // The function keys (their codes come before the arrows') are not the pages' keys.
    if (key < GLUT_KEY_F1 || key >= GLUT_KEY_LEFT) pressKeyOnPage(specialKeyBase + key);
    glutPostRedisplay();
    return;
  }
  if (!leaveWaitingScreen()) pressSpecialKey(key);
}

void specialUp(int key, int, int) {
  recordInput(ReplayRecordKind::SpecialUp, key);
  releaseBoundKey(specialKeyBase + key);
}
