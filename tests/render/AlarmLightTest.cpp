// The alarm seen in a room: the real frame in room 2, read back over the frames of a blink.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "app/Idle.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/Swap.h"
#include "render/Frame.h"
#include "render/Lights.h"
#include "render/RenderProbe.h"
#include "support/GameWorld.h"

namespace {

struct MeanColour {
  double r = 0, g = 0, b = 0;
};

// The lower two thirds of the finished frame, read just before the swap: the far wall of
// room 2 and the floor before it.
std::vector<std::uint8_t> block;
void readWallsAndFloor() {
  block = renderprobe::readBlock(0, 0, renderprobe::width, renderprobe::height * 2 / 3);
}

MeanColour wallsAndFloor() {
  MeanColour m;
  const double n = static_cast<double>(block.size() / 3);
  for (std::size_t i = 0; i < block.size(); i += 3) {
    m.r += block[i] / n;
    m.g += block[i + 1] / n;
    m.b += block[i + 2] / n;
  }
  return m;
}

class AlarmLightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(0);
    testsupport::setClockSeconds(300.0);
    testsupport::startGame();
    renderprobe::beginGameFrame();
    platform::setBeforeSwapHook(readWallsAndFloor);
    savedBlinkFrames = alarmBlinkFrames;
    alarmBlinkFrames = 3;
    currentRoom = 2;
    testsupport::placePlayer(Vector3(300.0f, 1.0f, 160.0f));
  }
  void TearDown() override {
    platform::setBeforeSwapHook(nullptr);
    alarmBlinkFrames = savedBlinkFrames;
    alarmActive = false;
    glDisable(GL_LIGHT5);
    glDisable(GL_LIGHT6);
    glDisable(GL_LIGHT7);
  }
  std::int16_t savedBlinkFrames = 0;
};

TEST_F(AlarmLightTest, ABlinkTurnsRoomTwoRedAndBack) {
  display();
  const MeanColour peace = wallsAndFloor();
  EXPECT_LT(peace.r, peace.b + 10.0) << "the room is red without an alarm";

  alarmActive = true;
  alarmStartTime = platform::clockSeconds();
  alarmLightsLit = false;
  alarmBlinkCounter = 0;
  double litRed = 1e9, darkRed = -1e9;  // the least red lit frame, the reddest dark one
  int litFrames = 0, darkFrames = 0;
  for (int frame = 0; frame < 12; ++frame) {
    display();
    const MeanColour c = wallsAndFloor();
    const double redness = c.r - 0.5 * (c.g + c.b);
    if (alarmLightsLit) {
      litRed = std::min(litRed, redness);
      ++litFrames;
    } else {
      darkRed = std::max(darkRed, redness);
      ++darkFrames;
    }
  }
  ASSERT_GT(litFrames, 0);
  ASSERT_GT(darkFrames, 0);
  // Every lit frame is clearly redder than every dark one.
  EXPECT_GT(litRed, darkRed + 25.0) << "lit " << litRed << ", dark " << darkRed;
  EXPECT_LT(darkRed, 10.0);
}

}  // namespace
