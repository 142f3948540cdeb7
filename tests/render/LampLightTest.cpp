// The stealth rules' light at a place is the light the scene gives the floor there: points of
// the floor lit by the game's own room lights (their places, colours and falloff, set as the
// frame sets them) with a plain diffuse material, read back from the frame and compared with
// museum::lampLightAt.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include "geometry/LampLight.h"
#include "geometry/MuseumPlan.h"
#include "render/Lights.h"
#include "render/RenderProbe.h"
#include "support/GlContext.h"

namespace {

TEST(LampLight, IsTheLightTheScenesRoomLightsGiveTheFloor) {
  if (!testsupport::ensureGlContext()) GTEST_SKIP() << "no X display";
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glViewport(0, 0, renderprobe::width, renderprobe::height);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-260.0, 260.0, -250.0, 250.0, 1.0, 200.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  // Straight down on the museum, x to the right.
  gluLookAt(250.0, 50.0, 242.5, 250.0, -6.0, 242.5, 0.0, 0.0, -1.0);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light) {
    if (light <= GL_LIGHT4) glEnable(light); else glDisable(light);
  }
  // Only the lamps' diffuse light reaches the eye: no ambient, no shine.
  const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f}, white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, none);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, none);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
  setRoomLightFalloff();
  setRoomLights();

  struct Sample {
    float x, z;
  };
  std::vector<Sample> samples;
  for (const museum::FloorArea& floor : museum::floorAreas) {
    const museum::Area& a = floor.area;
    for (double x = a.x0 + 5.0; x < a.x1; x += 31.0) {
      for (double z = a.z0 + 5.0; z < a.z1; z += 29.0) {
        samples.push_back({static_cast<float>(x), static_cast<float>(z)});
      }
    }
  }
  for (const auto& lamp : museum::roomLights) {
    samples.push_back({static_cast<float>(lamp[0]), static_cast<float>(lamp[2])});
  }
  glPointSize(1.0f);
  glBegin(GL_POINTS);
  glNormal3f(0.0f, 1.0f, 0.0f);
  for (const Sample& s : samples) glVertex3f(s.x, static_cast<float>(museum::floorY), s.z);
  glEnd();
  glFinish();

  GLdouble model[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  // The lamps' blue is 0.3 of full: one step of the frame's bytes is 0.013 of a lamp's light.
  float brightest = 0.0f, darkest = 10.0f;
  for (const Sample& s : samples) {
    GLdouble wx, wy, wz;
    gluProject(s.x, museum::floorY, s.z, model, projection, viewport, &wx, &wy, &wz);
    const std::vector<std::uint8_t> pixel =
        renderprobe::readBlock(static_cast<int>(wx), static_cast<int>(wy), 1, 1);
    const float light = museum::lampLightAt(s.x, s.z);
    EXPECT_NEAR(pixel[2] / 255.0f / 0.3f, light, 0.03f) << "at (" << s.x << ", " << s.z << ")";
    brightest = std::max(brightest, light);
    darkest = std::min(darkest, light);
  }
  // Under a lamp the floor takes its light square on; the far corners a little of each lamp.
  EXPECT_GT(brightest, 1.0f);
  EXPECT_LT(darkest, 0.35f);

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

}  // namespace
