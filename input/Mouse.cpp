// Mouse look.
#include "input/Mouse.h"

#include "game/GameState.h"

void mouseMotion(int x, int y) {
  if (camera != nullptr) {
    camera->lookWithMouse(x, y);
  }
}

void mousePassiveMotion(int x, int y) {
  mouseMotion(x, y);
}
