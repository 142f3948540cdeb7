// The alarm lights: their blinking and the alarm's end on a virtual clock, and what a fight
// looks like in room 2 through the real frame: red while the alarm lights are lit, not red
// while they are dark or with no alarm; a red flash over the window at a hit.
#include <gtest/gtest.h>

#include <vector>

#include "app/Display.h"
#include "app/Idle.h"
#include "game/Alarm.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "platform/Swap.h"
#include "render/Frame.h"
#include "render/Lights.h"
#include "render/RenderProbe.h"
#include "support/GameWorld.h"
#include "support/GlContext.h"

namespace {

// Read from the finished frame just before the swap: red minus the mean of green and blue over
// the lower two thirds (the far wall and the floor).
double redness = 0.0;
void measure() {
  const std::vector<std::uint8_t> p = renderprobe::readBlock(0, 0, 1024, 512);
  double sum = 0.0;
  for (std::size_t i = 0; i < p.size(); i += 3) sum += p[i] - 0.5 * (p[i + 1] + p[i + 2]);
  redness = sum / static_cast<double>(p.size() / 3);
}

class RoomTwoFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(0);
    testsupport::startGame();
    renderprobe::beginGameFrame();
    platform::setBeforeSwapHook(measure);
    heist.alarmLightsLit = false;
    heist.alarmBlinkCounter = 0;
    for (GLenum light = GL_LIGHT5; light <= GL_LIGHT7; ++light) glDisable(light);
  }
  void TearDown() override {
    platform::setBeforeSwapHook(nullptr);
    heist.alarmActive = false;
    for (GLenum light = GL_LIGHT5; light <= GL_LIGHT7; ++light) glDisable(light);
  }
  // One frame at the given clock, the player in room 2 looking along +x.
  static void frameAt(double seconds) {
    testsupport::setClockSeconds(seconds);
    idle();
    heist.currentRoom = 2;
    testsupport::placePlayer(Vector3(300.0f, 1.0f, 160.0f));
    display();
  }
};

TEST_F(RoomTwoFrame, ABlinkOfTheAlarmTurnsTheRoomRedAndBack) {
  frameAt(300.0);
  const double calm = redness;  // the parquet's own warm brown counts a little
  EXPECT_LT(calm, 20.0) << "red without an alarm";
  const std::int16_t blinkFrames = alarmBlinkFrames;
  alarmBlinkFrames = 3;
  heist.alarmActive = true;
  heist.alarmStartTime = platform::clockSeconds();
  double litRed = 1e9, darkRed = -1e9;
  for (int frame = 1; frame <= 12; ++frame) {
    frameAt(300.0 + 0.02 * frame);
    if (heist.alarmLightsLit) litRed = std::min(litRed, redness);
    if (!heist.alarmLightsLit) darkRed = std::max(darkRed, redness);
  }
  alarmBlinkFrames = blinkFrames;
  // The room lights grow brighter during an alarm, which warms the brown a little more.
  EXPECT_GT(litRed, darkRed + 25.0) << "lit " << litRed << ", dark " << darkRed;
  EXPECT_LT(darkRed, calm + 20.0);
}

TEST_F(RoomTwoFrame, AHitReddensTheWindowForAFifthOfASecond) {
  frameAt(500.0);
  const double calm = redness;
  camera->health -= 10.0f;
  frameAt(500.02);
  EXPECT_GT(redness, calm + 40.0);
  frameAt(500.3);
  EXPECT_NEAR(calm, redness, 2.0);
}

// Whether the alarm's blink has the red lights on; each frame switches GL's lights 5 to 7 so.
bool alarmLightsEnabled() {
  return heist.alarmLightsOn;
}

class LightsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display";
    }
    platform::useVirtualClock(100000000);  // 100 s
    heist.alarmActive = true;
    heist.alarmStartTime = platform::clockSeconds();  // raised now, as a sighting raises it
    heist.alarmBlinkCounter = 0;
    heist.alarmLightsLit = false;
    heist.alarmLightsOn = false;
  }
  void TearDown() override {
    glFinish();  // nothing may be left queued for the renderer when the process exits
    platform::useRealClock();
    heist.alarmActive = heist.alarmLightsLit = false;
  }

  // Runs frames alarm frames and returns on which of them the lights switched.
  static std::vector<int> togglesOver(int frames) {
    std::vector<int> toggles;
    bool lit = alarmLightsEnabled();
    for (int frame = 1; frame <= frames; ++frame) {
      blinkAlarmLights();
      if (alarmLightsEnabled() != lit) {
        lit = !lit;
        EXPECT_EQ(lit, heist.alarmLightsLit);
        toggles.push_back(frame);
      }
    }
    return toggles;
  }
};

TEST_F(LightsTest, AlarmLightsToggleEveryBlinkPeriodAndNeverWithAPeriodOfZero) {
  alarmBlinkFrames = 60;
  EXPECT_EQ(togglesOver(200), (std::vector<int>{60, 120, 180}));
  EXPECT_TRUE(heist.alarmLightsLit);
  // A blink period of zero leaves the lights as they were.
  alarmBlinkFrames = 0;
  EXPECT_TRUE(togglesOver(2000).empty());
}

TEST_F(LightsTest, AlarmEndsInTheFirstFrameMoreThan25SecondsAfterItsRaise) {
  alarmBlinkFrames = 60;
  heist.alarmLightsLit = true;
  heist.alarmLightsOn = true;
  platform::setVirtualClockMicros(125000000);
  blinkAlarmLights();
  EXPECT_TRUE(heist.alarmActive);
  EXPECT_EQ(heist.alarmBlinkCounter, 1);

  platform::setVirtualClockMicros(125001000);
  blinkAlarmLights();
  EXPECT_FALSE(heist.alarmActive);
  EXPECT_FALSE(alarmLightsEnabled());
  // The lit state carries over to the next alarm.
  EXPECT_TRUE(heist.alarmLightsLit);
}

}  // namespace
