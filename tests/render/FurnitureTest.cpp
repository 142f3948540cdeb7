// The wall switches seen through the game's projection. The level draw leaves front faces
// culled for the rest of the frame and the switch box is wound for that, so the probe culls
// front faces too.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include "game/GameState.h"
#include "game/World.h"
#include "render/Furniture.h"
#include "render/RenderProbe.h"
#include "render/StaticGeometry.h"
#include "support/GlContext.h"

using namespace renderprobe;

namespace {

GLuint compile(void (*build)()) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  build();
  glEndList();
  return list;
}

// Two rows: the bottom one (t = 0) blue, the top one (t = 1) red.
GLuint blueBelowRed() {
  GLuint name = solidTexture(0, 0, 0);
  const std::uint8_t rows[6] = {0, 0, 255, 255, 0, 0};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, rows);
  return name;
}

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext(width, height)) {
      GTEST_SKIP() << "no X display";
    }
  }
  void TearDown() override {
    // Nothing may be left queued for the renderer when the process exits.
    glFinish();
    alarmActive = false;
  }

  static void look(float ex, float ey, float ez, float cx, float cy, float cz) {
    beginGameFrame();
    glCullFace(GL_FRONT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(ex, ey, ez, cx, cy, cz, 0.0, 1.0, 0.0);
  }
};

TEST_F(SceneTest, WallSwitchesHangUpsideDownDuringTheAlarm) {
  switchTextures[0] = blueBelowRed();
  switchTextures[1] = solidTexture(128, 128, 128);
  switchList = compile(buildSwitchList);
  // Each switch seen from 7 units into its room, straight at its front face.
  const float places[3][3] = {{54.8f, -1, 146}, {282.8f, -1, 146}, {54.8f, -1, 371}};
  for (bool alarm : {false, true}) {
    alarmActive = alarm;
    for (const auto& p : places) {
      look(p[0] + 7, p[1], p[2], p[0], p[1], p[2]);
      drawFurniture();
      const Rgb upper = pixelAt(width / 2, height / 2 + 120);
      const Rgb lower = pixelAt(width / 2, height / 2 - 120);
      EXPECT_TRUE(near(upper, alarm ? 0 : 1, 0, alarm ? 1 : 0)) << "alarm " << alarm;
      EXPECT_TRUE(near(lower, alarm ? 1 : 0, 0, alarm ? 0 : 1)) << "alarm " << alarm;
    }
  }
  glDeleteLists(switchList, 1);
  switchList = 0;
  glDeleteTextures(2, switchTextures);
}

}  // namespace
