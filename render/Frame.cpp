// The display callback.
// TEMPORARY until the museum is drawn: a plain ground grid at the guards' floor height, so
// that walking and turning can be seen.
#include "render/Frame.h"

#include <GL/freeglut.h>

#include "game/GameState.h"
#include "platform/Swap.h"

namespace {

void drawGroundGrid() {
  glColor3f(0.2f, 0.7f, 0.3f);
  glBegin(GL_LINES);
  for (int i = -100; i <= 600; i += 20) {
    glVertex3f(static_cast<float>(i), -6.0f, -100.0f);
    glVertex3f(static_cast<float>(i), -6.0f, 600.0f);
    glVertex3f(-100.0f, -6.0f, static_cast<float>(i));
    glVertex3f(600.0f, -6.0f, static_cast<float>(i));
  }
  glEnd();
}

}  // namespace

void display() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  if (camera != nullptr) {
    camera->applyView();
  }
  drawGroundGrid();
  platform::swapBuffers();
}
