// A guard's drawing: the figure's pose, then the weapon's under the same transform.
#include "render/GuardDraw.h"

#include <GL/gl.h>

#include "game/Guard.h"

namespace {

// The yaw and scale that follow the translation of every guard drawing.
void rotateAndScale(float angle) {
  if (angle != 0.0f) {
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
  }
  glScalef(guardDrawScale, guardDrawScale, guardDrawScale);
}

}  // namespace

void drawGuard(const Guard& guard) {
  if (!guard.posed) return;
  glPushAttrib(GL_CURRENT_BIT);
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glBindTexture(GL_TEXTURE_2D, guard.texture);
  glTranslatef(guard.position.x, guard.position.y + guard.lift, guard.position.z);
  rotateAndScale(guard.angle);
  if (guard.figure != nullptr) guard.figure->drawPose(guard.figurePose);
  // The weapon with its own skin; the guard's skin afterwards.
  if (guard.weapon != nullptr) {
    glBindTexture(GL_TEXTURE_2D, guard.weaponTexture);
    guard.weapon->drawPose(guard.weaponPose);
    glBindTexture(GL_TEXTURE_2D, guard.texture);
  }
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glPopAttrib();
}
