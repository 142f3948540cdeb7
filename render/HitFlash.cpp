// The red flash over the window when the player is hit.
#include "render/HitFlash.h"

#include <GL/gl.h>

#include "game/GameState.h"
#include "platform/Clock.h"

namespace {

constexpr float flashSeconds = 0.2f;
constexpr float flashStrength = 0.45f;  // alpha of the red at the hit

// Seen by the previous frame: the player's health, and the clock at the last hit.
float lastHealth = -1.0f;
double hitAt = -1.0;

float strengthNow() {
  if (hitAt < 0.0) return 0.0f;
  const double since = platform::clockSeconds() - hitAt;
  if (since < 0.0 || since >= flashSeconds) return 0.0f;
  return flashStrength * static_cast<float>(1.0 - since / flashSeconds) *
         static_cast<float>(accessibility.hitFlashPercent) / 100.0f;
}

void noticeHit() {
  const float health = camera->health;
  if (lastHealth >= 0.0f && health < lastHealth) hitAt = platform::clockSeconds();
  lastHealth = health;  // a new game's full health simply becomes the new mark
}

// The window as a unit square, whatever its size.
void fillWindow(float alpha) {
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glColor4f(0.85f, 0.0f, 0.0f, alpha);
  glBegin(GL_QUADS);
  glVertex2f(-1.0f, -1.0f);
  glVertex2f(1.0f, -1.0f);
  glVertex2f(1.0f, 1.0f);
  glVertex2f(-1.0f, 1.0f);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}

}  // namespace

void drawHitFlash() {
  if (camera == nullptr) return;
  noticeHit();
  const float alpha = strengthNow();
  if (alpha > 0.0f) fillWindow(alpha);
}
