// The guard's drawing, caught in feedback mode: at its feet (the stand model one higher),
// yawed and scaled 0.28, the weapon under the same transform with its own skin, and the GL
// state left as it was found.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "game/Guard.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;

namespace {

GLint glInteger(GLenum what) {
  GLint value = 0;
  glGetIntegerv(what, &value);
  return value;
}

// The vertices one frame sends, in world units: the orthographic projection maps x and y to
// window coordinates shifted by 500, and depth 0..1 to z from 1000 to -1000.
std::vector<Vector3> drawnVertices(Guard& guard, Camera& player) {
  std::vector<GLfloat> buffer(1024);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  guardtest::runFrame(guard, player);
  const GLint count = glRenderMode(GL_RENDER);
  std::vector<Vector3> vertices;
  for (GLint i = 0; i + 1 < count && buffer[i] == GL_POLYGON_TOKEN; i += 2 + 3 * 3) {
    for (GLint v = i + 2; v < i + 2 + 3 * 3; v += 3) {
      vertices.push_back(Vector3(buffer[v] - 500.0f, buffer[v + 1] - 500.0f,
                                 1000.0f - 2000.0f * buffer[v + 2]));
    }
  }
  return vertices;
}

void expectNear(const Vector3& expected, const Vector3& actual) {
  EXPECT_NEAR(expected.x, actual.x, 0.01f);
  EXPECT_NEAR(expected.y, actual.y, 0.01f);
  EXPECT_NEAR(expected.z, actual.z, 0.05f);
}

}  // namespace

// The test figure's triangle is (0, f, 0), (10, f, 0), (0, 28, 1) in frame f, and the first draw
// of a fresh model steps at once to frame 1. Yaw 0 faces +x, yaw -90 faces +z.
TEST_F(GuardTest, DrawsAtItsFeetYawedAndScaledWithEachSkinInTurn) {
  Guard guard(guard2Path, guard2StartHeading);
  setUpGuard(guard, guard2Path, false);
  GLuint skins[2];
  glGenTextures(2, skins);
  guard.texture = skins[0];
  guard.weaponTexture = skins[1];
  Camera player;
  glViewport(0, 0, 1000, 1000);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-500.0, 500.0, -500.0, 500.0, -1000.0, 1000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLint depths[2] = {glInteger(GL_MODELVIEW_STACK_DEPTH), glInteger(GL_ATTRIB_STACK_DEPTH)};

  // Waiting at (162, -6, 164), facing along its first leg, +z: lifted by 1.0.
  std::vector<Vector3> v = drawnVertices(guard, player);
  ASSERT_EQ(3u, v.size());
  expectNear(Vector3(162.0f, -4.72f, 164.0f), v[0]);
  expectNear(Vector3(162.0f, -4.72f, 166.8f), v[1]);
  expectNear(Vector3(161.72f, 2.84f, 164.0f), v[2]);

  // Attacking a player on its -x side (yaw 180): the figure, then the weapon, at the feet.
  guard.setAlerted(true);
  player.position = Vector3(100.0f, 1.0f, 164.0f);
  v = drawnVertices(guard, player);
  ASSERT_EQ(6u, v.size());
  for (int model = 0; model < 2; ++model) {
    expectNear(Vector3(162.0f, -5.72f, 164.0f), v[3 * model]);
    expectNear(Vector3(159.2f, -5.72f, 164.0f), v[3 * model + 1]);
    expectNear(Vector3(162.0f, 1.84f, 163.72f), v[3 * model + 2]);
  }

  // Walking, attacking and falling each leave the state as found, the guard's own skin bound.
  const bool walking[3] = {true, false, false};
  const bool down[3] = {false, false, true};
  for (int b = 0; b < 3; ++b) {
    guard.walking = walking[b];
    guard.alerted = !walking[b];
    guard.down = down[b];
    guardtest::runFrame(guard, player);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    EXPECT_EQ(depths[0], glInteger(GL_MODELVIEW_STACK_DEPTH));
    EXPECT_EQ(depths[1], glInteger(GL_ATTRIB_STACK_DEPTH));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(static_cast<GLint>(skins[0]), glInteger(GL_TEXTURE_BINDING_2D));
  }
}
