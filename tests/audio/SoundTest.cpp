// The sound layer on SDL's dummy audio driver: samples sharing a channel, the two music
// streams on channel 3, silent sounds for missing files, and the twelve game sounds made
// again and released once.
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

  Mix_Volume(0, 10);
  claps.play();
  EXPECT_TRUE(claps.isPlaying());
  EXPECT_EQ(claps.sample, Mix_GetChunk(0));
  EXPECT_EQ(MIX_MAX_VOLUME, Mix_Volume(0, -1));

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

  // Deleting the music that plays silences it.
  Sound* doomed = new Sound(tempPath("game.wav"), 3, true, true);
  doomed->play();
  ASSERT_TRUE(Mix_PlayingMusic());
  delete doomed;
  EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundLayer, AMissingFileIsSilent) {
  Sound playing(tempPath("a.wav"), 1, false, false);
  playing.play();
  Sound* missing = new Sound(tempPath("no-such.wav"), 1, false, false);
  Sound* missingStream = new Sound(tempPath("no-such.mp3"), 3, true, true);
  EXPECT_EQ(nullptr, missing->sample);
  EXPECT_EQ(nullptr, missingStream->stream);

  Mix_Volume(1, 10);
  missing->play();
  EXPECT_EQ(MIX_MAX_VOLUME, Mix_Volume(1, -1));  // play sets the volume, nothing else
  EXPECT_EQ(playing.sample, Mix_GetChunk(1));
  missing->stop();
  missingStream->play();
  EXPECT_FALSE(missingStream->isPlaying());
  missingStream->stop();
  delete missing;
  delete missingStream;
  EXPECT_TRUE(playing.isPlaying());
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
