// The siren follows the alarm in the real frame, as the sound log shows: one play per alarm
// however many frames pass, a stop when the alarm ends by itself, at a new game, in the menu.
#include <gtest/gtest.h>

#include "audio/GameSounds.h"
#include "audio/Sound.h"
#include "game/GameState.h"
#include "input/Keyboard.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "support/GameWorld.h"

namespace {

int sirenCalls(SoundAction action) {
  int calls = 0;
  for (const SoundRecord& r : recordedSounds()) calls += r.sound == sirenSound && r.action == action;
  return calls;
}

void raiseAlarmForFiveFrames() {
  alarmActive = true;
  alarmStartTime = platform::clockSeconds();
  for (int frame = 0; frame < 5; ++frame) display();
}

TEST(Siren, SoundsFromTheAlarmToItsEndANewGameOrTheMenu) {
  if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
  platform::useVirtualClock(0);
  testsupport::setClockSeconds(400.0);
  testsupport::startGame();
  startSoundRecording();
  raiseAlarmForFiveFrames();
  EXPECT_EQ(1, sirenCalls(SoundAction::play));
  testsupport::setClockSeconds(426.0);
  display();
  EXPECT_FALSE(alarmActive);
  EXPECT_EQ(1, sirenCalls(SoundAction::stop)) << "not stopped when the alarm ended";

  raiseAlarmForFiveFrames();
  keyboardDown(13, 0, 0);  // Enter during play: a new game
  display();
  EXPECT_EQ(2, sirenCalls(SoundAction::stop)) << "not stopped by a new game";

  raiseAlarmForFiveFrames();
  keyboardDown(27, 0, 0);  // Escape: the menu, with the alarm still set
  display();
  EXPECT_EQ(3, sirenCalls(SoundAction::play));
  EXPECT_EQ(3, sirenCalls(SoundAction::stop)) << "not stopped in the menu";
  stopSoundRecording();
  alarmActive = false;
  testsupport::resetToMenu();
}

}  // namespace
