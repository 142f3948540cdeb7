// Buffer swap over freeglut, with a hook for readers of the finished frame.
#include "platform/Swap.h"

#include <GL/freeglut.h>

namespace platform {

namespace {
BeforeSwapHook beforeSwapHook = nullptr;
}

void swapBuffers() {
  if (beforeSwapHook != nullptr) {
    beforeSwapHook();
  }
  glutSwapBuffers();
}

void setBeforeSwapHook(BeforeSwapHook hook) {
  beforeSwapHook = hook;
}

}  // namespace platform
