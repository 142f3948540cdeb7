// The overlays in windows of other sizes, drawn into the lower left of the test's window (the
// viewport the reshape sets) and read back: the bars keep their corner at the window's
// scale, the menu page keeps its 4:3 shape with the backdrop beside it, text scales and stays
// centred, the pointer centre follows the window, and a wall at the eye leaves the HUD whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <GL/freeglut.h>

#include "app/Startup.h"
#include "game/GameState.h"
#include "game/World.h"
#include "platform/Pointer.h"
#include "render/Hud.h"
#include "render/Menu.h"
#include "render/Overlay.h"
#include "render/RenderProbe.h"
#include "render/StaticGeometry.h"
#include "render/TextMessage.h"
#include "support/GlContext.h"

using namespace renderprobe;

namespace {

struct Box {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // window pixels, y downwards, ends inclusive
};

// Where the window (w x h, y downwards) holds pixels near the colour.
Box boxOf(int w, int h, float r, float g, float b) {
  const std::vector<std::uint8_t> block = readBlock(0, 0, w, h);
  Box box;
  for (int row = 0; row < h; ++row) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &block[(static_cast<std::size_t>(row) * w + x) * 3];
      if (!near({p[0], p[1], p[2]}, r, g, b, 40)) continue;
      const int y = h - 1 - row;
      box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
    }
  }
  return box;
}

std::vector<std::pair<int, int>> warps;
void recordWarp(int x, int y) { warps.push_back({x, y}); }

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext(width, height)) GTEST_SKIP() << "no X display";
    beginGameFrame();
    for (GLuint& icon : hudIcons) icon = solidTexture(255, 255, 255);
    menuTextures[0] = solidTexture(255, 0, 0);
    camera = new Camera();
    hudMessage = new TextMessage(10, 34, textRed, platform::Anchor::TopLeft);
  }
  void TearDown() override {
    glFinish();
    reshape(width, height);
    glDeleteTextures(3, hudIcons);
    glDeleteTextures(1, menuTextures);
    delete hudMessage;
    hudMessage = nullptr;
    delete statusMessage;
    statusMessage = nullptr;
    delete camera;
    camera = nullptr;
    platform::setWarpHook(nullptr);
  }
  static void frame(int w, int h) {
    reshape(w, h);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
};

TEST_F(LayoutTest, HealthBarKeepsItsCornerAtTheWindowsScale) {
  for (const auto& size : {std::pair<int, int>{1024, 768}, {800, 600}, {1000, 500}, {720, 768}}) {
    const int w = size.first, h = size.second;
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    const float s = std::min(h / 768.0f, w / 1024.0f);
    frame(w, h);
    drawHud();
    const Box bar = boxOf(w, h, 0.0f, 1.0f, 0.0f);
    EXPECT_NEAR(bar.x1 + 1 - bar.x0, 100 * s, 1.5);
    EXPECT_NEAR(bar.y1 + 1 - bar.y0, 10 * s, 1.5);
    EXPECT_NEAR(bar.x1 + 1, w - 17 * s, 1.5);
    EXPECT_NEAR(bar.y1 + 1, h - 45 * s, 1.5);
  }
}

TEST_F(LayoutTest, MenuPageKeepsItsShapeWithTheBackdropBesideIt) {
  const struct { int w, h; float x0, y0, x1, y1; } cases[] = {
      {1000, 500, 166.7f, 0, 833.3f, 500}, {720, 768, 0, 114, 720, 654}};
  for (const auto& c : cases) {
    frame(c.w, c.h);
    drawMenu();
    const Box page = boxOf(c.w, c.h, 1.0f, 0.0f, 0.0f);
    EXPECT_NEAR(page.x0, c.x0, 1.0);
    EXPECT_NEAR(page.x1 + 1, c.x1, 1.0);
    EXPECT_NEAR(page.y0, c.y0, 1.0);
    EXPECT_NEAR(page.y1 + 1, c.y1, 1.0);
    // Beside it the same page, dimmed.
    EXPECT_TRUE(near(pixelAt(2, 2), 0.35f, 0.0f, 0.0f, 4));
  }
}

TEST_F(LayoutTest, TextScalesWithTheWindowAndStaysCentred) {
  TextMessage line(355, 390, textYellow);
  line.setText("It's your turn now, baby!");
  auto drawn = [&line](int w, int h) {
    frame(w, h);
    beginOverlay(0, 0, w, h);
    line.draw(GLUT_BITMAP_TIMES_ROMAN_24);
    endOverlay();
    return boxOf(w, h, 1.0f, 1.0f, 0.0f);
  };
  const Box full = drawn(width, height);
  ASSERT_GT(full.x1, full.x0 + 200);
  EXPECT_NEAR(full.x0, 355, 3);
  for (const auto& size : {std::pair<int, int>{800, 600}, {1000, 500}}) {
    const int w = size.first, h = size.second;
    const float s = std::min(h / 768.0f, w / 1024.0f);
    const Box box = drawn(w, h);
    EXPECT_NEAR(box.x0, w / 2.0f + s * (full.x0 - 512), 2.0) << w;
    EXPECT_NEAR(box.x1, w / 2.0f + s * (full.x1 - 512), 2.0) << w;
    EXPECT_NEAR(box.y1 - box.y0, s * (full.y1 - full.y0), 2.0) << w;
  }
}

TEST_F(LayoutTest, PointerCentreFollowsTheWindow) {
  platform::setWarpHook(recordWarp);
  reshape(1000, 500);
  warps.clear();
  camera->lookWithMouse(500, 250);
  EXPECT_TRUE(warps.empty());
  camera->lookWithMouse(520, 250);
  EXPECT_EQ(warps, (std::vector<std::pair<int, int>>{{500, 250}}));
}

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
    frame(width, height);
    if (wallFirst) wall();
    drawHud();
    if (!wallFirst) wall();
    EXPECT_TRUE(near(overlayPixel(width - 67, height - 50), 0.0f, 1.0f, 0.0f)) << wallFirst;
    EXPECT_TRUE(near(overlayPixel(10, 10), 1.0f, 1.0f, 1.0f)) << wallFirst;
  }
}

}  // namespace
