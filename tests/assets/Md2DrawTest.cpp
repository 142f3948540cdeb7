// Drawing an MD2 pose, caught in GL feedback mode: blended vertices, texture coordinates, and
// the GL state left behind.
#include "assets/Md2Model.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Clock.h"
#include "support/GlContext.h"
#include "tests/assets/Md2TestFile.h"

using md2test::Md2File;

namespace {

struct FedVertex {
  float x, y, z;
  float s, t;
};

// One triangle whose vertex bytes map straight to window pixels in a 200x200 viewport
// (scale 0.01, translate -1, and the file's y byte 100 lands on depth 0); frame 1 is moved
// 20 pixels to the right.
Md2Model rightMovingTriangle() {
  Md2File file = Md2File::withFrames({"slide01", "slide02", "slide03"});
  const std::uint8_t corners[9] = {50, 100, 50, 150, 100, 50, 50, 100, 150};
  for (std::size_t f = 0; f < file.frames.size(); ++f) {
    md2test::FrameData& frame = file.frames[f];
    for (int a = 0; a < 3; ++a) {
      frame.scale[a] = 0.01f;
      frame.translate[a] = -1.0f;
    }
    frame.xyz.assign(corners, corners + 9);
    for (int v = 0; v < 3; ++v) {
      frame.xyz[3 * static_cast<std::size_t>(v)] += static_cast<std::uint8_t>(20 * f);
    }
  }
  const std::vector<unsigned char> bytes = file.bytes();
  Md2Model model;
  EXPECT_TRUE(Md2Loader::loadFromBytes(model, bytes.data(), bytes.size(), "slide.md2", nullptr));
  return model;
}

// Draws the model in feedback mode and returns the triangles' corners.
std::vector<FedVertex> drawCaught(Md2Model& model) {
  std::vector<GLfloat> buffer(4096);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  model.drawAnimated();
  const GLint used = glRenderMode(GL_RENDER);
  std::vector<FedVertex> corners;
  const GLint vertexFloats = 3 + 4 + 4;  // window position, RGBA, texture coordinates
  for (GLint i = 0; i < used;) {
    EXPECT_EQ(GL_POLYGON_TOKEN, static_cast<GLint>(buffer[static_cast<std::size_t>(i)]));
    const GLint n = static_cast<GLint>(buffer[static_cast<std::size_t>(i) + 1]);
    i += 2;
    for (GLint v = 0; v < n; ++v, i += vertexFloats) {
      const GLfloat* p = &buffer[static_cast<std::size_t>(i)];
      corners.push_back(FedVertex{p[0], p[1], p[2], p[7], p[8]});
    }
  }
  return corners;
}

class Md2Drawing : public testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display";
    }
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    platform::useVirtualClock(1060u * 1000u);
  }
  void TearDown() override { platform::useRealClock(); }
};

TEST_F(Md2Drawing, SendsTheBlendedPoseWithTexCoords) {
  Md2Model model = rightMovingTriangle();
  model.lastTime = 1000.0f;
  glTexCoord2f(0.9f, 0.9f);
  const std::vector<FedVertex> corners = drawCaught(model);
  ASSERT_EQ(3u, corners.size());
  // 60 ms into the 125 ms step: 0.48 of the way to frame 1.
  EXPECT_NEAR(59.6f, corners[0].x, 1e-3f);
  EXPECT_NEAR(159.6f, corners[1].x, 1e-3f);
  EXPECT_NEAR(150.0f, corners[2].y, 1e-3f);
  EXPECT_FLOAT_EQ(0.25f, corners[0].s);
  EXPECT_FLOAT_EQ(0.75f, corners[0].t);
  EXPECT_FLOAT_EQ(1.0f, corners[2].s);

  // The current texture coordinate is restored, front faces are culled from now on.
  GLfloat current[4];
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, current);
  EXPECT_FLOAT_EQ(0.9f, current[0]);
  GLint cullFace = 0;
  glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
  EXPECT_EQ(GL_FRONT, cullFace);
}

}  // namespace
