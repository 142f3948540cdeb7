// One freeglut window per test process.
#include "support/GlContext.h"

#include <X11/Xlib.h>

#include <GL/freeglut.h>

namespace testsupport {

bool ensureGlContext(int width, int height) {
  static int state = 0;  // 0 not tried, 1 ready, -1 no display
  if (state != 0) {
    return state == 1;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    state = -1;
    return false;
  }
  // The probe stays open until freeglut has its own connection: an X server left without
  // clients may reset and refuse the next connection for a moment.
  int argc = 1;
  char name[] = "vaultrun_tests";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  XCloseDisplay(display);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
  glutInitWindowSize(width, height);
  glutCreateWindow("vaultrun tests");
  state = 1;
  return true;
}

}  // namespace testsupport
