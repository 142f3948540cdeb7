// The 2D pixel overlay.
#include "render/Overlay.h"

#include <GL/glu.h>

void beginOverlay(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(left, right, bottom, top);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void endOverlay() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}
