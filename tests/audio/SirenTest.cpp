// The siren follows the alarm in the real frame, as the sound layer's log shows it: it starts
// with an alarm, plays once however many frames pass, and stops when the alarm ends by itself,
// at a new game and in the menu.
#include <gtest/gtest.h>

#include "audio/GameSounds.h"
#include "audio/Siren.h"
#include "audio/Sound.h"
#include "game/GameState.h"
#include "input/Keyboard.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "support/GameWorld.h"

namespace {

// How often the siren was started and stopped since the log began.
struct SirenCalls {
  int plays = 0, stops = 0;
};

SirenCalls sirenCalls() {
  SirenCalls calls;
  for (const SoundRecord& r : recordedSounds()) {
    if (r.sound != sirenSound) continue;
    (r.action == SoundAction::play ? calls.plays : calls.stops)++;
  }
  return calls;
}

class SirenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(0);
    testsupport::setClockSeconds(400.0);
    testsupport::startGame();
    display();
    startSoundRecording();
  }
  void TearDown() override {
    stopSoundRecording();
    alarmActive = false;
    testsupport::resetToMenu();
    display();
  }
  static void raiseAlarm() {
    alarmActive = true;
    alarmStartTime = platform::clockSeconds();
    for (int frame = 0; frame < 5; ++frame) display();
  }
};

TEST_F(SirenTest, StartsOnceWithTheAlarmAndStopsWhenItEndsByItself) {
  display();
  EXPECT_EQ(0, sirenCalls().plays);
  raiseAlarm();
  EXPECT_EQ(1, sirenCalls().plays);
  EXPECT_EQ(0, sirenCalls().stops);
  EXPECT_TRUE(sirenSounding());
  testsupport::setClockSeconds(400.0 + 26.0);
  display();
  display();
  EXPECT_FALSE(alarmActive);
  EXPECT_EQ(1, sirenCalls().stops);
  EXPECT_FALSE(sirenSounding());
}

TEST_F(SirenTest, ANewGameOrTheMenuSilencesIt) {
  raiseAlarm();
  keyboardDown(13, 0, 0);  // Enter during play: a new game
  display();
  EXPECT_EQ(1, sirenCalls().stops);

  raiseAlarm();
  keyboardDown(27, 0, 0);  // Escape: back to the menu, the alarm still set
  display();
  EXPECT_TRUE(menuActive);
  EXPECT_EQ(2, sirenCalls().plays);
  EXPECT_EQ(2, sirenCalls().stops);
}

}  // namespace
