// The game's sounds in play: the siren follows the alarm in the real frame, as the sound log
// shows (one play per alarm however many frames pass, a stop when the alarm ends by itself, at
// a new game, in the menu); the footsteps of the idle update are played while the player
// walks, never restarted while one still sounds, and not at all while he stands; the player's
// music and effects volumes reach the mixer (the music halved again while paused).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Display.h"
#include "app/Idle.h"
#include "audio/GameSounds.h"
#include "audio/Sound.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "input/HeldKeys.h"
#include "input/Keyboard.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "support/GameWorld.h"
#include "support/GlContext.h"
#include "tests/audio/TestWav.h"

namespace {

int sirenCalls(SoundAction action) {
  int calls = 0;
  for (const SoundRecord& r : recordedSounds()) calls += r.sound == sirenSound && r.action == action;
  return calls;
}

void raiseAlarmForFiveFrames() {
  heist.alarmActive = true;
  heist.alarmStartTime = platform::clockSeconds();
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
  EXPECT_FALSE(heist.alarmActive);
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
  heist.alarmActive = false;
  testsupport::resetToMenu();
}

TEST(Footsteps, IdleKeepsThemGoingWithoutRestartingThem) {
  if (!testsupport::ensureGlContext()) GTEST_SKIP() << "no X display";  // idle asks for a redisplay
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  initSound();
  if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  const std::string wav =
      testing::TempDir() + "vaultrun-footstep-" + std::to_string(::getpid()) + ".wav";
  ASSERT_TRUE(soundtest::writeWav(wav, 30.0, 8000));

  Camera* const savedCamera = camera;
  Sound* const savedFootstep = footstepSound;
  const GameScreen savedScreen = currentScreen;
  camera = new Camera(419.0f, 1.0f, 15.0f, 419.0f, 1.0f, 16.0f, 0.0f, 1.0f, 0.0f);
  footstepSound = new Sound(wav, 4, false, false);
  playCuesWithGameSounds();
  currentScreen = GameScreen::Menu;  // no guard looks; the walking runs behind the menu all the same
  platform::useVirtualClock(1000000);
  startSoundRecording();

  forwardDirection = 1;
  for (int frame = 0; frame < 3; ++frame) {
    platform::advanceVirtualClockMicros(16667);
    runFrame(forwardDirection, strafeDirection);
  }
  EXPECT_EQ(1u, playedSounds().size());
  EXPECT_TRUE(footstepSound->isPlaying());

  // Once it has ended (the key release stops it), the next walking frame starts it again.
  footstepSound->stop();
  forwardDirection = -1;
  strafeDirection = 1;
  runFrame(forwardDirection, strafeDirection);
  EXPECT_EQ(2u, playedSounds().size());

  footstepSound->stop();
  forwardDirection = strafeDirection = 0;
  runFrame(forwardDirection, strafeDirection);
  EXPECT_EQ(2u, playedSounds().size());

  stopSoundRecording();
  clearRecordedSounds();
  platform::useRealClock();
  releaseSound(footstepSound);
  delete camera;
  camera = savedCamera;
  footstepSound = savedFootstep;
  currentScreen = savedScreen;
  std::remove(wav.c_str());
}

}  // namespace

TEST(PlayerVolumes, SamplesFollowTheEffectsVolumeAndStreamsTheMusicVolume) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  initSound();
  if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  const std::string wav = testing::TempDir() + "vaultrun-volume-" + std::to_string(getpid());
  ASSERT_TRUE(soundtest::writeWav(wav, 5.0, 8000));
  {
    Sound effect(wav, 1, false, false);
    Sound music(wav, 3, true, true);
    setPlayerVolumes(40, 25);
    effect.play();
    music.play();
    EXPECT_EQ(channelVolume(1), 32);   // 128 * 25%
    EXPECT_EQ(musicVolume(), 51);      // 128 * 40%
    dimMusic(true);
    EXPECT_EQ(musicVolume(), 25);
    dimMusic(false);
    setPlayerVolumes(0, 100);
    effect.play();
    EXPECT_EQ(channelVolume(1), 128);
    EXPECT_EQ(musicVolume(), 0);
    setPlayerVolumes(100, 100);
    effect.stop();
    music.stop();
  }
  std::remove(wav.c_str());
}
