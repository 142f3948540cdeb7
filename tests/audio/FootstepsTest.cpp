// The footsteps of the idle update: played while the player walks, never restarted while one
// still sounds, and not at all while he stands.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/Idle.h"
#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "support/GlContext.h"
#include "tests/audio/TestWav.h"

namespace {

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
  const bool savedMenu = menuActive;
  camera = new Camera(419.0f, 1.0f, 15.0f, 419.0f, 1.0f, 16.0f, 0.0f, 1.0f, 0.0f);
  footstepSound = new Sound(wav, 4, false, false);
  menuActive = true;  // no guard looks; the walking runs behind the menu all the same
  platform::useVirtualClock(1000000);
  startSoundRecording();

  forwardDirection = 1;
  for (int frame = 0; frame < 3; ++frame) {
    platform::advanceVirtualClockMicros(16667);
    idle();
  }
  EXPECT_EQ(1u, playedSounds().size());
  EXPECT_TRUE(footstepSound->isPlaying());

  // Once it has ended (the key release stops it), the next walking frame starts it again.
  footstepSound->stop();
  forwardDirection = -1;
  strafeDirection = 1;
  idle();
  EXPECT_EQ(2u, playedSounds().size());

  footstepSound->stop();
  forwardDirection = strafeDirection = 0;
  idle();
  EXPECT_EQ(2u, playedSounds().size());

  stopSoundRecording();
  clearRecordedSounds();
  platform::useRealClock();
  releaseSound(footstepSound);
  delete camera;
  camera = savedCamera;
  footstepSound = savedFootstep;
  menuActive = savedMenu;
  std::remove(wav.c_str());
}

}  // namespace
