// The window's size and full screen over freeglut.
#include "platform/Window.h"

#include <GL/freeglut.h>

namespace platform {

namespace {

bool haveWindow() {
  return glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0;
}

bool gameModeActive() {
  return glutGet(GLUT_INIT_STATE) && glutGameModeGet(GLUT_GAME_MODE_ACTIVE);
}

}  // namespace

bool windowOpen() {
  return haveWindow();
}

bool fullScreenShown() {
  if (gameModeActive()) return true;
  return haveWindow() && glutGet(GLUT_FULL_SCREEN) != 0;
}

void toggleFullScreen() {
  if (!haveWindow() || gameModeActive()) return;
  glutFullScreenToggle();
}

void resizeWindow(int width, int height) {
  if (!haveWindow() || gameModeActive()) return;
  if (glutGet(GLUT_FULL_SCREEN) != 0) return;
  glutReshapeWindow(width, height);
}

int screenPixelsWide() {
  return glutGet(GLUT_INIT_STATE) ? glutGet(GLUT_SCREEN_WIDTH) : 0;
}

int screenPixelsHigh() {
  return glutGet(GLUT_INIT_STATE) ? glutGet(GLUT_SCREEN_HEIGHT) : 0;
}

}  // namespace platform
