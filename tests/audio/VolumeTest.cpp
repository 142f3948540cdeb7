// The player's music and effects volumes reach the mixer: samples at the effects' share, the
// music at its share, halved again while paused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/Sound.h"
#include "tests/audio/TestWav.h"

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
