// Pointer warp and hiding over freeglut.
#include "platform/Pointer.h"

#include <GL/freeglut.h>

namespace platform {

namespace {
WarpHook warpHook = nullptr;
}

void warpPointer(int x, int y) {
  if (warpHook != nullptr) {
    warpHook(x, y);
    return;
  }
  glutWarpPointer(x, y);
}

// A program without a window (a test) has no pointer to show.
void hidePointer() {
  if (glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0) glutSetCursor(GLUT_CURSOR_NONE);
}

void showPointer() {
  if (glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0) glutSetCursor(GLUT_CURSOR_INHERIT);
}

void setWarpHook(WarpHook hook) {
  warpHook = hook;
}

}  // namespace platform
