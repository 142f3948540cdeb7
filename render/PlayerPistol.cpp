// The player's pistol: the model, its place in the view, the recoil and the muzzle flash.
#include "render/PlayerPistol.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "assets/MeshDraw.h"
#include "assets/MeshModel.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/RegularFile.h"

namespace {

const char* const pistolFile = "data/models/objects/pistol.txt";

// The model, loaded on the first draw; lives for the whole run.
MeshModel* pistol = nullptr;
bool pistolTried = false;


// Where the hand holds it in eye space (units of the model), for a 40-degree view.
constexpr float fieldOfView = 40.0f;
constexpr float holdAcross = 0.5f;  // share of the half-width right of the centre
constexpr float holdY = -2.6f, holdZ = -10.0f;
constexpr float holdYaw = 6.0f;     // degrees, the muzzle turned in towards the crosshair
constexpr float recoilTime = 0.12f; // seconds for the kick to die down to a third
constexpr float recoilBack = 0.9f;  // units back at the shot
constexpr float recoilLift = 8.0f;  // degrees up at the shot
constexpr float flashTime = 0.06f;  // seconds the muzzle flash shows

bool loadPistol() {
  if (!pistolTried) {
    pistolTried = true;
    std::string problem;
    const int fd = platform::openRegularFile(pistolFile, problem);
    if (fd >= 0) {
      close(fd);
      pistol = loadMeshModel(pistolFile, true);
    }
  }
  return pistol != nullptr;
}

void drawModel() {
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, modelShininess);
  glEnable(GL_TEXTURE_2D);
  for (const MeshObject& object : pistol->objects) {
    if (const MeshMaterial* material = pistol->materialOf(object)) applyMeshMaterial(*material);
    drawMeshObject(object);
  }
  glDisable(GL_TEXTURE_2D);
}

// A star of yellow-white light at the muzzle, added to what is behind it.
void drawMuzzleFlash(float strength) {
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glDepthMask(GL_FALSE);
  const float cx = 0.0f, cy = 0.45f, cz = -3.5f;
  constexpr int rays = 10;
  glBegin(GL_TRIANGLE_FAN);
  glColor4f(1.0f, 0.95f, 0.7f, strength);
  glVertex3f(cx, cy, cz);
  for (int i = 0; i <= rays * 2; ++i) {
    const float a = static_cast<float>(i) * 3.14159265f / rays;
    const float r = (i % 2 == 0) ? 1.4f : 0.5f;
    glColor4f(1.0f, 0.55f, 0.1f, 0.0f);
    glVertex3f(cx + r * std::cos(a), cy + r * std::sin(a), cz - 0.2f);
  }
  glEnd();
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
}

// Seconds since the last shot; negative before any.
double secondsSincePlayerShot() {
  return playerShotAt < 0.0 ? -1.0 : platform::clockSeconds() - playerShotAt;
}

}  // namespace

void drawPlayerPistol() {
  if (!loadPistol()) return;
  const double since = secondsSincePlayerShot();
  const float kick = since < 0.0 ? 0.0f : static_cast<float>(std::exp(-since / recoilTime));
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const double aspect = viewport[3] > 0 ? static_cast<double>(viewport[2]) / viewport[3] : 1.0;

  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT |
               GL_POLYGON_BIT | GL_TEXTURE_BIT | GL_LIGHTING_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(fieldOfView, aspect, 0.5, 30.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  // Its own slice of depth in front of the scene, with no clear of the depth buffer (a
  // whole-window clear costs more than the pistol): the scene reaches depths under 0.05 only
  // within about a unit of the eye, where the player's sphere never lets a wall come.
  glDepthRange(0.0, 0.05);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  // The same share of the half-width at any window shape.
  const double halfWidth = std::tan(fieldOfView * 0.5 * 3.14159265 / 180.0) * -holdZ * aspect;
  const float x = static_cast<float>(holdAcross * halfWidth);
  glTranslatef(x, holdY, holdZ + recoilBack * kick);
  glRotatef(holdYaw, 0.0f, 1.0f, 0.0f);
  glRotatef(recoilLift * kick, 1.0f, 0.0f, 0.0f);
  drawModel();
  if (since >= 0.0 && since < flashTime) {
    drawMuzzleFlash(1.0f - 0.6f * static_cast<float>(since / flashTime));
  }
  glDepthRange(0.0, 1.0);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}
