// Losing the keyboard: the callbacks and the timer that read the focus watch.
#include "app/Focus.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include "app/DesktopSession.h"
#include "game/HeistRecorder.h"
#include "game/Screen.h"
#include "input/HeldKeys.h"
#include "platform/Focus.h"

namespace {

void readFocusWatch(int) {
  if (platform::keyboardFocusLost()) {
    keyboardLost();
  }
  glutTimerFunc(focusCheckMs, readFocusWatch, 0);
}

}  // namespace

void keyboardLost() {
  recordInput(ReplayRecordKind::FocusLost);
  releaseHeldDirections();
  pauseGame();
}

void windowStatus(int state) {
  if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED) {
    keyboardLost();
  }
}

void windowEntry(int state) {
  if (state != GLUT_LEFT) return;
  if (!platform::windowHasKeyboardFocus()) {
    keyboardLost();
  } else {
    bringPointerBack();
  }
}

void registerFocusCallbacks() {
  glutWindowStatusFunc(windowStatus);
  glutEntryFunc(windowEntry);
  // freeglut draws into the window itself, so the current drawable is the window's X id.
  platform::watchKeyboardFocus(glXGetCurrentDrawable());
  glutTimerFunc(focusCheckMs, readFocusWatch, 0);
}
