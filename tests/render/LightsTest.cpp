// The room lights and the alarm lights' blinking, driven by a virtual clock.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "game/GameState.h"
#include "platform/Clock.h"
#include "render/Lights.h"
#include "support/GlContext.h"

namespace {

bool alarmLightsEnabled() {
  const bool on = glIsEnabled(GL_LIGHT5);
  EXPECT_EQ(on, static_cast<bool>(glIsEnabled(GL_LIGHT6)));
  EXPECT_EQ(on, static_cast<bool>(glIsEnabled(GL_LIGHT7)));
  return on;
}

class LightsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display";
    }
    platform::useVirtualClock(100000000);  // 100 s
    alarmActive = true;
    alarmStartTime = platform::clockSeconds();  // raised now, as a sighting raises it
    alarmBlinkCounter = 0;
    alarmLightsLit = false;
    for (GLenum light = GL_LIGHT5; light <= GL_LIGHT7; ++light) glDisable(light);
  }
  void TearDown() override {
    glFinish();  // nothing may be left queued for the renderer when the process exits
    platform::useRealClock();
    alarmActive = alarmLightsLit = false;
  }

  // Runs frames alarm frames and returns on which of them the lights switched.
  static std::vector<int> togglesOver(int frames) {
    std::vector<int> toggles;
    bool lit = alarmLightsEnabled();
    for (int frame = 1; frame <= frames; ++frame) {
      blinkAlarmLights();
      if (alarmLightsEnabled() != lit) {
        lit = !lit;
        EXPECT_EQ(lit, alarmLightsLit);
        toggles.push_back(frame);
      }
    }
    return toggles;
  }
};

TEST_F(LightsTest, AlarmLightsToggleEveryBlinkPeriodAndNeverWithAPeriodOfZero) {
  alarmBlinkFrames = 60;
  EXPECT_EQ(togglesOver(200), (std::vector<int>{60, 120, 180}));
  EXPECT_TRUE(alarmLightsLit);
  // A blink period of zero leaves the lights as they were.
  alarmBlinkFrames = 0;
  EXPECT_TRUE(togglesOver(2000).empty());
}

TEST_F(LightsTest, AlarmEndsInTheFirstFrameMoreThan25SecondsAfterItsRaise) {
  alarmBlinkFrames = 60;
  alarmLightsLit = true;
  for (GLenum light = GL_LIGHT5; light <= GL_LIGHT7; ++light) glEnable(light);
  platform::setVirtualClockMicros(125000000);
  blinkAlarmLights();
  EXPECT_TRUE(alarmActive);
  EXPECT_EQ(alarmBlinkCounter, 1);

  platform::setVirtualClockMicros(125001000);
  blinkAlarmLights();
  EXPECT_FALSE(alarmActive);
  EXPECT_FALSE(alarmLightsEnabled());
  // The lit state carries over to the next alarm.
  EXPECT_TRUE(alarmLightsLit);
}

TEST_F(LightsTest, RoomLightsBrighterDuringTheAlarmAndFixedInTheWorld) {
  auto light = [](GLenum light, GLenum parameter) {
    std::vector<float> v(4);
    glGetLightfv(light, parameter, v.data());
    return v;
  };
  alarmActive = false;
  setRoomLights();
  const std::vector<float> normal = light(GL_LIGHT4, GL_DIFFUSE);
  // Positions go through the view transform loaded when the lights are set.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-10.0f, 0.0f, 0.0f);
  alarmActive = true;
  setRoomLights();
  EXPECT_GT(light(GL_LIGHT4, GL_AMBIENT)[0], normal[0]);
  EXPECT_EQ(light(GL_LIGHT0, GL_POSITION), (std::vector<float>{244, 10, 25, 1}));
  glLoadIdentity();
}

}  // namespace
