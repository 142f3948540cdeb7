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

void hidePointer() {
  glutSetCursor(GLUT_CURSOR_NONE);
}

void showPointer() {
  glutSetCursor(GLUT_CURSOR_INHERIT);
}

void setWarpHook(WarpHook hook) {
  warpHook = hook;
}

}  // namespace platform
