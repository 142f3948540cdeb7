// The overlays against the window: a wall at the eye, drawn before or after the HUD, leaves
// the HUD whole; the reshape projects the player's field of view.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/GameOptions.h"
#include "app/Startup.h"
#include "game/GameState.h"
#include "game/World.h"
#include "render/Hud.h"
#include "render/RenderProbe.h"
#include "render/Scene.h"
#include "support/GlContext.h"

using namespace renderprobe;

namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext(width, height)) GTEST_SKIP() << "no X display";
    beginGameFrame();
    for (GLuint& icon : hudIcons) icon = solidTexture(255, 255, 255);
    camera = new Camera();
  }
  void TearDown() override {
    glFinish();
    reshape(width, height);
    glDeleteTextures(3, hudIcons);
    delete camera;
    camera = nullptr;
  }
};

TEST_F(LayoutTest, AWallAtTheEyeLeavesTheHudWhole) {
  // Just beyond the near plane, facing the eye.
  auto wall = [] {
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(-5.0f, -5.0f, -1.01f);
    glVertex3f(5.0f, -5.0f, -1.01f);
    glVertex3f(5.0f, 5.0f, -1.01f);
    glVertex3f(-5.0f, 5.0f, -1.01f);
    glEnd();
  };
  for (bool wallFirst : {true, false}) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (wallFirst) wall();
    drawHud();
    if (!wallFirst) wall();
    EXPECT_TRUE(near(overlayPixel(width - 67, height - 50), 0.0f, 1.0f, 0.0f)) << wallFirst;
    EXPECT_TRUE(near(overlayPixel(10, 10), 1.0f, 1.0f, 1.0f)) << wallFirst;
  }
}

}  // namespace

TEST(FieldOfView, TheReshapeProjectsThePlayersVerticalAngle) {
  if (!testsupport::ensureGlContext(1024, 768)) GTEST_SKIP() << "no X display";
  const GameOptions saved = gameOptions;
  double wide[16], normal[16];
  gameOptions.fieldOfView = 60.0f;
  reshape(1024, 768);
  glGetDoublev(GL_PROJECTION_MATRIX, wide);
  gameOptions = saved;
  reshape(1024, 768);
  glGetDoublev(GL_PROJECTION_MATRIX, normal);
  // The vertical scale is 1 / tan(half the angle): a wider view shows more of the hall.
  EXPECT_NEAR(1.0 / std::tan(30.0 * 3.14159265358979 / 180.0), wide[5], 1e-4);
  EXPECT_NEAR(1.0 / std::tan(22.5 * 3.14159265358979 / 180.0), normal[5], 1e-4);
}
