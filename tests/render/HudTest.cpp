// The head-up display drawn on a 1024 x 768 context and read back from the back buffer:
// bars, icons, crosshair, guard bars, and the texts the message lines are given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Screen.h"
#include "game/TextMessage.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "render/Hud.h"
#include "render/RenderProbe.h"
#include "render/Scene.h"
#include "render/StaticGeometry.h"
#include "support/GlContext.h"

using namespace renderprobe;

namespace {

constexpr int W = width;
constexpr int H = height;
const float barFrame[3] = {0.8f, 0.6f, 0.2f};
const float guardFrame[3] = {0.38f, 0.49f, 0.66f};

std::uint64_t micros(double seconds) {
  return static_cast<std::uint64_t>(seconds * 1e6 + 0.5);
}

class HudTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext(W, H)) {
      GTEST_SKIP() << "no X display";
    }
    beginGameFrame();
    if (overlayList == 0) {
      overlayList = glGenLists(1);
      glNewList(overlayList, GL_COMPILE);
      buildOverlayList();
      glEndList();
    }
    for (GLuint& icon : hudIcons) {
      icon = solidTexture(255, 255, 255);
    }
    platform::useVirtualClock(micros(100.0));
    camera = new Camera();
    hudMessage = new TextMessage(10, 34, textRed);
    gameOverMessage = new TextMessage(250, 400, textRed);
    gameOverMessage->setText("Now you have plenty of time to think 'bout it: GAME OVER");
    backToMenuMessage = new TextMessage(350, 450, textRed);
    backToMenuMessage->setText("Press any key to go back to the main menue!");
    cornerMessage = new TextMessage(900, 690, textCyan);
    heist = Heist{};
    currentScreen = GameScreen::Playing;
    fpsShown = false;
    heist.messageTime = 0.0;
    heist.messageDuration = 0;
  }

  void TearDown() override {
    // Nothing may be left queued for the renderer when the process exits.
    glFinish();
    platform::useRealClock();
    glDeleteTextures(3, hudIcons);
    for (TextMessage** line : {&hudMessage, &gameOverMessage, &backToMenuMessage, &cornerMessage}) {
      delete *line;
      *line = nullptr;
    }
    for (Guard** guard : {&guard1, &guard2}) {
      delete *guard;
      *guard = nullptr;
    }
    delete camera;
    camera = nullptr;
    heist = Heist{};
    fpsShown = false;
  }

  void redraw() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawHud();
  }
};

TEST_F(HudTest, HealthBarSplitsIntoColouredAndBlackAtTheHealthValue) {
  camera->health = 30.0f;
  redraw();
  const int row = H - 50;
  EXPECT_TRUE(near(overlayPixel(W - 116, row), 0.7f, 0.3f, 0.0f));
  EXPECT_TRUE(near(overlayPixel(W - 88, row), 0.7f, 0.3f, 0.0f));
  EXPECT_TRUE(isBlack(overlayPixel(W - 86, row)));
  EXPECT_TRUE(isBlack(overlayPixel(W - 18, row)));
  // The bar fills rows H - 55 to H - 46, the frame's colour is round it.
  EXPECT_TRUE(near(overlayPixel(W - 116, H - 55), 0.7f, 0.3f, 0.0f));
  EXPECT_FALSE(near(overlayPixel(W - 116, H - 45), 0.7f, 0.3f, 0.0f));
  // The frame, drawn after the bar, shows only as a border around it.
  EXPECT_TRUE(near(overlayPixel(W - 15, row), barFrame[0], barFrame[1], barFrame[2]));
  EXPECT_TRUE(near(overlayPixel(W - 60, H - 57), barFrame[0], barFrame[1], barFrame[2]));

  camera->health = 100.0f;
  redraw();
  EXPECT_TRUE(near(overlayPixel(W - 116, row), 0.0f, 1.0f, 0.0f));
  EXPECT_TRUE(near(overlayPixel(W - 18, row), 0.0f, 1.0f, 0.0f));

  camera->health = 0.0f;
  redraw();
  EXPECT_TRUE(isBlack(overlayPixel(W - 116, row)));
}

TEST_F(HudTest, GuardBarsOnlyDuringTheAlarmAndOnlyForGuardsStillStanding) {
  guard1 = new Guard(guard1Path, guard1StartHeading);
  guard2 = new Guard(guard2Path, guard2StartHeading);
  guard1->health = 60;
  guard2->down = true;
  const auto guardFrames = [](int y0) {
    return countNearInOverlay(W - 147, y0, W - 10, 62, guardFrame[0], guardFrame[1], guardFrame[2]);
  };
  redraw();
  EXPECT_EQ(guardFrames(10), 0);

  heist.alarmActive = true;
  redraw();
  const int row = 22;
  EXPECT_TRUE(near(overlayPixel(W - 116, row), 0.4f, 0.6f, 0.0f));
  EXPECT_TRUE(near(overlayPixel(W - 58, row), 0.4f, 0.6f, 0.0f));
  EXPECT_TRUE(isBlack(overlayPixel(W - 56, row)));
  EXPECT_TRUE(near(overlayPixel(W - 137, row), guardFrame[0], guardFrame[1], guardFrame[2]));
  EXPECT_EQ(guardFrames(38), 0);  // the downed second guard has nothing in its rows

  guard2->down = false;
  redraw();
  EXPECT_TRUE(near(overlayPixel(W - 18, 50), 0.0f, 1.0f, 0.0f));
  EXPECT_TRUE(near(overlayPixel(W - 119, 50), guardFrame[0], guardFrame[1], guardFrame[2]));
}

TEST_F(HudTest, StatusMessageShownUntilItsDurationHasPassed) {
  heist.statusMessage = TextMessage(355, 390, textYellow);
  heist.statusMessage.setText("It's your turn now, baby!");
  heist.messageTime = 10.0;
  heist.messageDuration = 3;
  auto shown = [this](double now) {
    platform::setVirtualClockMicros(micros(now));
    redraw();
    return countNearInOverlay(350, 360, 700, 400, 1.0f, 1.0f, 0.0f) > 0;
  };
  EXPECT_TRUE(shown(10.0));
  EXPECT_TRUE(shown(12.99));
  EXPECT_FALSE(shown(13.0));
}

TEST_F(HudTest, GameOverLinesWinOverTheVerdict) {
  heist.endMessage = TextMessage(250, 300, textGreen);
  heist.endMessage.setText("Hey man, you should stay in bed next time!");
  // Which lines show: the verdict (green), the game-over line and the back-to-menu line (red).
  auto shown = [this] {
    redraw();
    return std::vector<bool>{countNearInOverlay(240, 275, 800, 306, 0, 1, 0) > 0,
                             countNearInOverlay(240, 375, 800, 406, 1, 0, 0) > 0,
                             countNearInOverlay(340, 425, 800, 456, 1, 0, 0) > 0};
  };
  EXPECT_EQ(shown(), (std::vector<bool>{false, false, false}));
  currentScreen = GameScreen::HeistFinished;
  heist.leftMuseum = true;
  EXPECT_EQ(shown(), (std::vector<bool>{true, false, true}));
  currentScreen = GameScreen::GameOver;
  EXPECT_EQ(shown(), (std::vector<bool>{false, true, true}));
}

// The crosshair and the bars set colours of their own; the frame's colour comes back.
TEST_F(HudTest, LeavesTheFrameStateAsItFoundIt) {
  glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
  drawHud();
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(std::vector<float>(colour, colour + 4), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
  GLint depth = 0;
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

}  // namespace
