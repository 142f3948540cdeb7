// The sound layer on SDL's dummy audio driver: samples sharing a channel, the two music
// streams on channel 3, and the twelve game sounds made again and released once. (Files
// that give no sound: BadInputTest.)
#include "audio/Sound.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/GameSounds.h"
#include "tests/audio/TestWav.h"

namespace {

std::string tempPath(const std::string& name) {
  return testing::TempDir() + "vaultrun-sound-" + std::to_string(::getpid()) + "-" + name;
}

class SoundLayer : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initSound();
    // Long enough never to end while a test looks at it.
    for (const char* name : {"a.wav", "b.wav", "menu.wav", "game.wav"}) {
      ASSERT_TRUE(soundtest::writeWav(tempPath(name), 30.0, 8000));
    }
  }
  static void TearDownTestSuite() {
    for (const char* name : {"a.wav", "b.wav", "menu.wav", "game.wav"}) {
      std::remove(tempPath(name).c_str());
    }
  }
  void SetUp() override {
    if (!soundAvailable()) {
      GTEST_SKIP() << "SDL's dummy audio driver is not available";
    }
  }
  void TearDown() override {
    stopSoundRecording();
    clearRecordedSounds();
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
  }
};

TEST_F(SoundLayer, ASampleOnAChannelReplacesTheOneBefore) {
  Sound claps(tempPath("a.wav"), 0, false, false);
  Sound gunshot(tempPath("b.wav"), 0, false, false);
  Sound cry(tempPath("a.wav"), 2, false, false);
  ASSERT_NE(nullptr, claps.sample);

  claps.play();
  EXPECT_TRUE(claps.isPlaying());
  EXPECT_EQ(claps.sample, Mix_GetChunk(0));

  gunshot.play();
  EXPECT_EQ(gunshot.sample, Mix_GetChunk(0));
  EXPECT_TRUE(claps.isPlaying());  // the channel plays, whichever sound started it
  cry.play();
  gunshot.stop();
  EXPECT_FALSE(gunshot.isPlaying());
  EXPECT_FALSE(claps.isPlaying());
  EXPECT_TRUE(cry.isPlaying());
}

TEST_F(SoundLayer, MenuMusicGivesWayToGameMusicOnChannel3) {
  Sound menu(tempPath("menu.wav"), 3, true, true);
  Sound game(tempPath("game.wav"), 3, true, true);
  Sound footstep(tempPath("a.wav"), 4, false, false);
  ASSERT_NE(nullptr, menu.stream);

  menu.play();
  EXPECT_TRUE(menu.isPlaying());
  EXPECT_TRUE(Mix_PlayingMusic());
  EXPECT_FALSE(footstep.isPlaying());  // music counts on its own channel only

  menu.stop();
  game.play();
  EXPECT_TRUE(game.isPlaying());
  // Stopping a stream that is not the music playing leaves the music alone.
  menu.stop();
  EXPECT_TRUE(game.isPlaying());
  // Starting the other stream replaces the music without a stop.
  menu.play();
  game.stop();
  EXPECT_TRUE(menu.isPlaying());

}

TEST_F(SoundLayer, TheTwelveGameSoundsAreMadeAgainAndReleasedOnce) {
  createSounds();
  Sound* const firstMenu = menuMusic;
  createSounds();  // the first set is deleted, not leaked
  EXPECT_NE(nullptr, firstMenu);
  for (Sound** s : {&menuMusic, &gameMusic, &clapsSound, &shutdownSound, &gunshotSound,
                    &clickSound, &transferSound, &sorrySound, &crySound, &footstepSound,
                    &pistolShotSound, &sirenSound}) {
    releaseSound(*s);
    EXPECT_EQ(nullptr, *s);
    releaseSound(*s);  // a null pointer is skipped
  }
}

}  // namespace
